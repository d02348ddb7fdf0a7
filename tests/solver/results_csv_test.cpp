#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <string>
#include <vector>

#include "fixtures.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The header texts a host gives: the engine writes them as they are.
const ResultsCsvHeader kHeader{
    "riser", "E (m)", "Cd", "pipe velocity (m/s)", "riser velocity (m/s)", "discharge (m³/s)",
    "Froude"};

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size()) {
        parts.push_back(text.substr(from, at - from));
    }
    parts.push_back(text.substr(from));
    return parts;
}

// A field read back as a spreadsheet would: the regional decimal separator as the point.
double readBack(std::string field, const NumberLocale& locale) {
    const std::size_t at = field.find(locale.decimal_separator);
    if (at != std::string::npos) field.replace(at, locale.decimal_separator.size(), ".");
    double value = std::numeric_limits<double>::quiet_NaN();
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    EXPECT_EQ(result.ptr, field.data() + field.size()) << field;
    return value;
}

struct CsvFormat {
    const char* name;
    NumberLocale locale;
    const char* separator;
};

class ResultsCsv : public ::testing::TestWithParam<CsvFormat> {};

// Every riser 1..N of the worked example, each column holding the store's double to the last
// bit, under a header with the units.
TEST_P(ResultsCsv, ReadsBackAsTheStore) {
    const CsvFormat& format = GetParam();
    const DiffuserResults& results = testing::workedResults();
    const std::string csv = resultsCsv(results, format.locale, kHeader);
    ASSERT_EQ(csv.rfind(kByteOrderMark, 0), 0u);
    std::vector<std::string> lines = split(csv.substr(3), "\r\n");
    ASSERT_EQ(lines.back(), "");
    lines.pop_back();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(split(lines[0], format.separator),
              (std::vector<std::string>{"riser", "E (m)", "Cd", "pipe velocity (m/s)",
                                        "riser velocity (m/s)", "discharge (m³/s)", "Froude"}));
    const RiserArray DiffuserResults::*columns[] = {
        &DiffuserResults::specific_energy, &DiffuserResults::cd,      &DiffuserResults::v_diffuser,
        &DiffuserResults::v_riser,         &DiffuserResults::q_riser, &DiffuserResults::froude};
    for (int riser = 1; riser <= 14; ++riser) {
        SCOPED_TRACE(lines[static_cast<std::size_t>(riser)]);
        const std::vector<std::string> fields =
            split(lines[static_cast<std::size_t>(riser)], format.separator);
        ASSERT_EQ(fields.size(), 7u);
        EXPECT_EQ(fields[0], std::to_string(riser));
        for (std::size_t c = 0; c < 6; ++c) {
            EXPECT_EQ(readBack(fields[c + 1], format.locale),
                      (results.*columns[c])[static_cast<std::size_t>(riser - 1)]);
        }
    }
}

// Values that are hard to write: the exact text of a small store.
TEST_P(ResultsCsv, WritesEveryDoubleExactly) {
    const CsvFormat& format = GetParam();
    DiffuserResults results;
    results.n_risers = 2;
    results.specific_energy[0] = 0.1 + 0.2;
    results.cd[0] = 1e-05;
    results.v_diffuser[0] = -0.0;
    results.v_riser[0] = 1.5e300;
    results.q_riser[0] = std::numeric_limits<double>::denorm_min();
    results.froude[0] = std::numeric_limits<double>::infinity();
    results.specific_energy[1] = 12.0;
    results.froude[1] = std::numeric_limits<double>::quiet_NaN();
    // Written with "|" for the field separator and "," for the decimal separator.
    std::string expected =
        "riser|E (m)|Cd|pipe velocity (m/s)|riser velocity (m/s)|discharge (m³/s)|Froude\r\n"
        "1|0,30000000000000004|1E-05|-0|1,5E+300|5E-324|\r\n"
        "2|12|0|0|0|0|\r\n";
    for (char& c : expected) {
        if (c == ',') c = format.locale.decimal_separator[0];
        if (c == '|') c = format.separator[0];
    }
    expected.insert(0, kByteOrderMark);
    EXPECT_EQ(resultsCsv(results, format.locale, kHeader), expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, ResultsCsv,
                         ::testing::Values(CsvFormat{"Greek", NumberLocale::greek(), ";"},
                                           CsvFormat{"English", NumberLocale::english(), ","}),
                         [](const ::testing::TestParamInfo<CsvFormat>& info) {
                             return std::string(info.param.name);
                         });

// A store whose N is no riser count holds no solution: the header alone.
TEST(ResultsCsvRisers, NoRowsOutsideOneToOneHundredAndOne) {
    for (const std::int16_t n : {0, -1, 102}) {
        DiffuserResults results = testing::workedResults();
        results.n_risers = n;
        EXPECT_EQ(resultsCsv(results, NumberLocale::english(), kHeader),
                  "\xEF\xBB\xBFriser,E (m),Cd,pipe velocity (m/s),riser velocity (m/s),"
                  "discharge (m³/s),Froude\r\n")
            << n;
    }
}

}  // namespace
}  // namespace thalmuro
