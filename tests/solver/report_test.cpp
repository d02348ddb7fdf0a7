#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "process_locale.h"
#include "thalmuro/engine.h"
#include "windows1253_text.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("thalmuro-report-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Solves `in`, writes the report as the hosts do and returns the bytes of the file.
    std::string report(DiffuserInput in, const NumberLocale& locale, SolveOutcome* out = nullptr) {
        const fs::path file = dir_ / fs::u8path("Δοκιμή1.txt");
        SharedState state;
        SolveOutcome outcome = Solve(in, state, locale);
        EXPECT_FALSE(writeReport(file.u8string(), outcome.report));
        const std::string bytes = readBytes(file);
        EXPECT_EQ(bytes, outcome.report.bytes.value_or(""));
        if (out != nullptr) *out = std::move(outcome);
        return bytes;
    }

    fs::path dir_;
};

// Report bytes as UTF-8, for failure messages.
std::string fromWindows1253(const std::string& bytes) {
    std::string text;
    for (const char byte : bytes)
        text += testing::utf8OfWindows1253(static_cast<unsigned char>(byte)).value_or("?");
    return text;
}

// Compares with a golden file, reporting the first line that differs. With
// THALMURO_UPDATE_GOLDEN set the golden file is written instead.
void expectGolden(const std::string& actual, const std::string& goldenName) {
    const fs::path golden = fs::path(THALMURO_TEST_DATA) / goldenName;
    if (std::getenv("THALMURO_UPDATE_GOLDEN") != nullptr) {
        writeBytes(golden, actual);
        return;
    }
    const std::string expected = readBytes(golden);
    if (actual == expected) return;
    std::istringstream a(actual);
    std::istringstream e(expected);
    std::string lineA;
    std::string lineE;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreE = static_cast<bool>(std::getline(e, lineE));
        if (!moreA && !moreE) break;
        if (moreA != moreE || lineA != lineE) {
            ADD_FAILURE() << goldenName << " differs first at line " << line
                          << ":\n  expected: " << (moreE ? fromWindows1253(lineE) : "<end of file>")
                          << "\n  actual:   " << (moreA ? fromWindows1253(lineA) : "<end of file>");
            return;
        }
    }
    ADD_FAILURE() << goldenName << " differs only in its final line end";
}

bool contains(const std::string& bytes, const std::string& utf8) {
    return bytes.find(*encodeWindows1253(utf8)) != std::string::npos;
}

TEST_F(ReportTest, WorkedExampleMatchesTheGoldenReports) {
    for (const auto& [locale, golden] :
         {std::pair{NumberLocale::greek(), "cases/worked_example_el.txt"},
          std::pair{NumberLocale::english(), "cases/worked_example_en.txt"}}) {
        DiffuserInput in = workedExample(locale);
        in.flow_mode = FlowMode::standard;
        expectGolden(report(in, locale), golden);
    }
}

