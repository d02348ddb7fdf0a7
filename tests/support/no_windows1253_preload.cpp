// A preload library for tests: iconv_open fails (EINVAL, as for an unknown code page) when
// either side is Windows-1253 under any of its names, and is the C library's otherwise. With
// it, a program runs as on a system whose C library has no Windows-1253 converter.

#include <dlfcn.h>
#include <iconv.h>
#include <strings.h>

#include <cerrno>
#include <cstring>

namespace {

bool isWindows1253(const char* code) {
    // The name up to any "//" suffix (//TRANSLIT, //IGNORE).
    const char* end = std::strstr(code, "//");
    const std::size_t length =
        end != nullptr ? static_cast<std::size_t>(end - code) : std::strlen(code);
    static const char* const kNames[] = {"WINDOWS-1253", "CP1253", "MS-GREEK"};
    for (const char* name : kNames) {
        if (std::strlen(name) == length && strncasecmp(code, name, length) == 0) return true;
    }
    return false;
}

}  // namespace

extern "C" iconv_t iconv_open(const char* tocode, const char* fromcode) {
    if (isWindows1253(tocode) || isWindows1253(fromcode)) {
        errno = EINVAL;
        return reinterpret_cast<iconv_t>(-1);
    }
    using Open = iconv_t (*)(const char*, const char*);
    static const auto next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
    return next(tocode, fromcode);
}
