#include "thalmuro/engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace thalmuro {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number taken apart by one of the readers: its sign, its mantissa digits with the count of
// those that stand before the decimal point, and the written decimal exponent.
struct DecimalParts {
    bool negative = false;
    std::string digits;
    std::size_t integer_digits = 0;
    long long exponent = 0;
};

// Exponents beyond this are saturated while being read: every text the program can hold has far
// fewer digits than this, so a saturated exponent still overflows or underflows for certain.
constexpr long long kExponentLimit = 1'000'000'000'000'000LL;

void addExponentDigit(long long& exponent, char digit) {
    if (exponent < kExponentLimit) {
        exponent = exponent * 10 + (digit - '0');
    }
}

// The signed digits of an exponent starting at `at` (after its letter), saturated as above;
// `at` moves past them. Nothing, and `at` unspecified, when no digit follows the sign.
std::optional<long long> readExponent(std::string_view text, std::size_t& at) {
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long long exponent = 0;
    bool any = false;
    while (at < text.size() && isDigit(text[at])) {
        addExponentDigit(exponent, text[at++]);
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    return negative ? -exponent : exponent;
}

// Enough significant digits to decide the rounding of any decimal to the nearest double: the
// exact halfway point between two doubles never needs more than 767 of them.
constexpr std::size_t kSignificantDigitsKept = 800;

// Turns the parts into the nearest double. The digits are brought into the short form
// "d.ddd" followed by "e" and the exponent of the first significant digit, so that the decimal
// point and the exponent are always the ASCII ones std::from_chars reads, and so that the
// decision between overflow and underflow rests on that exponent rather than on from_chars, which
// reports both the same way. Nothing when the number is too large for a double; a number too
// small for one reads as a zero of its sign.
std::optional<double> composeNumber(const DecimalParts& parts) {
    const double zero = parts.negative ? -0.0 : 0.0;
    const std::size_t first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return zero;
    }
    const std::size_t last = parts.digits.find_last_not_of('0');

    // Exponent of the first significant digit: the digits between it and the decimal point, plus
    // the written exponent. Text lengths are far below the saturation limit, so this cannot wrap.
    const long long magnitude = static_cast<long long>(parts.integer_digits) -
                                static_cast<long long>(first) - 1 + parts.exponent;
    if (magnitude > std::numeric_limits<double>::max_exponent10 + 1) {
        return std::nullopt;
    }
    if (magnitude < std::numeric_limits<double>::min_exponent10 - 400) {
        return zero;
    }

    std::string text;
    if (parts.negative) {
        text += '-';
    }
    text += parts.digits[first];
    text += '.';
    const std::size_t significant = last - first + 1;
    if (significant > kSignificantDigitsKept) {
        // The digits beyond those kept only matter as "something non-zero follows"; since the
        // last digit is not zero, a single 1 after the kept digits says just that.
        text.append(parts.digits, first + 1, kSignificantDigitsKept - 1);
        text += '1';
    } else {
        text.append(parts.digits, first + 1, significant - 1);
    }
    text += 'e';
    text += std::to_string(magnitude);

    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude >= 0) {
            return std::nullopt;
        }
        return zero;
    }
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The sign and the (up to) 15 significant digits of a finite non-zero value, with the decimal
// exponent of the first digit after the rounding to 15 digits: 999999999999999.9 gives "1" and 15.
struct Significant {
    bool negative = false;
    std::string digits;  // no trailing zeros, at least one digit
    int exponent = 0;
};

Significant significantDigits(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    Significant out;
    std::size_t at = 0;
    if (text[at] == '-') {
        out.negative = true;
        ++at;
    }
    const std::size_t e = text.find('e', at);
    for (std::size_t i = at; i < e; ++i) {
        if (isDigit(text[i])) {
            out.digits += text[i];
        }
    }
    const std::size_t last = out.digits.find_last_not_of('0');
    out.digits.erase(last == std::string::npos ? 1 : last + 1);

    std::size_t exp_at = e + 1;
    const bool exp_negative = text[exp_at] == '-';
    if (text[exp_at] == '-' || text[exp_at] == '+') {
        ++exp_at;
    }
    int exponent = 0;
    std::from_chars(text.data() + exp_at, text.data() + text.size(), exponent);
    out.exponent = exp_negative ? -exponent : exponent;
    return out;
}

