#include "thalmuro/engine.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "process_locale.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();

// The Greek text with the roles of "," and "." exchanged, which is how the same number is written
// in English.
std::string swapSeparators(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        } else if (c == '.') {
            c = ',';
        }
    }
    return text;
}

std::string describe(const std::optional<double>& value) {
    if (!value) {
        return "nothing";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return std::string(buffer, result.ptr);
}

// ---------------------------------------------------------------------------------------------
// Leading number

struct LeadingCase {
    const char* text;
    std::optional<double> expected;
};

TEST(LeadingNumber, ReadsTheLeadingNumberOfTheText) {
    const LeadingCase cases[] = {
        {"14", 14.0},
        {"1 2", 12.0},
        {" \t1\n0 ", 10.0},
        {"- 1 . 5 E 1", -15.0},
        {"2,5", 2.0},
        {"12ab", 12.0},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"-.5", -0.5},
        {"+7", 7.0},
        {"5.", 5.0},
        {"", 0.0},
        {"   ", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"abc", 0.0},
        {"e5", 0.0},
        {"-3.5e2", -350.0},
        {"1.5D3", 1500.0},
        {"2d-1", 0.2},
        {"25E+1x", 250.0},
        // An exponent letter without digits ends the number.
        {"4e", 4.0},
        {"4e+", 4.0},
        {"4E-x", 4.0},
        {"4ee1", 4.0},
        {"1e308", 1e308},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"1.8e308", std::nullopt},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1e99999999999999999999999999", std::nullopt},
        {"1e-400", 0.0},
        {"1e-99999999999999999999999999", 0.0},
        {"0e99999", 0.0},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(leadingNumber(c.text)), describe(c.expected)) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, ReadsVeryLongDigitStringsExactly) {
    // 1 + 2^-53 lies exactly halfway between 1 and the next double: as written it rounds to the
    // even neighbour 1, but any non-zero digit after it, however far, tips it upwards.
    const std::string halfway = "1.00000000000000011102230246251565404236316680908203125";
    const double above_one = std::nextafter(1.0, 2.0);
    EXPECT_EQ(leadingNumber(halfway), 1.0);
    EXPECT_EQ(leadingNumber(halfway + std::string(5000, '0')), 1.0);
    EXPECT_EQ(leadingNumber(halfway + std::string(5000, '0') + "1"), above_one);
    EXPECT_EQ(leadingNumber("-" + halfway + std::string(5000, '0') + "1"), -above_one);

    EXPECT_EQ(leadingNumber("0." + std::string(100000, '0') + "1e100001"), 1.0);
    EXPECT_EQ(leadingNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(leadingNumber(std::string(100000, '0') + "25"), 25.0);
    EXPECT_EQ(leadingNumber(std::string(400, '9')), std::nullopt);
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// ---------------------------------------------------------------------------------------------
// Leading count and the rounding behind it

TEST(LeadingCount, RoundsHalvesToEvenWithinSixteenBits) {
    const struct {
        const char* text;
        std::optional<std::int16_t> expected;
    } cases[] = {
        {"14.5", 14},
        {"15.5", 16},
        {"14.7", 15},
        {"14,7", 14},
        {"-2.5", -2},
        {"-3.5", -4},
        {"0.5", 0},
        {"1 0 1", 101},
        {"abc", 0},
        {"", 0},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"40000", std::nullopt},
        {"-32768", -32768},
        {"-32768.5", -32768},
        {"-32769", std::nullopt},
        {"1e400", std::nullopt},
        {"1e300", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingCount(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(RoundHalfEven, RoundsToTheNearestIntegerWithHalvesToEven) {
    const double big = 4503599627370497.0;  // 2^52 + 1, odd and beyond any fraction
    const struct {
        double value;
        double expected;
    } cases[] = {
        {14.5, 14.0},
        {15.5, 16.0},
        {2.5, 2.0},
        {-2.5, -2.0},
        {-3.5, -4.0},
        {14.7, 15.0},
        {-14.7, -15.0},
        {0.49999999999999994, 0.0},
        {std::nextafter(0.5, 1.0), 1.0},
        {4503599627370495.5, 4503599627370496.0},
        {big, big},
        {1e300, 1e300},
        {-1e300, -1e300},
        {std::numeric_limits<double>::max(), std::numeric_limits<double>::max()},
        {std::numeric_limits<double>::denorm_min(), 0.0},
    };
    const int modes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};
    for (const int mode : modes) {
        std::fesetround(mode);
        for (const auto& c : cases) {
            EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value << " in mode " << mode;
        }
        EXPECT_TRUE(std::signbit(roundHalfEven(-0.0)));
        EXPECT_TRUE(std::signbit(roundHalfEven(-0.5)));
        EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
    }
    std::fesetround(FE_TONEAREST);
}

// ---------------------------------------------------------------------------------------------
// Numbers in the regional format

struct LocaleCase {
    const char* greek_text;
    std::optional<double> expected;
};

// Written in Greek; the same cases are read in English with the separators exchanged.
const LocaleCase kLocaleCases[] = {
    {"0,95", 0.95},
    {"0.95", 95.0},
    {"1.000,5", 1000.5},
    {" -0,3528 ", -0.3528},
    {"0,3528", 0.3528},
    {"0.3528", 3528.0},
    {"0,0307", 0.0307},
    {"\t+12\t", 12.0},
    {",5", 0.5},
    {"5,", 5.0},
    {"1.234.567", 1234567.0},
    {"1.2", 12.0},
    {"-0", -0.0},
    {"2,5E3", 2500.0},
    {"2,5e-3", 0.0025},
    {"1e+2", 100.0},
    {"1,79769313486232E+308", std::nullopt},
    {"1e400", std::nullopt},
    {"1e-400", 0.0},
    {"4,9E-324", std::numeric_limits<double>::denorm_min()},
    {"", std::nullopt},
    {" \t ", std::nullopt},
    {"abc", std::nullopt},
    {"1,2,3", std::nullopt},
    {"1,,5", std::nullopt},
    {"1..000", std::nullopt},
    {"0,5x", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"- 1", std::nullopt},
    {"1 000", std::nullopt},
    {"1e", std::nullopt},
    {"1e+", std::nullopt},
    {"1E5,", std::nullopt},
    {"1D5", std::nullopt},
    {",", std::nullopt},
    {"-", std::nullopt},
    {",e5", std::nullopt},
    {".5", std::nullopt},
    {"5.", std::nullopt},
    {"5.,0", std::nullopt},
    {"1,5.000", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"0x10", std::nullopt},
};

TEST(ReadLocaleNumber, ReadsTheWholeTextInTheRegionalFormat) {
    for (const auto& c : kLocaleCases) {
        const std::string english = swapSeparators(c.greek_text);
        EXPECT_EQ(describe(readLocaleNumber(c.greek_text, kGreek)), describe(c.expected))
            << "Greek \"" << c.greek_text << '"';
        EXPECT_EQ(describe(readLocaleNumber(english, kEnglish)), describe(c.expected))
            << "English \"" << english << '"';
    }
}

TEST(ReadLocaleNumber, AcceptsSeparatorsOfSeveralBytes) {
    const NumberLocale narrow_space{",", "\u202F"};
    EXPECT_EQ(readLocaleNumber("1\u202F234\u202F567,25", narrow_space), 1234567.25);
    EXPECT_EQ(readLocaleNumber(" -12\u202F000 ", narrow_space), -12000.0);
    EXPECT_EQ(readLocaleNumber("1\u202F\u202F234", narrow_space), std::nullopt);
    EXPECT_EQ(readLocaleNumber("1\u202F", narrow_space), std::nullopt);
    EXPECT_EQ(readLocaleNumber("1 234", narrow_space), std::nullopt);
    EXPECT_EQ(readLocaleNumber("1\xE2\x80"
                               "234",
                               narrow_space),
              std::nullopt);  // cut short
    EXPECT_EQ(readLocaleNumber("1.234", narrow_space), std::nullopt);

    const NumberLocale arabic{"\u066B", "\u066C"};
    EXPECT_EQ(readLocaleNumber("1\u066C234\u066B5", arabic), 1234.5);
    EXPECT_EQ(readLocaleNumber("\u066B5", arabic), 0.5);
    EXPECT_EQ(readLocaleNumber("1,5", arabic), std::nullopt);
}

// ---------------------------------------------------------------------------------------------
// General number format

TEST(FormatGeneral, WritesFifteenSignificantDigitsInTheRegionalFormat) {
    const struct {
        double value;
        const char* greek;
    } cases[] = {
        {0.0307, "0,0307"},
        {14.0, "14"},
        {2.5, "2,5"},
        {-0.5, "-0,5"},
        {0.1 + 0.2, "0,3"},
        {7.1000000000000005, "7,1"},
        {-1234.5, "-1234,5"},
        {1.0 / 3.0, "0,333333333333333"},
        {0.0, "0"},
        {-0.0, "0"},
        // The change between fixed and exponent form, judged after rounding to 15 digits.
        {0.0001, "0,0001"},
        {0.000123, "0,000123"},
        {std::nextafter(0.0001, 0.0), "0,0001"},
        {0.0000999999999999, "9,99999999999E-05"},
        {0.00001, "1E-05"},
        {0.0000123, "1,23E-05"},
        {123456789012345.0, "123456789012345"},
        {100000000000000.0, "100000000000000"},
        {99999999999999.99, "100000000000000"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e15, "1,5E+15"},
        {-2.25e16, "-2,25E+16"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        {std::numeric_limits<double>::max(), "1,79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatGeneral(c.value, kGreek), c.greek) << c.value;
        EXPECT_EQ(formatGeneral(c.value, kEnglish), swapSeparators(c.greek)) << c.value;
    }
    EXPECT_EQ(formatGeneral(0.0000123, NumberLocale{"\u066B", "\u066C"}), "1\u066B23E-05");
}

TEST(FormatGeneral, IsReadBackAsTheValueRoundedToFifteenDigits) {
    const double values[] = {0.1 + 0.2,
                             1.0 / 3.0,
                             -2.0 / 3.0,
                             1234.5678901234567,
                             6.02214076e23,
                             1e-7 / 3.0,
                             0.000123456789012345678,
                             std::numeric_limits<double>::denorm_min()};
    for (const double value : values) {
        char buffer[64];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
        double rounded = 0.0;
        std::from_chars(buffer, written.ptr, rounded);
        for (const NumberLocale& locale : {kGreek, kEnglish}) {
            EXPECT_EQ(readLocaleNumber(formatGeneral(value, locale), locale), rounded) << value;
        }
        EXPECT_EQ(leadingNumber(formatGeneral(value, kEnglish)), rounded) << value;
    }
}

TEST(FormatGeneral, WritesSomethingSaneForNonFiniteValues) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN(), kGreek), "NaN");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity(), kGreek), "Inf");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::infinity(), kGreek), "-Inf");
}