// A GUI toolkit switches the process to the user's locale, where the C library writes and reads
// a decimal comma; the report must not change.
TEST_F(ReportTest, TheProcessLocaleDoesNotChangeTheReport) {
    if (!testing::useDecimalCommaLocale()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    DiffuserInput in = workedExample(NumberLocale::english());
    in.flow_mode = FlowMode::standard;
    const std::string bytes = report(in, NumberLocale::english());
    std::setlocale(LC_ALL, "C");
    expectGolden(bytes, "cases/worked_example_en.txt");
}

TEST_F(ReportTest, WorkedExampleLinesAnEngineerReads) {
    const std::string greek = report(workedExample(NumberLocale::greek()), NumberLocale::greek());
    for (const char* line : {
             "\r\n Αριθμός Ανυψωτήρων =  14 \r\n",
             "\r\n       Δρ/ρ         = 0,0307\r\n",
             "\r\n Τύπος Συναρμογής     Sharp\r\n",
             "\r\n Ολική Παροχή    =  0,3528  m^3/s\r\n",
             "\r\nΤΜΗΜΑ Νο 1 \r\nΠεριλαμβάνει τους ανυψωτήρες: 1 έως και 2\r\n",
             "\r\nΣυντελεστής τριβών  F= 0,01881\r\n",
             " Η διάμετρος  του τμήματος είναι: d =0,2906m\r\n",
             " Η διάμετρος των ανυψωτήρων του τμήματος είναι: d = 0,1144 m\r\n",
             "\r\n 1                     0,70903m      0,62457     0,36096m/s     2,32914m/s     "
             "0,02394m^3/s     12,55003\r\n",
             "έιναι Q = 0,3528 m^3/s\r\n",
             "\r\n Η παράμετρος x ( x= (Qcalc *Ανυψωτήρες) /q) = 0,950\r\n",
             "\r\n Δηλαδή έχουμε σφάλμα  e= 7,1 %\r\n",
         }) {
        EXPECT_TRUE(contains(greek, line)) << line;
    }
    // Every riser's Froude number exceeds 10: the list names all 14 and has no line end.
    const std::string list =
        *encodeWindows1253("ανυψωτήρες: \r\n 1  2  3  4  5  6  7  8  9  10  11  12  13  14 ");
    EXPECT_EQ(greek.substr(greek.size() - list.size()), list);

    const std::string english =
        report(workedExample(NumberLocale::english()), NumberLocale::english());
    EXPECT_TRUE(contains(english, "\r\nΣυντελεστής τριβών  F= 0.01881\r\n"));
    EXPECT_TRUE(contains(english, "\r\n Δηλαδή έχουμε σφάλμα  e= 7.1 %\r\n"));
}

TEST_F(ReportTest, FittingNoFroudeRiserAndLinesThatCannotBeWritten) {
    DiffuserInput in = workedExample(NumberLocale::greek());
    in.fitting = FittingType::Bell;
    in.drho = "3";  // a heavy effluent: every Froude number far below 10
    const std::string bell = report(in, NumberLocale::greek());
    EXPECT_TRUE(contains(bell, "\r\n Τύπος Συναρμογής     Bell\r\n"));
    const std::string notice = *encodeWindows1253(
        " Ο πυκνομετρικός αριθμός FROYDE βρέθηκε μεγαλύτερος του 10 στους εξής "
        "ανυψωτήρες: \r\n");
    EXPECT_EQ(bell.substr(bell.size() - notice.size()), notice);

    // Without risers qcalc is zero and the error cannot be computed; with Q = 0 the ratio x
    // cannot. Each line is left out alone and the rest is written. (With Q = 0 the error is
    // 1, printed through the pattern's trailing 1 as 100,1 %.)
    in.drho = "0,0307";
    in.risers = "0";
    const std::string noRisers = report(in, NumberLocale::greek());
    EXPECT_TRUE(contains(noRisers,
                         "Qcalc =0,00001m^3/s .Ενώ η αρχική έιναι Q = 0,3528 m^3/s\r\n"
                         " Η παράμετρος x ( x= (Qcalc *Ανυψωτήρες) /q) = 0,000\r\n Ο "));
    EXPECT_FALSE(contains(noRisers, "σφάλμα"));
    EXPECT_TRUE(contains(noRisers, "ανυψωτήρες: \r\n"));

    in.risers = "14";
    in.total_discharge = "0";
    const std::string noDischarge = report(in, NumberLocale::greek());
    EXPECT_FALSE(contains(noDischarge, "Η παράμετρος x"));
    EXPECT_TRUE(contains(noDischarge, "έιναι Q = 0 m^3/s\r\n Δηλαδή έχουμε σφάλμα  e= 100,1 %"));
}

TEST_F(ReportTest, SectionsAndRisersBeyondTheTables) {
    DiffuserInput in = workedExample(NumberLocale::greek());
    in.sections = "31";
    in.risers = "102";
    SolveOutcome out;
    const std::string bytes = report(in, NumberLocale::greek(), &out);
    // Section 31 has no row: only its heading and separator are written.
    EXPECT_TRUE(contains(bytes, "\r\nΤΜΗΜΑ Νο 31 \r\n" + std::string(92, '^') + "\r\n"));
    // Riser 102 has no stored results: its row is left out, its separator written.
    const std::string sep = std::string(85, '_') + "\r\n";
    EXPECT_TRUE(contains(bytes, "\r\n 101 "));
    EXPECT_FALSE(contains(bytes, "\r\n 102 "));
    EXPECT_TRUE(contains(bytes, sep + sep));
}

TEST_F(ReportTest, WriteOutcomes) {
    SharedState state;
    const SolveOutcome out =
        Solve(workedExample(NumberLocale::greek()), state, NumberLocale::greek());
    struct Case {
        const char* name;
        fs::path path;
        std::errc error;
    };
    const Case cases[] = {
        {"folder that does not exist", dir_ / "missing" / "r.txt",
         std::errc::no_such_file_or_directory},
        {"a folder, not a file", dir_, std::errc::is_a_directory},
        {"plain file", dir_ / "r.txt", std::errc()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::error_code error = writeReport(c.path.string(), out.report);
        if (c.error == std::errc()) {
            EXPECT_FALSE(error) << error.message();
        } else {
            EXPECT_TRUE(error == c.error) << error.message();
        }
    }
    EXPECT_EQ(readBytes(dir_ / "r.txt"), *out.report.bytes);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));

    // A report without bytes (no converter) is refused, and nothing is written.
    EXPECT_TRUE(
        writeReport((dir_ / "none.txt").string(), Report{out.report.text, std::nullopt, {}}) ==
        EngineError::no_converter);
    EXPECT_FALSE(fs::exists(dir_ / "none.txt"));
}

// The lines of a report's text.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// The figures of a line in order: its runs of digits with their signs and separators.
std::vector<std::string> figuresOf(const std::string& line) {
    static const std::regex figure("-?[0-9][0-9.,]*");
    return {std::sregex_token_iterator(line.begin(), line.end(), figure),
            std::sregex_token_iterator()};
}

