#include "thalmuro/engine.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace thalmuro {

std::optional<std::string> encodeWindows1253(std::string_view utf8) {
    const iconv_t cd = iconv_open("WINDOWS-1253", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string out(utf8.size(), '\0');  // never longer than the UTF-8 text
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL) break;
        // A character the code page lacks, or bytes that are not UTF-8: write "?" and skip
        // the whole character (its lead byte tells its length).
        const auto lead = static_cast<unsigned char>(*in);
        std::size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        for (std::size_t k = 1; k < skip && k < inLeft; ++k) {
            if ((static_cast<unsigned char>(in[k]) & 0xC0) != 0x80) skip = k;
        }
        if (skip > inLeft) skip = inLeft;
        *dst++ = '?';
        --outLeft;
        in += skip;
        inLeft -= skip;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::string> decodeWindows1253(std::string_view bytes) {
    const iconv_t cd = iconv_open("UTF-8", "WINDOWS-1253");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    // Every character of the code page takes at most three bytes in UTF-8 (the euro sign and
    // the punctuation of 0x80..0x9F; Greek letters take two), as does the replacement character.
    std::string out(3 * bytes.size(), '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    static constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ) break;
        // A byte to which the code page gives no character (0x81, 0xAA, 0xD2, 0xFF...).
        dst = std::copy_n(kReplacement, 3, dst);
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace thalmuro