// What the number formats write for the values callers never pass.
std::string formatNonFinite(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

// The exact decimal expansion of |value| with at least min_decimals digits after the point,
// as integer digits and fractional digits. A double's fractional part ends at the bit of weight
// 2^(exponent - 53), and each binary place adds one decimal place, so asking for that many
// decimals (at most 1074, for the smallest subnormal) makes std::to_chars exact.
void exactDecimal(double value, std::size_t min_decimals, std::string& integer,
                  std::string& fraction) {
    int binary_exponent = 0;
    std::frexp(value, &binary_exponent);
    const int binary_places = std::min(1074, std::max(0, 53 - binary_exponent));
    const std::size_t decimals = std::max(min_decimals, static_cast<std::size_t>(binary_places));

    // 309 integer digits at most (1.8e308), the point, the decimals.
    std::string buffer(decimals + 320, '\0');
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed,
        static_cast<int>(std::min<std::size_t>(decimals, std::numeric_limits<int>::max())));
    buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = buffer.find('.');
    integer = buffer.substr(0, point);
    fraction = point == std::string::npos ? std::string() : buffer.substr(point + 1);
    fraction.resize(std::max(fraction.size(), min_decimals), '0');
}

}  // namespace

std::optional<double> leadingNumber(std::string_view text) {
    // Blanks, tabs and line feeds are not part of what was typed: "1 2" is 12.
    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            packed += c;
        }
    }

    DecimalParts parts;
    std::size_t at = 0;
    if (at < packed.size() && (packed[at] == '+' || packed[at] == '-')) {
        parts.negative = packed[at] == '-';
        ++at;
    }
    while (at < packed.size() && isDigit(packed[at])) {
        parts.digits += packed[at++];
    }
    parts.integer_digits = parts.digits.size();
    if (at < packed.size() && packed[at] == '.') {
        ++at;
        while (at < packed.size() && isDigit(packed[at])) {
            parts.digits += packed[at++];
        }
    }
    if (parts.digits.empty()) {
        return 0.0;
    }

    // An exponent letter without digits after it (and its sign) just ends the number.
    if (at < packed.size() &&
        (packed[at] == 'E' || packed[at] == 'e' || packed[at] == 'D' || packed[at] == 'd')) {
        std::size_t exp_at = at + 1;
        if (const std::optional<long long> exponent = readExponent(packed, exp_at)) {
            parts.exponent = *exponent;
        }
    }
    return composeNumber(parts);
}

std::optional<std::int16_t> leadingCount(std::string_view text) {
    const std::optional<double> number = leadingNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const double rounded = roundHalfEven(*number);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> readLocaleNumber(std::string_view text, const NumberLocale& locale) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    text = text.substr(begin, end - begin);

    const std::string_view decimal = locale.decimal_separator;
    // A grouping equal to the decimal separator could not be told apart from it: the separator
    // wins and no grouping is recognised.
    const std::string_view grouping =
        locale.grouping == locale.decimal_separator ? std::string_view() : locale.grouping;

    DecimalParts parts;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        parts.negative = text[at] == '-';
        ++at;
    }
    while (at < text.size()) {
        if (isDigit(text[at])) {
            parts.digits += text[at++];
        } else if (!parts.digits.empty() && startsWith(text, at, grouping) &&
                   at + grouping.size() < text.size() && isDigit(text[at + grouping.size()])) {
            at += grouping.size();
        } else {
            break;
        }
    }
    parts.integer_digits = parts.digits.size();
    if (startsWith(text, at, decimal)) {
        at += decimal.size();
        while (at < text.size() && isDigit(text[at])) {
            parts.digits += text[at++];
        }
    }
    if (parts.digits.empty()) {
        return std::nullopt;
    }

    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        const std::optional<long long> exponent = readExponent(text, at);
        if (!exponent) {
            return std::nullopt;
        }
        parts.exponent = *exponent;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return composeNumber(parts);
}

