// thalmuro-cli as a user runs it: the built program in a scratch folder, its exit status, its
// two output streams and the report it leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include <nlohmann/json.hpp>

#include "child_process.h"
#include "cli_fixtures.h"
#include "cli_process.h"
#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

const std::string kDataDir = THALMURO_TEST_DATA;

// The same, recording the decimal separator it was typed with, as the desktop program saves it.
DiffuserInput recordedFormat(DiffuserInput in, const NumberLocale& locale) {
    in.decimal_separator = locale.decimal_separator;
    return in;
}

DiffuserInput withModes(DiffuserInput in, FlowMode mode, FittingType fitting) {
    in.flow_mode = mode;
    in.fitting = fitting;
    return in;
}

struct RoundTrip {
    std::string name;
    std::string dataFile;  // a file of tests/data; empty: a file written from `input`
    DiffuserInput input;
    std::optional<std::string> ratio;
    std::vector<std::string> options;
    LocaleEnv env;
    NumberLocale locale;  // the number format the run should use
    bool warns;           // whether some step is skipped
};

void PrintTo(const RoundTrip& c, std::ostream* out) {
    *out << c.name;
}

class CliRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(CliRoundTrip, WritesTheReportSolveWrites) {
    const RoundTrip& c = GetParam();
    // Without --locale the format comes from the file or from the user's regional settings,
    // which the cases give through the locale variables.
    if (c.options.empty() && !testing::posixFeatureMissing().empty()) {
        GTEST_SKIP() << "the locale variables LC_ALL, LC_NUMERIC and LANG: "
                     << testing::posixFeatureMissing();
    }
    const ScratchDir dir;
    const Expected expected = solveDirectly(c.input, c.ratio, c.locale, dir);
    ASSERT_FALSE(expected.report.empty());
    EXPECT_EQ(!expected.warnings.empty(), c.warns) << expected.warnings;
    // The case tells the run's number format from the other one: the problem's numbers read
    // differently in the two (in one pass of the march, so that a huge misread Q stays cheap).
    DiffuserInput onePass = c.input;
    onePass.flow_mode = FlowMode::standard;
    const NumberLocale& other = c.locale.decimal_separator == "," ? kEnglish : kGreek;
    ASSERT_NE(solveDirectly(onePass, c.ratio, other, dir).report,
              solveDirectly(onePass, c.ratio, c.locale, dir).report);

    std::string problem = kDataDir + "/" + c.dataFile;
    if (c.dataFile.empty()) {
        problem = (dir / "problem.json").string();
        writeBytes(problem, problemJson(c.input, c.ratio));
    }
    const std::string report = (dir / "Δοκιμή 1.txt").u8string();
    std::vector<std::string> args = c.options;
    args.push_back(problem);
    args.push_back(report);
    const CliRun run = runCli(dir, args, c.env);

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    // The numbers that may not read as meant come first, one warning each, then the causes of
    // the skipped steps.
    std::size_t at = 0;
    for (const NumberFinding& finding : findNumberSlips(c.input, c.locale)) {
        const std::size_t end = run.err.find('\n', at);
        ASSERT_NE(end, std::string::npos) << run.err;
        const std::string line = run.err.substr(at, end - at);
        EXPECT_EQ(line.rfind("thalmuro-cli: warning: ", 0), 0u) << line;
        EXPECT_NE(line.find("\"" + finding.text + "\" reads "), std::string::npos) << line;
        at = end + 1;
    }
    EXPECT_EQ(run.err.substr(at), expected.warnings);
    EXPECT_TRUE(readBytes(fs::u8path(report)) == expected.report) << "the reports differ";
}