// The English text is the report line for line: the same figures in the same order, the lines
// left out of one left out of the other, and nothing Greek but the symbol Δρ/ρ.
TEST(EnglishReport, SameLinesAndFiguresAsTheReportFile) {
    struct Case {
        const char* name;
        DiffuserInput input;
        NumberLocale locale;
    };
    DiffuserInput beyondTheTables = workedExample(NumberLocale::greek());
    beyondTheTables.sections = "31";
    beyondTheTables.risers = "102";
    DiffuserInput noRisers = workedExample(NumberLocale::greek());
    noRisers.risers = "0";
    const Case cases[] = {
        {"worked example, decimal comma", workedExample(NumberLocale::greek()),
         NumberLocale::greek()},
        {"worked example, decimal point", workedExample(NumberLocale::english()),
         NumberLocale::english()},
        {"sections and risers beyond the tables", beyondTheTables, NumberLocale::greek()},
        {"no risers: the error line left out", noRisers, NumberLocale::greek()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        const Report report = Solve(c.input, state, c.locale).report;
        const std::vector<std::string> greek = linesOf(report.text);
        const std::vector<std::string> english = linesOf(report.english_text);
        ASSERT_EQ(english.size(), greek.size());
        for (std::size_t i = 0; i < greek.size(); ++i) {
            SCOPED_TRACE(english[i]);
            EXPECT_EQ(figuresOf(english[i]), figuresOf(greek[i]));
            std::string words = english[i];
            if (const std::size_t symbol = words.find("Δρ/ρ"); symbol != std::string::npos)
                words.erase(symbol, std::string("Δρ/ρ").size());
            EXPECT_TRUE(std::all_of(words.begin(), words.end(),
                                    [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }));
        }
    }
}

// The worked example's English lines as an outfall engineer reads them, and the riser table's
// headings each starting over the first figure of its column.
TEST(EnglishReport, WorkedExampleLinesAndColumns) {
    SharedState state;
    const std::string english =
        Solve(workedExample(NumberLocale::greek()), state, NumberLocale::greek())
            .report.english_text;
    for (const char* line : {
             "CALCULATION RESULTS \r\n",
             "\r\n Number of risers   =  14 \r\n",
             "\r\n       Δρ/ρ         = 0,0307\r\n",
             "\r\n Number of sections =  5 \r\n",
             "\r\n Fitting type         Sharp\r\n",
             "\r\n Manning number     = 0,01\r\n",
             "\r\n Total discharge    =  0,3528  m^3/s\r\n",
             "\r\nSECTION 1 \r\nRisers of the section: 1 to 2\r\nFriction factor  F= 0,01881\r\n",
             "\r\n Riser spacing in the section:  L= 8 m\r\n",
             "\r\n Pipe diameter of the section: d =0,2906m\r\n",
             "\r\n Riser diameter of the section: d = 0,1144 m\r\n",
             "\r\n RESULTS FOR EACH RISER \r\n",
             "\r\n 1                     0,70903m      0,62457     0,36096m/s     2,32914m/s     "
             "0,02394m^3/s     12,55003\r\n",
             "\r\nREMARKS ON THE CALCULATION\r\n",
             "Qcalc =0,37911m^3/s, while the given total discharge is Q = 0,3528 m^3/s\r\n",
             "\r\n The parameter x ( x= (Qcalc *risers) /q) = 0,950\r\n",
             "\r\n That is, an error of  e= 7,1 %\r\n",
         }) {
        EXPECT_NE(english.find(line), std::string::npos) << line;
    }
    const std::string list =
        "greater than 10 at the following risers: \r\n"
        " 1  2  3  4  5  6  7  8  9  10  11  12  13  14 ";
    EXPECT_EQ(english.substr(english.size() - list.size()), list);

    const std::vector<std::string> lines = linesOf(english);
    const auto firstRow = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind(" 1 ", 0) == 0;
    });
    ASSERT_NE(firstRow, lines.end());
    ASSERT_GE(firstRow - lines.begin(), 3);
    const std::string& row = *firstRow;
    for (const std::string& headings : {firstRow[-3], firstRow[-2]}) {
        SCOPED_TRACE(headings);
        // Past the riser number, where each figure of the row starts.
        for (std::size_t column = 4; column < row.size(); ++column) {
            if (row[column - 1] != ' ' || row[column] == ' ') continue;
            ASSERT_LT(column, headings.size());
            EXPECT_TRUE(headings[column - 1] == ' ' && headings[column] != ' ')
                << "no heading starts at column " << column;
        }
    }
}

TEST(Windows1253, GreekBytesAndCharactersTheCodePageLacks) {
    EXPECT_EQ(*encodeWindows1253("Δρ/ρ ά"), "\xC4\xF1/\xF1 \xDC");
    EXPECT_EQ(*encodeWindows1253("a漢b"), "a?b");
    EXPECT_EQ(*encodeWindows1253("a\xFF"
                                 "b\xCE"),
              "a?b?");
    EXPECT_EQ(*encodeWindows1253("€"), "\x80");
}

}  // namespace
}  // namespace thalmuro