std::string formatGeneral(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return formatNonFinite(value);
    }
    if (value == 0.0) {
        return "0";
    }
    const Significant sig = significantDigits(value);
    const int count = static_cast<int>(sig.digits.size());

    std::string out;
    if (sig.negative) {
        out += '-';
    }
    if (sig.exponent >= -4 && sig.exponent <= 14) {
        if (sig.exponent < 0) {
            out += '0';
            out += locale.decimal_separator;
            out.append(static_cast<std::size_t>(-sig.exponent - 1), '0');
            out += sig.digits;
        } else {
            const int integer_count = sig.exponent + 1;
            if (count <= integer_count) {
                out += sig.digits;
                out.append(static_cast<std::size_t>(integer_count - count), '0');
            } else {
                out.append(sig.digits, 0, static_cast<std::size_t>(integer_count));
                out += locale.decimal_separator;
                out.append(sig.digits, static_cast<std::size_t>(integer_count));
            }
        }
        return out;
    }

    out += sig.digits[0];
    if (count > 1) {
        out += locale.decimal_separator;
        out.append(sig.digits, 1);
    }
    out += 'E';
    out += sig.exponent < 0 ? '-' : '+';
    const int magnitude = sig.exponent < 0 ? -sig.exponent : sig.exponent;
    if (magnitude < 10) {
        out += '0';
    }
    out += std::to_string(magnitude);
    return out;
}

std::string formatPattern(double value, std::string_view pattern, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return formatNonFinite(value);
    }
    // Only the first "." stands for the decimal separator; any later one is a literal.
    const std::size_t point = pattern.find('.');
    const std::string_view integer_pattern = pattern.substr(0, point);
    const std::string_view fraction_pattern =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    std::size_t integer_places = 0;
    for (const char c : integer_pattern) {
        integer_places += c == '0';
    }
    std::size_t decimals = 0;
    for (const char c : fraction_pattern) {
        decimals += c == '0';
    }

    // Rounding half away from zero works on the magnitude. The expansion is exact, so the first
    // dropped digit alone tells whether the dropped part reaches one half.
    std::string integer;
    std::string fraction;
    exactDecimal(value, decimals + 1, integer, fraction);
    std::string digits = integer + fraction.substr(0, decimals);
    if (fraction[decimals] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    std::string integer_digits = digits.substr(0, digits.size() - decimals);
    const std::string decimal_digits = digits.substr(digits.size() - decimals);
    // The exact expansion of a value below 1 starts with a single "0", which is the one integer
    // digit always written; the pattern may ask for more.
    if (integer_digits.size() < integer_places) {
        integer_digits.insert(0, integer_places - integer_digits.size(), '0');
    }

    std::string out;
    if (value < 0) {
        out += '-';
    }
    // The integer digits beyond the placeholders all go to the first one, so that a large value
    // is written in full; with no placeholder at all they stand just before the separator.
    const std::size_t surplus = integer_digits.size() - integer_places;
    std::size_t next = 0;
    bool placed = false;
    for (const char c : integer_pattern) {
        if (c != '0') {
            out += c;
            continue;
        }
        const std::size_t take = placed ? 1 : surplus + 1;
        out.append(integer_digits, next, take);
        next += take;
        placed = true;
    }
    if (!placed) {
        out += integer_digits;
    }
    if (point != std::string_view::npos) {
        out += locale.decimal_separator;
        std::size_t decimal_next = 0;
        for (const char c : fraction_pattern) {
            if (c == '0') {
                out += decimal_digits[decimal_next++];
            } else {
                out += c;
            }
        }
    }
    return out;
}

std::string formatCount(long value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace thalmuro
