#include "wording.h"

namespace thalmuro {

std::string quoted(std::string_view text, std::string_view open, std::string_view close) {
    constexpr std::size_t kLongest = 40;
    std::size_t end = text.size();
    if (end > kLongest) {
        end = kLongest;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
    }
    std::string out(open);
    for (const char c : text.substr(0, end)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            out += c;
        } else {
            constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xf];
        }
    }
    if (end < text.size()) out += "...";
    out += close;
    return out;
}

std::string numberRange(long first, long last, std::string_view to) {
    std::string out = std::to_string(first);
    if (last == first + 1) {
        out += ", " + std::to_string(last);
    } else if (last != first) {
        out += ' ';
        out += to;
        out += ' ' + std::to_string(last);
    }
    return out;
}

std::string namedRange(std::string_view one, std::string_view many, long first, long last) {
    return std::string(first == last ? one : many) + ' ' + numberRange(first, last);
}

std::string numberRanges(const std::set<int>& numbers, std::string_view to) {
    std::string out;
    for (auto it = numbers.begin(); it != numbers.end();) {
        const int first = *it;
        int last = first;
        for (++it; it != numbers.end() && *it == last + 1; ++it)
            last = *it;
        if (!out.empty()) out += ", ";
        out += numberRange(first, last, to);
    }
    return out;
}

}  // namespace thalmuro
