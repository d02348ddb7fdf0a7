#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();

// The worked example with one text replaced: a general box, or a cell of row 1.
DiffuserInput withText(const NumberLocale& locale, InputQuantity quantity,
                       const std::string& text) {
    DiffuserInput in = workedExample(locale);
    switch (quantity) {
        case InputQuantity::risers:
            in.risers = text;
            break;
        case InputQuantity::sections:
            in.sections = text;
            break;
        case InputQuantity::drho:
            in.drho = text;
            break;
        case InputQuantity::total_discharge:
            in.total_discharge = text;
            break;
        case InputQuantity::manning:
            in.manning = text;
            break;
        default:
            in.rows[0].*kRowCells[static_cast<std::size_t>(quantity) -
                                  static_cast<std::size_t>(InputQuantity::first_riser)] = text;
            break;
    }
    return in;
}

struct TextCase {
    const char* name;
    std::string text;
    NumberLocale locale;
    InputQuantity quantity;
    std::optional<NumberFindingKind> kind;  // none: no finding
    double value;
    std::optional<double> alternative;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class NumberSlips : public ::testing::TestWithParam<TextCase> {};

// One text typed into the worked example gives its finding, or none, and nothing else does.
TEST_P(NumberSlips, GiveTheirFindingOrNone) {
    const TextCase& c = GetParam();
    const std::vector<NumberFinding> findings =
        findNumberSlips(withText(c.locale, c.quantity, c.text), c.locale);
    if (!c.kind) {
        EXPECT_TRUE(findings.empty()) << "a finding for " << c.text;
        return;
    }
    ASSERT_EQ(findings.size(), 1u);
    const NumberFinding& f = findings[0];
    EXPECT_EQ(f.kind, *c.kind);
    EXPECT_EQ(f.quantity, c.quantity);
    EXPECT_EQ(f.row, c.quantity >= InputQuantity::first_riser ? 1 : 0);
    EXPECT_EQ(f.text, c.text);
    EXPECT_DOUBLE_EQ(f.value, c.value);
    EXPECT_EQ(f.alternative.has_value(), c.alternative.has_value());
    if (f.alternative && c.alternative) {
        EXPECT_DOUBLE_EQ(*f.alternative, *c.alternative);
    }
}

using K = NumberFindingKind;
using Q = InputQuantity;
constexpr std::nullopt_t kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    TextsAndFormats, NumberSlips,
    ::testing::Values(
        // Grouping characters where no thousands grouping stands.
        TextCase{"LeadingZeroGroupGreek", "0.105", kGreek, Q::total_discharge, K::grouping_slip,
                 105, 0.105},
        TextCase{"OneDigitGroupGreek", "1.5", kGreek, Q::spacing, K::grouping_slip, 15, 1.5},
        TextCase{"TwoDigitGroupGreek", "12.34", kGreek, Q::pipe_diameter, K::grouping_slip, 1234,
                 12.34},
        TextCase{"DrhoWithAPointGreek", "0.0307", kGreek, Q::drho, K::grouping_slip, 307, 0.0307},
        TextCase{"NegativeStepGreek", "-0.2", kGreek, Q::elevation_step, K::grouping_slip, -2,
                 -0.2},
        TextCase{"TwoPointsGreek", "1.5.3", kGreek, Q::spacing, K::grouping_slip, 153, kNone},
        TextCase{"FirstGroupTooLongGreek", "1234.567", kGreek, Q::spacing, K::grouping_slip,
                 1234567, 1234.567},
        TextCase{"LeadingZeroGroupEnglish", "0,2", kEnglish, Q::riser_diameter, K::grouping_slip, 2,
                 0.2},
        TextCase{"ManningWithACommaEnglish", "0,013", kEnglish, Q::manning, K::grouping_slip, 13,
                 0.013},
        // Real thousands groupings: no slip, though the value may be out of range, and then
        // the other separator's reading is offered when it fits.
        TextCase{"ThousandsGreek", "1.234", kGreek, Q::total_discharge, K::implausible, 1234,
                 1.234},
        TextCase{"ThousandsWithDecimalsGreek", "1.234,5", kGreek, Q::total_discharge,
                 K::implausible, 1234.5, kNone},
        TextCase{"ThousandsEnglish", "2,000", kEnglish, Q::total_discharge, K::implausible, 2000,
                 2},
        TextCase{"ThousandsSpacingGreek", "1.500", kGreek, Q::spacing, K::implausible, 1500, 1.5},
        // Values of the wrong order without any grouping.
        TextCase{"ManningOfFifteen", "15", kGreek, Q::manning, K::implausible, 15, kNone},
        TextCase{"ThirtyCubicMetres", "30", kGreek, Q::total_discharge, K::implausible, 30, kNone},
        TextCase{"NoDensityDifference", "0", kGreek, Q::drho, K::implausible, 0, kNone},
        TextCase{"NegativeDischarge", "-0,3", kGreek, Q::total_discharge, K::implausible, -0.3,
                 kNone},
        TextCase{"RiserBeyondTheStore", "102", kGreek, Q::last_riser, K::implausible, 102, kNone},
        TextCase{"TooManyRisers", "120", kGreek, Q::risers, K::implausible, 120, kNone},
        TextCase{"NoRisers", "0", kGreek, Q::risers, K::implausible, 0, kNone},
        TextCase{"HalfARiserRoundsToNone", "0.4", kGreek, Q::risers, K::implausible, 0, kNone},
        // What reads as meant, what is empty and what cannot be read at all.
        TextCase{"DecimalCommaGreek", "0,105", kGreek, Q::total_discharge, kNone, 0, kNone},
        TextCase{"DecimalPointEnglish", "0.105", kEnglish, Q::total_discharge, kNone, 0, kNone},
        TextCase{"CountsReadThePointAsDecimal", "14.0", kGreek, Q::risers, kNone, 0, kNone},
        TextCase{"SeabedFallingGreek", "-2,5", kGreek, Q::elevation_step, kNone, 0, kNone},
        TextCase{"BlankBox", "  ", kGreek, Q::manning, kNone, 0, kNone},
        TextCase{"BlankCount", "", kGreek, Q::risers, kNone, 0, kNone},
        TextCase{"Unreadable", "0,1m3/s", kGreek, Q::total_discharge, kNone, 0, kNone}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// Only the rows that Solve reads count: rows 1..S, S the sections as Solve reads them.
TEST(NumberSlips, OnlyTheRowsOfTheSectionsCount) {
    DiffuserInput in = workedExample(kGreek);
    in.rows[5] = {"15", "16", "0.5", "8", "0,2", "0,1144"};
    EXPECT_TRUE(findNumberSlips(in, kGreek).empty());
    in.sections = "6";
    const std::vector<NumberFinding> findings = findNumberSlips(in, kGreek);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].row, 6);
    EXPECT_EQ(findings[0].quantity, InputQuantity::pipe_diameter);
    EXPECT_EQ(findings[0].kind, NumberFindingKind::grouping_slip);
}