INSTANTIATE_TEST_SUITE_P(
    Problems, CliRoundTrip,
    ::testing::Values(RoundTrip{"GreekWorkedExample",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {"--locale", "el_GR"},
                                {},
                                kGreek,
                                false},
                      RoundTrip{"EnglishWorkedExample",
                                "cases/worked_example_en.json",
                                workedExampleFile(NumberLocale::english()),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"GreekFileReadInEnglish",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"CLocale",
                                "cases/worked_example_en.json",
                                workedExampleFile(NumberLocale::english()),
                                {},
                                {"--locale", "C"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"UserRatioBell",
                                "",
                                withModes(workedExampleFile(NumberLocale::greek()), FlowMode::user,
                                          FittingType::Bell),
                                "0,85",
                                {"--locale", "el_GR"},
                                {},
                                kGreek,
                                false},
                      RoundTrip{"UserRatioCancelled",
                                "",
                                withModes(workedExampleFile(NumberLocale::greek()), FlowMode::user,
                                          FittingType::Sharp),
                                std::nullopt,
                                {"--locale", "el_GR.UTF-8"},
                                {},
                                kGreek,
                                true},
                      RoundTrip{"Optimised",
                                "",
                                withModes(workedExampleFile(NumberLocale::english()),
                                          FlowMode::optimised, FittingType::Bell),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      // Any other name is the system's: its locale data gives the format
                      // (the tests' machines have de_DE).
                      RoundTrip{"NameOfTheSystem",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {"--locale", "de_DE"},
                                {},
                                NumberLocale{",", "."},
                                false},
                      // Without --locale the run follows the regional settings: LC_ALL, then
                      // LC_NUMERIC, then LANG, and the C locale when none is set.
                      RoundTrip{"DefaultFromLcAll",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {},
                                {{"LC_ALL", "el_GR.UTF-8"}, {"LC_NUMERIC", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultLcAllOverLcNumeric",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {},
                                {{"LC_ALL", "en_US.UTF-8"}, {"LC_NUMERIC", "el_GR.UTF-8"}},
                                kEnglish,
                                false},
                      RoundTrip{"DefaultFromLcNumeric",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {},
                                {{"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultFromLang",
                                "cases/worked_example_el.json",
                                workedExampleFile(NumberLocale::greek()),
                                {},
                                {},
                                {{"LANG", "el_GR.UTF-8"}},
                                kGreek,
                                false},
                      // A file that records its decimal separator is read in that format
                      // whatever the regional settings; --locale still wins.
                      RoundTrip{"RecordedCommasOnAnEnglishSystem",
                                "",
                                recordedFormat(workedExampleFile(NumberLocale::greek()), kGreek),
                                {},
                                {},
                                {{"LANG", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"RecordedPointsOnAGreekSystem",
                                "",
                                recordedFormat(withModes(workedExampleFile(kEnglish),
                                                         FlowMode::optimised, FittingType::Bell),
                                               kEnglish),
                                {},
                                {},
                                {{"LC_ALL", "el_GR.UTF-8"}, {"LANG", "el_GR.UTF-8"}},
                                kEnglish,
                                false},
                      RoundTrip{"LocaleOptionOverTheRecordedFormat",
                                "",
                                recordedFormat(workedExampleFile(kEnglish), kGreek),
                                {},
                                {"--locale", "en_US"},
                                {{"LANG", "el_GR.UTF-8"}},
                                kEnglish,
                                false},
                      RoundTrip{"DefaultWithoutSettings",
                                "cases/worked_example_en.json",
                                workedExampleFile(NumberLocale::english()),
                                {},
                                {},
                                {},
                                kEnglish,
                                false}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return info.param.name; });

TEST(Cli, WritesTheGoldenReportsOfTheWorkedExample) {
    struct Golden {
        std::string locale;
        std::string problem;
        std::string report;
    };
    const Golden goldens[] = {
        {"el_GR", "cases/worked_example_el.json", "cases/worked_example_el.txt"},
        {"en_US", "cases/worked_example_en.json", "cases/worked_example_en.txt"}};
    for (const Golden& g : goldens) {
        SCOPED_TRACE(g.report);
        const fs::path golden = fs::path(kDataDir) / g.report;
        if (!fs::is_regular_file(golden)) {
            ADD_FAILURE() << "the golden report " << golden << " is missing";
            continue;
        }
        const ScratchDir dir;
        const fs::path report = dir / "report.txt";
        const CliRun run =
            runCli(dir, {"--locale", g.locale, kDataDir + "/" + g.problem, report.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(readBytes(report) == readBytes(golden)) << "the report differs from " << golden;
    }
}

// A text typed into the worked example, in a regional format: the warning it gives, or none.
struct NumberCase {
    std::string name;
    std::string text;
    InputQuantity quantity;  // a general box, or the column of row 1
    std::string locale;
    std::string warning;  // the first line of standard error; empty: no warning
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << c.name;
}

DiffuserInput withNumber(const NumberCase& c) {
    DiffuserInput in = workedExampleFile(c.locale == "el_GR" ? kGreek : kEnglish);
    if (c.quantity == InputQuantity::total_discharge) {
        in.total_discharge = c.text;
    } else {
        in.rows[0].*kRowCells[static_cast<std::size_t>(c.quantity) -
                              static_cast<std::size_t>(InputQuantity::first_riser)] = c.text;
    }
    return in;
}

class CliNumberWarnings : public ::testing::TestWithParam<NumberCase> {};

// The runner warns of a number that may not read as meant, in every mode, and goes on.
TEST_P(CliNumberWarnings, ComeFirstInEveryMode) {
    const NumberCase& c = GetParam();
    const ScratchDir dir;
    writeBytes(dir / "problem.json", problemText(withNumber(c)));
    const std::string expected = c.warning.empty() ? "" : "thalmuro-cli: warning: " + c.warning;
    for (const std::vector<std::string>& mode :
         {std::vector<std::string>{"problem.json", "r.txt"},
          std::vector<std::string>{"--checks", "problem.json"},
          std::vector<std::string>{"--conditions", "Q=1x", "problem.json"}}) {
        SCOPED_TRACE(mode.front());
        std::vector<std::string> args{"--locale", c.locale};
        args.insert(args.end(), mode.begin(), mode.end());
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string first = run.err.substr(0, run.err.find('\n'));
        if (c.warning.empty()) {
            EXPECT_EQ(first.find("\" reads "), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(first, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextsAndFormats, CliNumberWarnings,
    ::testing::Values(
        NumberCase{"LeadingZeroGroupGreek", "0.105", InputQuantity::total_discharge, "el_GR",
                   "total discharge Q (Text5): \"0.105\" reads 105 m^3/s, \".\" taken as a "
                   "thousands grouping where none stands, outside the plausible range 0,001 to "
                   "20 m^3/s; with \".\" as the decimal separator it would be 0,105 m^3/s"},
        NumberCase{"OneDigitGroupGreek", "1.5", InputQuantity::spacing, "el_GR",
                   "row 1, riser spacing: \"1.5\" reads 15 m, \".\" taken as a thousands "
                   "grouping where none stands; with \".\" as the decimal separator it would be "
                   "1,5 m"},
        NumberCase{"ThousandsGreek", "1.234", InputQuantity::total_discharge, "el_GR",
                   "total discharge Q (Text5): \"1.234\" reads 1234 m^3/s, outside the "
                   "plausible range 0,001 to 20 m^3/s; with \".\" as the decimal separator it "
                   "would be 1,234 m^3/s"},
        NumberCase{"LeadingZeroGroupEnglish", "0,2", InputQuantity::riser_diameter, "en_US",
                   "row 1, riser diameter d: \"0,2\" reads 2 m, \",\" taken as a thousands "
                   "grouping where none stands, outside the plausible range 0.02 to 1 m; with "
                   "\",\" as the decimal separator it would be 0.2 m"},
        NumberCase{"ThousandsEnglish", "2,000", InputQuantity::spacing, "en_US",
                   "row 1, riser spacing: \"2,000\" reads 2000 m, outside the plausible range "
                   "0.5 to 50 m; with \",\" as the decimal separator it would be 2 m"},
        NumberCase{"ThousandsWithDecimalsGreek", "1.234,5", InputQuantity::spacing, "el_GR",
                   "row 1, riser spacing: \"1.234,5\" reads 1234,5 m, outside the plausible "
                   "range 0,5 to 50 m"},
        NumberCase{"DecimalCommaGreek", "0,105", InputQuantity::total_discharge, "el_GR", ""},
        NumberCase{"DecimalPointEnglish", "0.2", InputQuantity::riser_diameter, "en_US", ""}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

// --format json gives the findings as data beside the checks.
TEST(Cli, ChecksAsJsonListTheNumberFindings) {
    const ScratchDir dir;
    DiffuserInput in = workedExampleFile(kGreek);
    in.total_discharge = "0.105";
    in.manning = "15";
    writeBytes(dir / "problem.json", problemText(in));
    const CliRun run =
        runCli(dir, {"--checks", "--format", "json", "--locale", "el_GR", "problem.json"});
    EXPECT_EQ(run.status, 0) << run.err;
    const nlohmann::json findings = nlohmann::json::parse(run.out)["number_findings"];
    ASSERT_EQ(findings.size(), 2u) << findings.dump();
    EXPECT_EQ(findings[0]["kind"], "grouping_slip");
    EXPECT_EQ(findings[0]["quantity"], "total_discharge");
    EXPECT_TRUE(findings[0]["row"].is_null());
    EXPECT_EQ(findings[0]["text"], "0.105");
    EXPECT_EQ(findings[0]["value"], 105.0);
    EXPECT_EQ(findings[0]["alternative"], 0.105);
    EXPECT_EQ(findings[0]["upper"], 20.0);
    EXPECT_EQ(findings[0]["unit"], "m^3/s");
    EXPECT_EQ(findings[1]["kind"], "implausible");
    EXPECT_EQ(findings[1]["quantity"], "manning");
    EXPECT_TRUE(findings[1]["alternative"].is_null());
    // The same lines as the warnings.
    for (const nlohmann::json& finding : findings) {
        EXPECT_NE(
            run.err.find("thalmuro-cli: warning: " + finding["message"].get<std::string>() + "\n"),
            std::string::npos)
            << run.err;
    }
}

// A run that fails: its exit status, what it says, and that it leaves no report behind.
struct Failure {
    std::string name;
    std::string problem;            // written to problem.json when not empty
    std::vector<std::string> args;  // "$D" stands for the scratch folder
    int status;
    std::vector<std::string> says;  // parts of standard error
};

void PrintTo(const Failure& c, std::ostream* out) {
    *out << c.name;
}

class CliFailure : public ::testing::TestWithParam<Failure> {};

const std::vector<std::string> kGreekOption{"--language", "el"};

TEST_P(CliFailure, ExitsWithTheReason) {
    const Failure& c = GetParam();
    const ScratchDir dir;
    std::vector<std::string> expectedEntries;
    if (!c.problem.empty()) {
        writeBytes(dir / "problem.json", c.problem);
        expectedEntries.push_back("problem.json");
    }
    std::vector<std::string> args;
    for (std::string arg : c.args) {
        if (arg.rfind("$D", 0) == 0) arg.replace(0, 2, dir.path().string());
        args.push_back(arg);
    }
    const CliRun run = runCli(dir, args);

    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("thalmuro-cli: ", 0), 0u) << run.err;
    for (std::string part : c.says) {
        if (part.rfind("$D", 0) == 0) part.replace(0, 2, dir.path().string());
        EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
    }
    const bool greek = std::search(c.args.begin(), c.args.end(), kGreekOption.begin(),
                                   kGreekOption.end()) != c.args.end();
    if (c.status == 1) {
        // One line; in Greek a problem file's fault adds the English line naming the place.
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'),
                  greek && c.says.front().find('\n') != std::string::npos ? 2 : 1)
            << run.err;
    } else {
        EXPECT_NE(run.err.find(greek ? "χρήση: thalmuro-cli [--language el|en] [--locale ΟΝΟΜΑ]"
                                     : "usage: thalmuro-cli [--language el|en] [--locale NAME] "
                                       "[--max-passes N] PROBLEM.json REPORT.txt"),
                  std::string::npos)
            << run.err;
    }
    EXPECT_EQ(dir.entries(), expectedEntries);
}

const std::string kNoSuchFile = std::generic_category().message(ENOENT);

INSTANTIATE_TEST_SUITE_P(
    Runs, CliFailure,
    ::testing::Values(
        Failure{"MissingProblem",
                "",
                {"$D/absent.json", "$D/r.txt"},
                1,
                {"$D/absent.json", kNoSuchFile}},
        Failure{"GreekMissingProblem",
                "",
                {"--language", "el", "$D/absent.json", "$D/r.txt"},
                1,
                {"thalmuro-cli: Το αρχείο δεν ήταν δυνατό να διαβαστεί\nthalmuro-cli: cannot open",
                 kNoSuchFile}},
        Failure{
            "GreekReportInNoFolder",
            kGoodProblem,
            {"--language", "el", "$D/problem.json", "$D/absent/r.txt"},
            1,
            {"thalmuro-cli: η αναφορά «", "/absent/r.txt» δεν γράφτηκε: ο φάκελος δεν υπάρχει\n"}},
        Failure{"GreekUsage",
                kGoodProblem,
                {"--format", "xml", "--checks", "$D/problem.json", "--language", "el"},
                2,
                {"thalmuro-cli: το --format δέχεται text ή json, όχι «xml»\n"}},
        Failure{"UnknownLanguage",
                kGoodProblem,
                {"--language", "de", "$D/problem.json", "$D/r.txt"},
                2,
                {"--language takes el or en, not \"de\""}},
        Failure{"LanguageWithoutName",
                kGoodProblem,
                {"$D/problem.json", "$D/r.txt", "--language"},
                2,
                {"--language needs el or en"}},
        Failure{"ProblemIsAFolder",
                "",
                {"$D", "$D/r.txt"},
                1,
                {std::generic_category().message(EISDIR)}},
        Failure{"MalformedJson",
                "{\"risers\": \"14\",}",
                {"$D/problem.json", "$D/r.txt"},
                1,
                {"$D/problem.json: invalid JSON at line 1"}},
        Failure{"UnknownKey",
                R"({"pipes": "3"})",
                {"$D/problem.json", "$D/r.txt"},
                1,
                {"unknown key \"pipes\""}},
        Failure{"NonStringValue",
                R"({"risers": 14})",
                {"$D/problem.json", "$D/r.txt"},
                1,
                {"key \"risers\" must be a string"}},
        Failure{"ReportInAMissingFolder",
                kGoodProblem,
                {"$D/problem.json", "$D/no/such/folder/r.txt"},
                1,
                {"$D/no/such/folder/r.txt", kNoSuchFile}},
        Failure{"NoArguments", "", {}, 2, {"missing file name"}},
        Failure{"OneFile", kGoodProblem, {"$D/problem.json"}, 2, {"missing file name"}},
        Failure{"ThreeFiles",
                kGoodProblem,
                {"$D/problem.json", "$D/r.txt", "$D/s.txt"},
                2,
                {"too many file names"}},
        Failure{"UnknownOption",
                kGoodProblem,
                {"--verbose", "$D/problem.json", "$D/r.txt"},
                2,
                {"unknown option --verbose"}},
        Failure{
            "EmptyReportName", kGoodProblem, {"$D/problem.json", ""}, 2, {"file name is empty"}},
        Failure{"LocaleWithoutName",
                kGoodProblem,
                {"$D/problem.json", "$D/r.txt", "--locale"},
                2,
                {"--locale needs a locale name"}},
        Failure{"UnknownLocale",
                kGoodProblem,
                {"--locale", "Greek", "$D/problem.json", "$D/r.txt"},
                2,
                {"unknown locale \"Greek\""}},
        Failure{"PassBoundWithoutNumber",
                kGoodProblem,
                {"$D/problem.json", "$D/r.txt", "--max-passes"},
                2,
                {"--max-passes needs a number of passes"}},
        Failure{"PassBoundZero",
                kGoodProblem,
                {"--max-passes", "0", "$D/problem.json", "$D/r.txt"},
                2,
                {"--max-passes takes a whole number from 1", "not \"0\""}},
        Failure{"PassBoundNotANumber",
                kGoodProblem,
                {"--max-passes", "1e6", "$D/problem.json", "$D/r.txt"},
                2,
                {"--max-passes takes a whole number from 1", "not \"1e6\""}},
        Failure{"ChecksWithAReport",
                kGoodProblem,
                {"--checks", "$D/problem.json", "$D/r.txt"},
                2,
                {"too many file names"}},
        Failure{"FormatWithoutChecks",
                kGoodProblem,
                {"--format", "json", "$D/problem.json", "$D/r.txt"},
                2,
                {"--format goes with --checks"}},
        Failure{"UnknownFormat",
                kGoodProblem,
                {"--checks", "--format", "xml", "$D/problem.json"},
                2,
                {"--format takes text or json, not \"xml\""}},
        Failure{"ChecksOfAMissingProblem",
                "",
                {"--checks", "$D/absent.json"},
                1,
                {"$D/absent.json", kNoSuchFile}},
        Failure{"ConditionsWithoutAList",
                kGoodProblem,
                {"$D/problem.json", "--conditions"},
                2,
                {"--conditions needs a list of conditions"}},
        Failure{"ConditionsNotPositive",
                kGoodProblem,
                {"--conditions", "Q=0.1,0;drho=0.02", "$D/problem.json"},
                2,
                {"thalmuro-cli: --conditions: Q item \"0\": Q must be positive, not 0\n"}},
        Failure{"TooManyConditions",
                kGoodProblem,
                {"--conditions", "Q=0.1..1/20000", "$D/problem.json"},
                2,
                {"--conditions: Q item \"0.1..1/20000\": more than 10000 values of Q\n"}},
        Failure{"UnreadableConditions",
                kGoodProblem,
                {"--conditions", "Q=0,1", "--locale", "el_GR", "$D/problem.json"},
                2,
                {"--conditions: Q item \"0\""}},
        Failure{"ConditionsWithChecks",
                kGoodProblem,
                {"--checks", "--conditions", "Q=1x", "$D/problem.json"},
                2,
                {"--checks and --conditions do not go together"}},
        Failure{"ConditionsWithAReport",
                kGoodProblem,
                {"--conditions", "Q=1x", "$D/problem.json", "$D/r.txt"},
                2,
                {"too many file names"}},
        Failure{"ConditionsOfAMissingProblem",
                "",
                {"--conditions", "Q=1x", "$D/absent.json"},
                1,
                {"$D/absent.json", kNoSuchFile}},
        Failure{"SizingOptionWithoutSizing",
                kGoodProblem,
                {"--tolerance", "3", "$D/problem.json", "$D/r.txt"},
                2,
                {"--tolerance goes with --size-risers"}},
        Failure{"SizingWithChecks",
                kGoodProblem,
                {"--size-risers", "--checks", "$D/problem.json"},
                2,
                {"--size-risers does not go with --checks or --conditions"}},
        Failure{"ToleranceOutOfRange",
                kGoodProblem,
                {"--size-risers", "--tolerance", "100", "$D/problem.json"},
                2,
                {"not \"100\""}},
        Failure{"UnreadableDiameter",
                kGoodProblem,
                {"--size-risers", "--diameters", "0.1,0,15", "$D/problem.json"},
                2,
                {"not \"0\""}},
        Failure{"TwoLowFlows",
                kGoodProblem,
                {"--size-risers", "--low-flow", "0.1,0.2", "$D/problem.json"},
                2,
                {"--low-flow names 2 conditions; it takes one"}},
        Failure{"DesignThatCannotBeSized",
                kGoodProblem,
                {"--size-risers", "--diameters", "5", "--locale", "en_US", "$D/problem.json"},
                1,
                {"the risers cannot be sized: no candidate diameter fits in the pipe of section "
                 "row 1 (D = 0.2906 m)\n"}},
        Failure{"EmptyLocale",
                kGoodProblem,
                {"--locale", "", "$D/problem.json", "$D/r.txt"},
                2,
                {"unknown locale \"\""}}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST(Cli, HelpGoesToStandardOutput) {
    const ScratchDir dir;
    const struct {
        std::vector<std::string> args;
        std::string usage;  // the first line
        std::vector<std::string> parts;
    } cases[] = {
        {{"--help"},
         "usage: thalmuro-cli [--language el|en] [--locale NAME] [--max-passes N] PROBLEM.json "
         "REPORT.txt\n",
         {"--locale NAME", "3 the balancing stopped at --max-passes",
          "\n       thalmuro-cli --checks [--format text|json] [--language el|en]",
          "\n       thalmuro-cli --conditions SPEC [--language el|en] [--locale NAME] "
          "[--max-passes N]\n                    PROBLEM.json\n",
          "Q=LIST and drho=LIST", "  --language NAME\n"}},
        {{"-h"}, "usage: thalmuro-cli ", {"--locale NAME"}},
        {{"--help", "a.json", "r.txt", "--bogus"}, "usage: thalmuro-cli ", {"--locale NAME"}},
        // In the language asked for, wherever on the line it is asked.
        {{"-h", "--language", "el"},
         "χρήση: thalmuro-cli [--language el|en] [--locale ΟΝΟΜΑ] [--max-passes Ν] "
         "ΠΡΟΒΛΗΜΑ.json ΑΝΑΦΟΡΑ.txt\n",
         {"3 η εξισορρόπηση σταμάτησε\nστο --max-passes", "Q=ΛΙΣΤΑ και\n"}},
        {{"--language", "en", "--help"}, "usage: thalmuro-cli ", {"--locale NAME"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        const CliRun run = runCli(dir, c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind(c.usage, 0), 0u) << run.out;
        for (const std::string& part : c.parts)
            EXPECT_NE(run.out.find(part), std::string::npos) << part;
        EXPECT_EQ(run.err, "");
    }
    EXPECT_TRUE(dir.entries().empty());
}

TEST(Cli, VersionGoesToStandardOutput) {
    const ScratchDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"},
          std::vector<std::string>{"a.json", "--version", "--bogus"}}) {
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "thalmuro-cli " THALMURO_VERSION "\n");
        EXPECT_EQ(run.err, "");
    }
    EXPECT_TRUE(dir.entries().empty());
}

// The optimised balancing stops at the pass bound with the report of the last pass run, as the
// window's stop button does, a warning and exit status 3.
TEST(Cli, BalancingStopsAtThePassBound) {
    DiffuserInput optimised = workedExampleFile(kGreek);
    optimised.flow_mode = FlowMode::optimised;  // balanced after 19 passes
    // Nonsense that would lower qc by 0.0001 for some 68 million passes.
    DiffuserInput nonsense = optimised;
    nonsense.risers = "-14";
    nonsense.total_discharge = "-1E5";

    // The report of a Solve stopped by its host after `passes` passes (none: not stopped).
    const auto stoppedAfter = [](const DiffuserInput& input, std::optional<long> passes) {
        struct Stop final : BalancingProgress {
            std::optional<long> after;
            bool keepBalancing(long run) override { return !after || run < *after; }
        } stop;
        stop.after = passes;
        SharedState state;
        return *Solve(input, state, kGreek, &stop).report.bytes;
    };
    struct Case {
        const char* name;
        DiffuserInput input;
        std::vector<std::string> options;
        int status;
        std::string warning;  // a part of the last warning; empty: no bound warning
        std::optional<long> passes;
    };
    const Case cases[] = {
        {"ten passes",
         optimised,
         {"--max-passes", "10"},
         3,
         "stopped at the bound of 10 passes: qc = ",
         10},
        {"one pass short", optimised, {"--max-passes", "18"}, 3, "bound of 18 passes", 18},
        {"just enough", optimised, {"--max-passes", "19"}, 0, "", std::nullopt},
        {"default bound",
         nonsense,
         {},
         3,
         "stopped at the bound of 1000000 passes: qc = 6685,71438551201 m³/s, the risers pass 0 "
         "m³/s against Q = -100000 m³/s",
         1000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScratchDir dir;
        writeBytes(dir / "problem.json", problemText(c.input));
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"--locale", "el_GR", "problem.json", "r.txt"});
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, c.status) << run.err;
        // Standard error is a file here, not a terminal: no progress lines.
        EXPECT_EQ(run.err.find("balancing, "), std::string::npos) << run.err;
        const std::size_t found = run.err.rfind("thalmuro-cli: warning: the balancing stopped");
        if (c.warning.empty()) {
            EXPECT_EQ(found, std::string::npos) << run.err;
        } else {
            EXPECT_NE(run.err.find(c.warning, found), std::string::npos) << run.err;
        }
        EXPECT_TRUE(readBytes(dir / "r.txt") == stoppedAfter(c.input, c.passes))
            << "not the report of the last pass";
    }
}

// The checks of a solved problem, as the engine gives them for the same Solve.
std::vector<CheckResult> checksDirectly(const DiffuserInput& input, const NumberLocale& locale) {
    SharedState state;
    const SolveOutcome outcome = Solve(input, state, locale);
    return checkDesign(input, state, outcome, locale);
}

// Text: one block per check in the table's order, in the language asked for, the values in the
// problem's number format; no report is written and nothing goes to standard error.
TEST(Cli, ChecksAsText) {
    const struct {
        Language language;
        std::vector<std::string> options;
        std::string rule, source, verdict, risers, values;  // the labels, lined up
    } cases[] = {
        {Language::english,
         {},
         "  rule:      ",
         "  source:    ",
         "  verdict:   ",
         "  risers:    ",
         "  values:    "},
        {Language::english,
         {"--language", "en"},
         "  rule:      ",
         "  source:    ",
         "  verdict:   ",
         "  risers:    ",
         "  values:    "},
        {Language::greek,
         {"--language", "el"},
         "  κανόνας:    ",
         "  πηγή:       ",
         "  κρίση:      ",
         "  ανυψωτήρες: ",
         "  τιμές:      "},
    };
    const std::vector<CheckResult> checks = checksDirectly(workedExampleFile(kGreek), kGreek);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const ScratchDir dir;
        writeBytes(dir / "problem.json", problemJson(workedExampleFile(kGreek), std::nullopt));
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"--checks", "--locale", "el_GR", "problem.json"});
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"problem.json"});

        std::size_t at = 0;
        for (const CheckResult& check : checks) {
            SCOPED_TRACE(nameOf(check.id));
            const std::size_t start = run.out.find(
                std::string(nameOf(check.id)) + ": " + checkTitle(check.id, c.language) + "\n", at);
            ASSERT_NE(start, std::string::npos) << run.out;
            const std::size_t end = run.out.find("\n\n", start);
            const std::string block =
                run.out.substr(start, end == std::string::npos ? end : end + 1 - start);
            EXPECT_NE(block.find(c.rule + checkRule(check.id, c.language, {}, kGreek) + "\n"),
                      std::string::npos)
                << block;
            EXPECT_NE(block.find(c.source + checkSource(check.id, c.language) + "\n"),
                      std::string::npos);
            EXPECT_NE(block.find(c.verdict + verdictInText(check.verdict, c.language) + "\n"),
                      std::string::npos);
            EXPECT_NE(block.find("  " + checkSummary(check, c.language, kGreek) + "\n"),
                      std::string::npos);
            at = start + 1;
        }
        EXPECT_NE(run.out.find(c.risers + "1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12; 13; 14\n"),
                  std::string::npos);
        EXPECT_NE(run.out.find(c.values + "0,0252; 0,02772; 0,02268; "), std::string::npos);
    }
}

// A bell-mouthed design at start-up flow: the text tells once, before the checks, which risers
// were left without a discharge, why in the hydraulics' terms and what to change, and marks the
// Froude checks as estimates; the cross-check names the risers, not the engine's steps.
TEST(Cli, ChecksAtStartUpFlowOfABellMouthDesign) {
    const ScratchDir dir;
    DiffuserInput in = workedExampleFile(kGreek);
    in.risers = "10";
    in.sections = "4";
    in.total_discharge = "0,01";
    in.fitting = FittingType::Bell;
    in.rows[4] = {};
    for (std::size_t s = 0; s < 4; ++s)
        in.rows[s].elevation_step = "0";
    writeBytes(dir / "problem.json", problemJson(in, std::nullopt));
    const CliRun run = runCli(dir, {"--checks", "--locale", "el_GR", "problem.json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("discharge_failure: the march could not compute the discharge of "
                            "risers 2 to 5\n  why:    the bell-mouth's discharge formula",
                            0),
              0u)
        << run.out;
    for (const char* part :
         {"a trial discharge of 0,0100 m^3/s; at riser 2 its velocity head in the pipe of "
          "D = 0,2906 m exceeds the specific energy E = 0,000471 m (X = 2,46). At this flow each "
          "riser's share Q/N = 0,00100 m^3/s",
          "\n  change: fewer risers or smaller riser diameters (more head for the same flow), or "
          "a higher flow\n\nfroude_min: ",
          "  verdict:   warning\n  basis:     estimate: each riser's share Q/N, without the "
          "march\n  values:    0,524228455108491; ",
          "\nuniformity: "}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(run.out.find("substitution"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  program:    not balanced after 1 marches: at qc = 0,001 m^3/s the "
                           "discharge of risers 2 to 5 could not be computed"),
              std::string::npos)
        << run.out;
}

// JSON: every field of every check, the numbers exactly as the engine computed them.
TEST(Cli, ChecksAsJson) {
    const ScratchDir dir;
    const DiffuserInput lowFlow = [] {
        DiffuserInput in = workedExampleFile(kEnglish);
        in.total_discharge = "0.0035";
        return in;
    }();
    writeBytes(dir / "problem.json", problemJson(lowFlow, std::nullopt));
    const CliRun run =
        runCli(dir, {"--checks", "--format", "json", "--locale", "en_US", "problem.json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"problem.json"});

    const std::vector<CheckResult> checks = checksDirectly(lowFlow, kEnglish);
    const nlohmann::json printed = nlohmann::json::parse(run.out)["checks"];
    ASSERT_EQ(printed.size(), checks.size());
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const CheckResult& check = checks[i];
        const ThresholdInfo& info = checkThresholds()[i];
        const nlohmann::json& p = printed[i];
        SCOPED_TRACE(info.name);
        EXPECT_EQ(check.id, info.id);
        EXPECT_EQ(p["name"], std::string(info.name));
        EXPECT_EQ(p["title"], checkTitle(check.id, Language::greek));
        EXPECT_EQ(p["rule"], checkRule(check.id, Language::english, {}, kEnglish));
        EXPECT_EQ(p["source"], checkSource(check.id, Language::english));
        EXPECT_EQ(p["unit"], std::string(info.unit));
        EXPECT_EQ(p["lower"].is_null(), !info.lower);
        EXPECT_EQ(p["upper"].is_null(), !info.upper);
        EXPECT_EQ(p["verdict"], std::string(nameOf(check.verdict)));
        EXPECT_EQ(p["basis"], std::string(nameOf(check.basis)));
        EXPECT_TRUE(p["discharge_failure"].is_null());
        EXPECT_EQ(p["values"].get<std::vector<double>>(), checkValues(check));
        EXPECT_EQ(p["risers"].get<std::vector<int>>(), check.risers);
        EXPECT_EQ(p["sections"].get<std::vector<int>>(), check.sections);
        EXPECT_EQ(p["summary"], checkSummary(check, Language::english, kEnglish));
    }
    EXPECT_EQ(printed[0]["verdict"], "warning");
    EXPECT_EQ(printed[0]["risers"], nlohmann::json::array({1}));
}

// After the checks, in both formats, the cross-check by the classical port formulation with the
// engine's figures: balanced for the worked example, why not when Q cannot be read.
TEST(Cli, ChecksEndWithTheCrossCheck) {
    const DiffuserInput unreadableQ = [] {
        DiffuserInput in = workedExampleFile(kGreek);
        in.total_discharge = "Q";
        return in;
    }();
    for (const DiffuserInput& input : {workedExampleFile(kGreek), unreadableQ}) {
        SCOPED_TRACE(input.total_discharge);
        const CrossCheck expected = crossCheck(input, kGreek);
        const ScratchDir dir;
        writeBytes(dir / "problem.json", problemJson(input, std::nullopt));

        const CliRun text = runCli(dir, {"--checks", "--locale", "el_GR", "problem.json"});
        EXPECT_EQ(text.status, 0) << text.err;
        const std::size_t start = text.out.find("\n\ncross_check: ");
        ASSERT_NE(start, std::string::npos) << text.out;
        EXPECT_LT(text.out.find("\nskipped_steps: "), start);
        const std::string block = text.out.substr(start + 2);
        EXPECT_NE(block.find("\n  verdict:    " +
                             verdictInText(expected.verdict, Language::english) + "\n"),
                  std::string::npos)
            << block;
        const std::string difference = expected.head_difference
                                           ? formatGeneral(*expected.head_difference, kGreek) + " %"
                                           : "-";
        EXPECT_NE(block.find("\n  difference: " + difference + "\n"), std::string::npos) << block;
        for (const auto& [label, march] :
             {std::pair{"program:    ", expected.program}, {"classical:  ", expected.classical}}) {
            const std::string line =
                march.balanced
                    ? "balanced in " + std::to_string(march.marches) + " marches: qc " +
                          formatGeneral(march.qc, kGreek) + " m³/s;"
                    : "not balanced after " + std::to_string(march.marches) +
                          " marches: " + wordMarchReason(march, Language::english, kGreek) + "\n";
            EXPECT_NE(block.find("\n  " + std::string(label) + line), std::string::npos) << block;
        }
        // The text writes the figures of its sentences in the problem's format too, the JSON
        // with a decimal point.
        const std::string summary = wordCrossCheckSummary(expected, Language::english, kGreek);
        EXPECT_EQ(block.substr(block.size() - summary.size() - 3), "  " + summary + "\n");

        const CliRun json =
            runCli(dir, {"--checks", "--format", "json", "--locale", "el_GR", "problem.json"});
        EXPECT_EQ(json.status, 0) << json.err;
        const nlohmann::json printed = nlohmann::json::parse(json.out)["cross_check"];
        EXPECT_EQ(printed["verdict"], std::string(nameOf(expected.verdict)));
        EXPECT_EQ(printed["upper"], kCrossCheckHeadLimit);
        EXPECT_EQ(printed["head_difference"].is_null(), !expected.head_difference);
        if (expected.head_difference) {
            EXPECT_EQ(printed["head_difference"].get<double>(), *expected.head_difference);
        }
        EXPECT_EQ(printed["summary"], wordCrossCheckSummary(expected, Language::english));
        for (const auto& [key, march] :
             {std::pair{"program", expected.program}, {"classical", expected.classical}}) {
            SCOPED_TRACE(key);
            const nlohmann::json& p = printed[key];
            EXPECT_EQ(p["balanced"], march.balanced);
            EXPECT_EQ(p["reason"].is_null(), march.balanced);
            if (!march.balanced) {
                EXPECT_EQ(p["reason"], wordMarchReason(march, Language::english));
            }
            EXPECT_EQ(p["qc"].get<double>(), march.qc);
            EXPECT_EQ(p["q_sum"].get<double>(), march.q_sum);
            EXPECT_EQ(p["landward_head"].get<double>(), march.landward_head);
            EXPECT_EQ(p["q_max"].get<double>(), march.q_max);
            EXPECT_EQ(p["riser_q_max"], march.riser_q_max);
            EXPECT_EQ(p["q_min"].get<double>(), march.q_min);
            EXPECT_EQ(p["riser_q_min"], march.riser_q_min);
            EXPECT_EQ(p["froude_min"].get<double>(), march.froude_min);
            EXPECT_EQ(p["riser_froude_min"], march.riser_froude_min);
            EXPECT_EQ(p["marches"], march.marches);
        }
    }
}

// Skipped steps are told one line per cause on standard error, whatever the run prints, and
// the JSON checks give the causes under their own key.
TEST(Cli, SkippedStepsAreToldByTheirCauses) {
    DiffuserInput faulty = workedExampleFile(kGreek);
    faulty.manning = "0,01x";
    faulty.rows[4].last_riser = "13";
    const std::string warnings =
        "thalmuro-cli: warning: Manning number (Text6) \"0,01x\": cannot be read; earlier values "
        "kept: the friction factor of sections 1 to 5\n"
        "thalmuro-cli: warning: section table: no row names riser 14 (N = 14 in Text1); earlier "
        "values kept: the figures of riser 14\n";
    const ScratchDir dir;
    writeBytes(dir / "problem.json", problemText(faulty));
    const std::vector<std::vector<std::string>> runs = {
        {"problem.json", "r.txt"},
        {"--checks", "problem.json"},
        {"--checks", "--format", "json", "problem.json"},
    };
    for (std::vector<std::string> args : runs) {
        SCOPED_TRACE(args.front());
        args.insert(args.begin(), {"--locale", "el_GR"});
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, warnings);
    }
    const CliRun json =
        runCli(dir, {"--locale", "el_GR", "--checks", "--format", "json", "problem.json"});
    const nlohmann::json printed = nlohmann::json::parse(json.out);
    const nlohmann::json& causes = printed["skipped_causes"];
    ASSERT_EQ(causes.size(), 2u) << json.out;
    EXPECT_EQ(causes[0]["rows"], nlohmann::json::array({1, 2, 3, 4, 5}));
    EXPECT_EQ(causes[0]["risers"], nlohmann::json::array());
    EXPECT_EQ(causes[0]["steps"], 5);
    EXPECT_EQ(causes[1]["risers"], nlohmann::json::array({14}));
    EXPECT_EQ(causes[1]["greek"],
              "Πίνακας τμημάτων: καμία γραμμή δεν ορίζει τον ανυψωτήρα 14 (Πλήθος Ανυψωτήρων 14)· "
              "κρατήθηκαν οι προηγούμενες τιμές: τα μεγέθη του ανυψωτήρα 14");
    const nlohmann::json& skipped = printed["checks"].back();
    EXPECT_EQ(skipped["name"], "skipped_steps");
    EXPECT_EQ(skipped["sections"], nlohmann::json::array({1, 2, 3, 4, 5}));
    EXPECT_EQ(skipped["risers"], nlohmann::json::array({14}));

    // A problem without a skipped step has no warning and an empty list.
    writeBytes(dir / "problem.json", problemText(workedExampleFile(kGreek)));
    const CliRun clean =
        runCli(dir, {"--locale", "el_GR", "--checks", "--format", "json", "problem.json"});
    EXPECT_EQ(clean.err, "");
    EXPECT_EQ(nlohmann::json::parse(clean.out)["skipped_causes"], nlohmann::json::array());
}

// The table of operating conditions: the engine's CSV for the same list, in the problem's number
// format; a pass bound cuts each condition's balancing short and says which.
TEST(Cli, ConditionsTable) {
    DiffuserInput optimised = workedExampleFile(kGreek);
    optimised.flow_mode = FlowMode::optimised;  // balanced after 19 passes at the design's Q
    DiffuserInput noManning = workedExampleFile(kEnglish);
    noManning.manning = "";
    struct Case {
        const char* name;
        DiffuserInput input;
        std::vector<std::string> options;
        std::string spec;
        NumberLocale locale;
        long maxPasses;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"Greek",
         workedExampleFile(kGreek),
         {"--locale", "el_GR"},
         "Q=0.1..0.5/3;drho=0.02,1x",
         kGreek,
         1000000,
         0,
         ""},
        {"recorded points, default Q list",
         recordedFormat(workedExampleFile(kEnglish), kEnglish),
         {},
         "drho=0.03",
         kEnglish,
         1000000,
         0,
         ""},
        {"pass bound",
         optimised,
         {"--locale", "el_GR", "--max-passes", "18"},
         "Q=0.02,1x",
         kGreek,
         18,
         3,
         "thalmuro-cli: warning: condition 2 (Q = 0,3528 m³/s, Δρ/ρ = 0,0307): the balancing "
         "stopped at the "
         "bound of 18 passes; its line is that of the last pass\n"},
        {"skipped steps",
         noManning,
         {"--locale", "en_US"},
         "Q=0.2,0.3",
         kEnglish,
         1000000,
         0,
         "thalmuro-cli: warning: steps were skipped at 2 of the 2 conditions (column \"skipped "
         "steps\")\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        class Bound final : public ConditionsProgress {
          public:
            explicit Bound(long passes) : passes_(passes) {}
            bool keepGoing(std::size_t, std::size_t) override { return true; }
            bool keepBalancing(std::size_t, long run) override { return run < passes_; }

          private:
            long passes_;
        } bound(c.maxPasses);
        const auto conditions = std::get<std::vector<OperatingCondition>>(
            parseConditionSpec(c.spec, c.input, c.locale));
        const std::string expected =
            conditionsCsv(solveConditions(c.input, conditions, c.locale, {}, 1, &bound), c.locale,
                          conditionsCsvWords(Language::english));

        const ScratchDir dir;
        writeBytes(dir / "problem.json", problemText(c.input));
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"--conditions", c.spec, "problem.json"});
        const CliRun run = runCli(dir, args, {{"LANG", "el_GR.UTF-8"}});
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"problem.json"});
    }
}

// The words of `text` in Latin letters (with digits and "_" inside them) of two letters or more
// that are not among `kept`.
std::set<std::string> latinWords(const std::string& text, const std::set<std::string>& kept) {
    const auto latin = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    std::set<std::string> found;
    for (std::size_t i = 0; i < text.size();) {
        if (!latin(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && (latin(text[end]) || (text[end] >= '0' && text[end] <= '9')))
            ++end;
        const std::string word = text.substr(i, end - i);
        if (word.size() >= 2 && kept.count(word) == 0) found.insert(word);
        i = end;
    }
    return found;
}

// The characters of `text` in the Greek blocks of Unicode, the symbol Δρ/ρ left out.
std::string greekLetters(std::string text) {
    for (std::size_t at; (at = text.find("Δρ/ρ")) != std::string::npos;)
        text.erase(at, std::string("Δρ/ρ").size());
    std::string found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // U+0370..U+03FF are lead bytes CD BX to CF BF; U+1F00..U+1FFF begin E1 BC..E1 BF.
        const bool greek = (lead >= 0xCD && lead <= 0xCF) ||
                           (lead == 0xE1 && static_cast<unsigned char>(text[i + 1]) >= 0xBC);
        if (greek) found += text.substr(i, lead == 0xE1 ? 3 : 2) + ' ';
    }
    return found;
}

// A number written with a decimal point: a digit, ".", a digit.
bool hasPointDecimal(const std::string& text, std::string* where) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '.' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
            std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
            *where = text.substr(i < 30 ? 0 : i - 30, 60);
            return true;
        }
    }
    return false;
}

// Every text a run prints is in the language of --language, but for names, symbols and units,
// and every number it prints in words is in the problem's number format; the JSON of the checks
// is the same in both languages.
TEST(Cli, EachLanguageInItsOwnWordsAndOneNumberFormat) {
    DiffuserInput faulty = workedExampleFile(kGreek);
    faulty.manning = "0,01x";
    faulty.total_discharge = "30";  // outside the plausible range
    DiffuserInput startUp = workedExampleFile(kGreek);
    startUp.risers = "10";
    startUp.sections = "4";
    startUp.total_discharge = "0,01";
    startUp.fitting = FittingType::Bell;
    startUp.rows[4] = {};
    DiffuserInput optimised = workedExampleFile(kGreek);
    optimised.flow_mode = FlowMode::optimised;
    // The names the Greek texts keep: the program's, its options and the keys of its output,
    // the boxes', the checks', the symbols' and the sources'.
    std::set<std::string> kept{"thalmuro", "cli", "language", "el", "en", "locale", "max", "passes",
                               "checks", "format", "text", "json", "conditions", "txt", "Text1",
                               "Text2", "Text4", "Text5", "Text6", "Manning", "Froude", "Fr",
                               "Qcalc", "qc", "Cd", "cross_check", "discharge_failure", "Fischer",
                               "Mixing", "in", "Inland", "and", "Coastal", "Waters", "Rawn",
                               "Bowerman", "Brooks", "Abraham", "drho",
                               // the user's own texts, quoted: a file's name, a wrong value
                               "absent", "xml",
                               // the riser sizing's goals, by name
                               "uniformity", "froude_low", "riser_area", "froude_design",
                               // and its options, in the usage
                               "size", "risers", "tolerance", "low", "flow", "diameters", "write"};
    for (const ThresholdInfo& info : checkThresholds())
        kept.insert(std::string(info.name));
    const struct {
        const char* name;
        DiffuserInput input;
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {"report with warnings", faulty, {"problem.json", "r.txt"}, 0},
        {"checks with warnings", faulty, {"--checks", "problem.json"}, 0},
        {"checks of a discharge not computed", startUp, {"--checks", "problem.json"}, 0},
        {"checks as JSON", faulty, {"--checks", "--format", "json", "problem.json"}, 0},
        {"balancing stopped", optimised, {"--max-passes", "5", "problem.json", "r.txt"}, 3},
        {"conditions", faulty, {"--conditions", "Q=0.2,1x", "problem.json"}, 0},
        {"conditions stopped",
         optimised,
         {"--max-passes", "5", "--conditions", "Q=1x", "problem.json"},
         3},
        {"list of conditions that cannot be read",
         faulty,
         {"--conditions", "Q=0.1,0", "problem.json"},
         2},
        {"wrong usage", faulty, {"--format", "xml", "--checks", "problem.json"}, 2},
        {"report that cannot be written", faulty, {"problem.json", "absent/r.txt"}, 1},
        {"riser sizing", workedExampleFile(kGreek), {"--size-risers", "problem.json"}, 0},
        {"design that cannot be sized", faulty, {"--size-risers", "problem.json"}, 1},

    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScratchDir dir;
        writeBytes(dir / "problem.json", problemText(c.input));
        std::string jsonOut;
        for (const Language language : {Language::english, Language::greek}) {
            std::vector<std::string> args{"--language", language == Language::greek ? "el" : "en",
                                          "--locale", "el_GR"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            const CliRun run = runCli(dir, args);
            EXPECT_EQ(run.status, c.status) << run.err;
            const bool json = std::find(c.args.begin(), c.args.end(), "json") != c.args.end();
            const std::string shown = (json ? "" : run.out) + run.err;
            EXPECT_FALSE(shown.empty());
            if (language == Language::greek) {
                EXPECT_EQ(latinWords(shown, kept), std::set<std::string>{}) << shown;
            } else {
                EXPECT_EQ(greekLetters(shown), "") << shown;
            }
            std::string where;
            EXPECT_FALSE(hasPointDecimal(shown, &where)) << where;
            if (json && language == Language::english) jsonOut = run.out;
            if (json && language == Language::greek) {
                EXPECT_EQ(run.out, jsonOut);
            }
        }
    }
}

// The runner's proposal is the engine's: the same diameters on all cores as on one, its goals
// as given, the problem it saves, and an exit status that tells whether the goals are met.
TEST(Cli, SizesTheRisers) {
    DiffuserInput tooLittleFlow = workedExampleFile(kEnglish);
    tooLittleFlow.total_discharge = "0.001";  // no port reaches Froude 1 at a quarter of it
    const struct {
        const char* name;
        DiffuserInput input;
        std::vector<std::string> options;
        SizingGoals goals;
        std::vector<double> diameters;
        NumberLocale locale;
        bool met;
    } cases[] = {
        {"worked example, defaults",
         workedExampleFile(kGreek),
         {"--locale", "el_GR"},
         {},
         {},
         kGreek,
         true},
        {"goals and candidates given",
         workedExampleFile(kGreek),
         {"--locale", "el_GR", "--tolerance", "6", "--low-flow", "Q=0.09;drho=0.03", "--diameters",
          "0.1,0.105,0.11,0.115,0.12,0.125,0.13"},
         [] {
             SizingGoals goals;
             goals.tolerance = 6;
             goals.low_flow = OperatingCondition{0.09, 0.03};
             return goals;
         }(),
         {0.1, 0.105, 0.11, 0.115, 0.12, 0.125, 0.13},
         kGreek,
         true},
        {"no answer", tooLittleFlow, {"--locale", "en_US"}, {}, {}, kEnglish, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SizingResult direct = sizeRisers(c.input, c.goals, c.diameters, c.locale, 1);
        ASSERT_FALSE(direct.blocked);
        ASSERT_EQ(direct.proposal.goals_met, c.met);
        const ScratchDir dir;
        writeBytes(dir / "problem.json", problemText(c.input));
        for (const std::string format : {"text", "json"}) {
            SCOPED_TRACE(format);
            std::vector<std::string> args = c.options;
            args.insert(args.end(), {"--size-risers", "--format", format, "--write", "new.json",
                                     "problem.json"});
            const CliRun run = runCli(dir, args);
            EXPECT_EQ(run.status, c.met ? 0 : 4) << run.err;
            EXPECT_EQ(run.err,
                      "thalmuro-cli: the design with the proposed riser diameters was "
                      "written to \"new.json\"\n");
            EXPECT_EQ(readBytes(dir / "new.json"), problemText(direct.proposal.problem));
            if (format == "text") {
                for (const SectionSizing& section : direct.sections) {
                    for (const RiserRun& part : section.proposed) {
                        const std::string line = formatGeneral(part.diameter, c.locale) +
                                                 " m (risers " + formatCount(part.first_riser);
                        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
                    }
                }
                continue;
            }
            const auto json = nlohmann::json::parse(run.out);
            EXPECT_EQ(json["goals_met"], c.met);
            EXPECT_EQ(json["goals"]["tolerance"], direct.goals.tolerance);
            EXPECT_EQ(json["goals"]["low_flow"]["q"], direct.goals.low_flow->q);
            // A flow that could not be balanced has no landward head: null in JSON.
            const double head = direct.proposal.landward_head;
            EXPECT_EQ(json["proposal"]["landward_head"],
                      std::isnan(head) ? nlohmann::json() : nlohmann::json(head));
            std::vector<double> proposed;
            for (const auto& section : json["sections"])
                for (const auto& part : section["proposed"])
                    proposed.push_back(part["diameter"].get<double>());
            std::vector<double> expected;
            for (const SectionSizing& section : direct.sections)
                for (const RiserRun& part : section.proposed)
                    expected.push_back(part.diameter);
            EXPECT_EQ(proposed, expected);
        }
    }
}

TEST(Cli, DoubleDashEndsTheOptions) {
    const ScratchDir dir;
    writeBytes(dir / "-problem.json", kGoodProblem);
    const CliRun run = runCli(dir, {"--locale", "en_US", "--", "-problem.json", "-r.txt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir / "-r.txt"));
}

}  // namespace
}  // namespace thalmuro