// ---------------------------------------------------------------------------------------------
// Pattern format

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheExactValue) {
    const struct {
        double value;
        const char* pattern;
        const char* greek;
    } cases[] = {
        // The patterns the program uses.
        {0.71234567, "0.00000", "0,71235"},
        {0.878571, "0.000", "0,879"},
        {0.018812, "0.00001", "0,01881"},
        {0.3799, "0.00001", "0,37991"},
        {0.0712, "0.001", "0,071"},
        {0.0768, "0.001", "0,081"},
        {0.005, "0.001", "0,011"},
        // Ties, on the decimal value as the double really holds it.
        {0.125, "0.00", "0,13"},
        {-0.125, "0.00", "-0,13"},
        {2.675, "0.00", "2,67"},
        {1.005, "0.00", "1,00"},
        {0.05, "0.0", "0,1"},
        {0.15, "0.0", "0,1"},
        {0.45, "0.0", "0,5"},
        {0.5, "0", "1"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-0.5, "0", "-1"},
        {0.49999999999999994, "0", "0"},
        // Carries through every digit.
        {9.99995, "0.0000", "10,0000"},
        {99.96, "0.0", "100,0"},
        {0.99999, "0.000", "1,000"},
        {-9.5, "0", "-10"},
        // The sign of a negative value that rounds to zero stays; -0 has none.
        {-0.000001, "0.00000", "-0,00000"},
        {-0.0, "0.00000", "0,00000"},
        {0.0, "0.000", "0,000"},
        // Integer digits: at least one, at least as many as the placeholders, all of them.
        {0.25, ".00", "0,25"},
        {5.0, "000", "005"},
        {12345.678, "0.0", "12345,7"},
        {1e20, "0.00000", "100000000000000000000,00000"},
        {1e-300, "0.00000", "0,00000"},
        // Literal characters keep their place.
        {1.25, "x0.0 m", "x1,3 m"},
        {1.234, "0.0a0", "1,2a3"},
        {4.6, "0 units", "5 units"},
        {12.0, "(0)", "(12)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatPattern(c.value, c.pattern, kGreek), c.greek)
            << c.value << " with " << c.pattern;
        EXPECT_EQ(formatPattern(c.value, c.pattern, kEnglish), swapSeparators(c.greek))
            << c.value << " with " << c.pattern;
    }
}

TEST(FormatPattern, HandlesTheExtremes) {
    const std::string largest = formatPattern(std::numeric_limits<double>::max(), "0.00", kGreek);
    EXPECT_EQ(largest.size(), 309u + 3u);
    EXPECT_EQ(largest.substr(0, 17), "17976931348623157");
    EXPECT_EQ(largest.substr(309), ",00");
    EXPECT_EQ(formatPattern(-std::numeric_limits<double>::max(), "0", kGreek).size(), 310u);

    // Only the first "." is the separator.
    EXPECT_EQ(formatPattern(1.25, "0.0.0", kGreek), "1,2.5");
    EXPECT_EQ(formatPattern(0.5, "", kGreek), "1");

    EXPECT_EQ(formatPattern(std::numeric_limits<double>::quiet_NaN(), "0.000", kGreek), "NaN");
    EXPECT_EQ(formatPattern(-std::numeric_limits<double>::infinity(), "0.000", kGreek), "-Inf");
}

// ---------------------------------------------------------------------------------------------

TEST(FormatCount, WritesPlainDigits) {
    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(101), "101");
    EXPECT_EQ(formatCount(-32768), "-32768");
    EXPECT_EQ(formatCount(std::numeric_limits<long>::min()),
              std::to_string(std::numeric_limits<long>::min()));
}

// A toolkit may switch the process to a locale with a decimal comma; nothing here may notice.
TEST(NumberRules, IgnoreTheProcessLocale) {
    if (!testing::useDecimalCommaLocale()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_EQ(readLocaleNumber("2.5", kEnglish), 2.5);
    EXPECT_EQ(readLocaleNumber("2,5", kGreek), 2.5);
    EXPECT_EQ(formatGeneral(2.5, kEnglish), "2.5");
    EXPECT_EQ(formatPattern(2.5, "0.000", kEnglish), "2.500");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace thalmuro
