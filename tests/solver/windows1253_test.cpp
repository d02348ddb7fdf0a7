#include "thalmuro/engine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace thalmuro {
namespace {

// The characters of Windows-1253 at the bytes 0x80..0xFF; 0 where the code page has none.
constexpr char32_t kUpperHalf[128] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,       // 0x98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // 0xB8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // 0xC0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // 0xC8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // 0xD0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // 0xD8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // 0xE0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // 0xE8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // 0xF0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,       // 0xF8
};

// A character of the Basic Multilingual Plane in UTF-8.
std::string utf8Of(char32_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800) {
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

// Every byte to which the code page gives a character decodes to that character and the
// character encodes back to the byte; a byte without one decodes to U+FFFD. Between them, bytes
// keep their order and the ASCII half passes unchanged.
TEST(Windows1253, EveryByteBothWays) {
    std::string ascii;
    for (int b = 0; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    EXPECT_EQ(decodeWindows1253(ascii), ascii);
    for (int b = 0x80; b <= 0xFF; ++b) {
        SCOPED_TRACE(::testing::Message() << "byte 0x" << std::hex << b);
        const std::string byte(1, static_cast<char>(b));
        const char32_t c = kUpperHalf[b - 0x80];
        if (c == 0) {
            EXPECT_EQ(decodeWindows1253("a" + byte + "b"),
                      "a\xEF\xBF\xBD"
                      "b");
            continue;
        }
        EXPECT_EQ(decodeWindows1253("a" + byte + "b"), "a" + utf8Of(c) + "b");
        EXPECT_EQ(encodeWindows1253(utf8Of(c)), byte);
    }
}

// The bytes of a report decode to the report's text, Greek letters and all, and a character
// the code page lacks comes back as the "?" that took its place.
TEST(Windows1253, ReportBytesDecodeToItsText) {
    for (const NumberLocale& locale : {NumberLocale::greek(), NumberLocale::english()}) {
        SharedState state;
        const SolveOutcome out = Solve(workedExample(locale), state, locale);
        ASSERT_TRUE(out.report.bytes);
        EXPECT_EQ(decodeWindows1253(*out.report.bytes), out.report.text);
    }
    EXPECT_EQ(decodeWindows1253(*encodeWindows1253("Δρ/ρ ≤ 1 ✓")), "Δρ/ρ ? 1 ?");
}

}  // namespace
}  // namespace thalmuro