// The worked example in its own format says nothing; typed with commas and read with a decimal
// point, every number with a decimal part is a slip, in the order of the boxes and the rows.
TEST(NumberSlips, TheWorkedExampleInTheOtherFormat) {
    EXPECT_TRUE(findNumberSlips(workedExample(kGreek), kGreek).empty());
    EXPECT_TRUE(findNumberSlips(workedExample(kEnglish), kEnglish).empty());

    const std::vector<NumberFinding> findings = findNumberSlips(workedExample(kGreek), kEnglish);
    // Δρ/ρ, Q, n, and the three cells with decimals (D, Δz, d) in each of the five rows.
    ASSERT_EQ(findings.size(), 3u + 5u * 3u);
    EXPECT_EQ(findings[0].quantity, InputQuantity::drho);
    EXPECT_DOUBLE_EQ(findings[0].value, 307);
    EXPECT_DOUBLE_EQ(*findings[0].alternative, 0.0307);
    EXPECT_EQ(findings[3].quantity, InputQuantity::pipe_diameter);
    EXPECT_EQ(findings[3].row, 1);
    EXPECT_EQ(findings.back().quantity, InputQuantity::riser_diameter);
    EXPECT_EQ(findings.back().row, 5);
    for (const NumberFinding& f : findings)
        EXPECT_EQ(f.kind, NumberFindingKind::grouping_slip) << f.text;
}

// Every quantity has one row of the table, in the order of InputQuantity, with sound bounds; the
// help pages' examples of the wrong order lie outside. (The catalogues' test words each row.)
TEST(PlausibleRanges, OneSoundRowPerQuantity) {
    for (std::size_t i = 0; i < kInputQuantityCount; ++i) {
        const PlausibleRange& range = plausibleRanges()[i];
        EXPECT_EQ(static_cast<std::size_t>(range.quantity), i);
        EXPECT_LT(range.lower, range.upper) << range.name;
    }
    EXPECT_GT(15, plausibleRange(InputQuantity::manning).upper);
    EXPECT_GT(30, plausibleRange(InputQuantity::total_discharge).upper);
}

struct FormatCase {
    const char* name;
    DiffuserInput input;
    NumberLocale user;
    std::optional<std::string> meant;  // the decimal separator of the format meant
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

DiffuserInput recorded(DiffuserInput in, const char* separator) {
    in.decimal_separator = separator;
    return in;
}

DiffuserInput withManning(DiffuserInput in, const char* manning) {
    in.manning = manning;
    return in;
}

DiffuserInput withCell(DiffuserInput in, const char* spacing) {
    in.rows[1].spacing = spacing;
    return in;
}

class MeantFormat : public ::testing::TestWithParam<FormatCase> {};

// A problem without a recorded format is taken in the other one only when every number reads
// sensibly there and some do not in the user's.
TEST_P(MeantFormat, IsTheOtherOnlyWhenItAloneReadsSensibly) {
    const FormatCase& c = GetParam();
    const std::optional<NumberLocale> meant = meantNumberLocale(c.input, c.user);
    ASSERT_EQ(meant.has_value(), c.meant.has_value());
    if (meant) {
        EXPECT_EQ(meant->decimal_separator, *c.meant);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Problems, MeantFormat,
    ::testing::Values(
        FormatCase{"PointsOnAGreekSystem", workedExample(kEnglish), kGreek, "."},
        FormatCase{"CommasOnAnEnglishSystem", workedExample(kGreek), kEnglish, ","},
        FormatCase{"CommasOnAGreekSystem", workedExample(kGreek), kGreek, kNone},
        FormatCase{"RecordedFormatStands", recorded(workedExample(kEnglish), ","), kGreek, kNone},
        FormatCase{"WrongEitherWay", withManning(workedExample(kEnglish), "15"), kGreek, kNone},
        FormatCase{"MixedSeparators", withCell(workedExample(kEnglish), "8,5"), kGreek, kNone},
        FormatCase{"WholeNumbersReadAlike",
                   [] {
                       DiffuserInput in = workedExample(kEnglish);
                       in.drho = "";
                       in.total_discharge = "";
                       in.manning = "";
                       for (SectionRow& row : in.rows)
                           row = {row.first_riser, row.last_riser, "", "", "", ""};
                       return in;
                   }(),
                   kGreek, kNone}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace thalmuro
