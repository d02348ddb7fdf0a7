// Feeds arbitrary bytes to every number rule and checks the properties that tie reading and
// writing together. The input is taken apart as follows: its first eight bytes, when present, are
// also used as the bits of a double and of a long; the text up to the first NUL byte is what is
// read; the text after it is used as a format pattern.
#include "thalmuro/engine.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using thalmuro::NumberLocale;

void require(bool condition, const char* what, std::string_view detail) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s [%.*s]\n", what, static_cast<int>(detail.size()),
                     detail.data());
        std::abort();
    }
}

std::string bitsOf(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::hex);
    return std::string(buffer, result.ptr);
}

// The value rounded to 15 significant digits, or nothing when that rounding leaves the range of
// double (the largest doubles round up to 1.79769313486232E+308).
std::optional<double> roundedTo15(double value) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = 0.0;
    const auto read = std::from_chars(buffer, written.ptr, rounded);
    if (read.ec == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    return rounded;
}

bool sameValue(const std::optional<double>& a, const std::optional<double>& b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

void checkRoundHalfEven(double value) {
    const double rounded = thalmuro::roundHalfEven(value);
    if (!std::isfinite(value)) {
        return;
    }
    const std::string detail = bitsOf(value);
    require(std::trunc(rounded) == rounded, "roundHalfEven gives an integer", detail);
    const double distance = std::fabs(rounded - value);
    require(distance <= 0.5, "roundHalfEven is the nearest integer", detail);
    if (distance == 0.5) {
        require(std::fmod(rounded, 2.0) == 0.0, "roundHalfEven takes the even neighbour", detail);
    }
}

void checkLeading(std::string_view text) {
    const std::optional<double> number = thalmuro::leadingNumber(text);
    const std::optional<std::int16_t> count = thalmuro::leadingCount(text);
    if (!number) {
        require(!count, "leadingCount fails with leadingNumber", text);
        return;
    }
    require(std::isfinite(*number), "leadingNumber is finite", text);
    checkRoundHalfEven(*number);
    const double rounded = thalmuro::roundHalfEven(*number);
    if (rounded >= -32768.0 && rounded <= 32767.0) {
        require(count && *count == rounded, "leadingCount is the rounded leading number", text);
    } else {
        require(!count, "leadingCount refuses what does not fit 16 bits", text);
    }
}

void checkGeneral(double value, const NumberLocale& locale) {
    const std::string written = thalmuro::formatGeneral(value, locale);
    const std::optional<double> expected = roundedTo15(value);
    const std::optional<double> back = thalmuro::readLocaleNumber(written, locale);
    require(sameValue(back, expected), "formatGeneral reads back as the 15-digit value", written);
    require(std::signbit(value) == (written[0] == '-') || value == 0.0,
            "formatGeneral writes the sign", written);
    if (locale.decimal_separator == ".") {
        require(sameValue(thalmuro::leadingNumber(written), expected),
                "formatGeneral reads back as a leading number", written);
    }
    // Above the subnormals, 15 digits survive the trip through a double unchanged.
    if (back && std::fabs(*back) >= std::numeric_limits<double>::min()) {
        require(thalmuro::formatGeneral(*back, locale) == written, "formatGeneral is stable",
                written);
    }
}

void checkPattern(double value, const NumberLocale& locale) {
    struct Used {
        const char* pattern;
        const char* without_literal;
        int decimals;
    };
    static const Used used[] = {
        {"0.00000", "0.00000", 5},
        {"0.000", "0.000", 3},
        {"0.00001", "0.0000", 4},
        {"0.001", "0.00", 2},
    };
    for (const Used& u : used) {
        const std::string written = thalmuro::formatPattern(value, u.pattern, locale);
        const std::string plain = thalmuro::formatPattern(value, u.without_literal, locale);
        if (std::strcmp(u.pattern, u.without_literal) != 0) {
            require(written == plain + "1", "the literal 1 follows the decimals", written);
        }
        require((value < 0) == (plain[0] == '-'), "formatPattern writes the sign", plain);

        const std::optional<double> back = thalmuro::readLocaleNumber(plain, locale);
        require(back.has_value(), "formatPattern output reads back", plain);
        // Within half a unit of the last decimal, allowing for the reading's own rounding.
        const double half_unit = 0.5 * std::pow(10.0, -u.decimals) * (1.0 + 1e-9);
        const double slack = std::fabs(value) * std::ldexp(1.0, -51);
        require(std::fabs(*back - value) <= half_unit + slack,
                "formatPattern is within half a unit of the last decimal", plain);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view text = input.substr(0, nul);
    const std::string_view pattern =
        nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);

    const NumberLocale locales[] = {NumberLocale::greek(), NumberLocale::english(),
                                    NumberLocale{",", "\u202F"}};

    std::vector<double> values;
    if (size >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, data, sizeof raw);
        checkRoundHalfEven(raw);
        values.push_back(raw);

        long count = 0;
        std::memcpy(&count, data, sizeof count);
        const std::string written = thalmuro::formatCount(count);
        long back = 0;
        const auto read = std::from_chars(written.data(), written.data() + written.size(), back);
        require(
            read.ec == std::errc() && read.ptr == written.data() + written.size() && back == count,
            "formatCount reads back", written);
    }

    checkLeading(text);
    checkLeading(input);
    if (const auto number = thalmuro::leadingNumber(text)) {
        values.push_back(*number);
    }
    for (const NumberLocale& locale : locales) {
        const std::optional<double> number = thalmuro::readLocaleNumber(text, locale);
        if (number) {
            require(std::isfinite(*number), "readLocaleNumber is finite", text);
            values.push_back(*number);
        }
        thalmuro::readLocaleNumber(input, locale);
    }

    for (const double value : values) {
        if (!std::isfinite(value)) {
            for (const NumberLocale& locale : locales) {
                thalmuro::formatGeneral(value, locale);
                thalmuro::formatPattern(value, "0.000", locale);
            }
            continue;
        }
        for (const NumberLocale& locale : locales) {
            checkGeneral(value, locale);
            checkPattern(value, locale);
            // Any pattern at all must be written without trouble.
            require(!thalmuro::formatPattern(value, pattern, locale).empty(),
                    "formatPattern writes at least one digit", pattern);
        }
    }
    return 0;
}
