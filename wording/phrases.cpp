#include "phrases.h"

#include <cmath>

namespace thalmuro::phrases {

std::string figure(double value, std::string_view pattern, const NumberLocale& locale) {
    return formatPattern(value, pattern, locale);
}

std::string numberRange(long first, long last, std::string_view to) {
    std::string out = formatCount(first);
    if (last == first + 1) {
        out += ", " + formatCount(last);
    } else if (last != first) {
        out += ' ';
        out += to;
        out += ' ' + formatCount(last);
    }
    return out;
}

std::string bound(const std::optional<double>& value, const NumberLocale& locale) {
    if (!value) return {};
    const double thirds = *value * 3.0;
    if (std::fabs(thirds - std::round(thirds)) < 1e-9 && std::fmod(std::round(thirds), 3.0) != 0) {
        return formatCount(static_cast<long>(std::round(thirds))) + "/3";
    }
    return formatGeneral(*value, locale);
}

std::size_t extremeRiser(const std::vector<double>& values, bool lowest) {
    std::size_t at = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (lowest ? values[i] < values[at] : values[i] > values[at]) at = i;
    }
    return at;
}

namespace {

// Calls `run(first, last)` for each run of consecutive numbers.
template <class Run>
void eachRun(const std::vector<int>& numbers, Run&& run) {
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        run(numbers[i], numbers[j]);
        i = j + 1;
    }
}

}  // namespace

std::string shortened(std::string_view text, std::size_t limit) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = utf8SequenceAt(text, i);
        if (out.size() + (length == 0 ? 1 : length) > limit) {
            out += "...";
            break;
        }
        if (length == 0) {
            out += '?';
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

std::string numberRanges(const std::vector<int>& numbers, std::string_view to) {
    std::string out;
    eachRun(numbers, [&](int first, int last) {
        if (!out.empty()) out += ", ";
        out += numberRange(first, last, to);
    });
    return out;
}

std::string dashedRanges(const std::vector<int>& numbers) {
    std::string out;
    eachRun(numbers, [&](int first, int last) {
        if (!out.empty()) out += ", ";
        out += formatCount(first);
        if (last != first) out += "–" + formatCount(last);
    });
    return out;
}

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

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool followsFromTheLast(MessageKind kind) {
    return kind == MessageKind::x_taken_as_zero || kind == MessageKind::riser_1_gets_no_discharge ||
           kind == MessageKind::leaves_risers_unnamed;
}

}  // namespace thalmuro::phrases
