// How the program reads typed numbers and writes numbers as text.
//
// Every rule here is a pure function of its arguments: the regional decimal separator and
// digit-grouping character are passed in as a NumberLocale and the C library's locale is never
// consulted, so the results do not change when a GUI toolkit switches the process to a Greek
// locale with a decimal comma.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace thalmuro {

// The two regional characters that reading and writing numbers depend on. Both are UTF-8 text so
// that separators outside ASCII (a no-break space as grouping, say) work as well.
struct NumberLocale {
    std::string decimal_separator;
    std::string grouping;

    static NumberLocale greek() { return {",", "."}; }
    static NumberLocale english() { return {".", ","}; }
};

// The leading number of a text, for the counts of risers and sections: blanks, tabs and line
// feeds anywhere are ignored, "." is always the decimal point, an optional sign and an exponent
// ("E" or "D" followed by digits) are accepted, and reading stops at the first character that
// cannot continue the number. An empty or non-numeric text reads 0. Returns nothing when the
// number is too large for a 64-bit float.
std::optional<double> leadingNumber(std::string_view text);

// The leading number rounded to the nearest integer (halves to the even neighbour) as a signed
// 16-bit count; nothing when that integer lies outside -32768..32767 or the text overflows.
std::optional<std::int16_t> leadingCount(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (14.5 -> 14, 15.5 -> 16),
// whatever the floating-point rounding mode.
inline double roundHalfEven(double value) {
    // From 2^52 on every double is an integer; NaN and the infinities stay as they are.
    if (!(std::fabs(value) < 4503599627370496.0)) {
        return value;
    }
    // trunc and the subtraction are exact and do not depend on the rounding mode.
    const double whole = std::trunc(value);
    const double part = std::fabs(value - whole);
    const double step = std::signbit(value) ? -1.0 : 1.0;
    // Below 2^52 the integer part fits a 64-bit integer, whose last bit tells odd from even.
    const bool odd = (static_cast<long long>(whole) & 1) != 0;
    if (part > 0.5 || (part == 0.5 && odd)) {
        return whole + step;
    }
    return whole;
}

// Reads a whole text as a number written in the regional format: blanks around it, an optional
// sign, digits with the grouping character allowed (and ignored) between them, the decimal
// separator, an optional exponent. Nothing when the text is empty, is not such a number, or is
// too large for a 64-bit float.
std::optional<double> readLocaleNumber(std::string_view text, const NumberLocale& locale);

// The general number format: 15 significant digits, no grouping, trailing zeros dropped, a 0
// before the separator below 1, exponent form (1E-05, 1,5E+15) below 1E-4 or from 1E15 on.
std::string formatGeneral(double value, const NumberLocale& locale);

// Formats with a pattern of "0" digit placeholders, one "." standing for the decimal separator
// and literal characters copied as they stand ("0.00001" gives four decimals followed by a 1).
// The value is rounded half away from zero to as many decimals as there are "0"s after the ".".
std::string formatPattern(double value, std::string_view pattern, const NumberLocale& locale);

// A count written as plain decimal digits.
std::string formatCount(long value);

}  // namespace thalmuro
