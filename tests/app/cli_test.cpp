// thalmuro-cli as a user runs it: the built program in a scratch folder, its exit status, its
// two output streams and the report it leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli_process.h"
#include "number_rules.h"
#include "problem_data.h"
#include "solve.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

const std::string kDataDir = THALMURO_TEST_DATA;

// Answers Solve's questions as a user at the main window would.
class Answers final : public SolvePrompts {
  public:
    Answers(std::optional<std::string> ratio, std::string fileName)
        : ratio_(std::move(ratio)), fileName_(std::move(fileName)) {}
    std::optional<std::string> ask(const Prompt& prompt) override {
        return prompt.kind == Prompt::Kind::ratio ? ratio_ : fileName_;
    }

  private:
    std::optional<std::string> ratio_;
    std::string fileName_;
};

// The report and the warnings of a Solve run in the program itself, with fresh shared
// variables as the program starts with.
struct Expected {
    std::string report;
    std::string warnings;
};

Expected solveDirectly(const DiffuserInput& input, const std::optional<std::string>& ratio,
                       const NumberLocale& locale, const ScratchDir& dir) {
    const fs::path reportPath = dir / "direct.txt";
    SharedState state;
    Answers answers(ratio, reportPath.string());
    const SolveOutcome outcome = Solve(input, state, locale, answers);
    EXPECT_EQ(outcome.report.status, ReportOutcome::Status::written);
    Expected expected{readBytes(reportPath), {}};
    fs::remove(reportPath);
    for (const std::string& line : outcome.diagnostics.lines()) {
        expected.warnings += "warning: " + line + "\n";
    }
    return expected;
}

// The worked example, 14 risers in 5 sections, typed with `point` as the decimal separator.
DiffuserInput workedExample(const std::string& point) {
    const auto dec = [&](const std::string& whole, const std::string& fraction) {
        return whole + point + fraction;
    };
    DiffuserInput in;
    in.risers = "14";
    in.sections = "5";
    in.drho = dec("0", "0307");
    in.total_discharge = dec("0", "3528");
    in.manning = dec("0", "01");
    in.fitting = FittingType::Sharp;
    in.flow_mode = FlowMode::standard;
    in.rows[0] = {"1", "2", dec("0", "2906"), "8", dec("0", "2"), dec("0", "1144")};
    in.rows[1] = {"3", "5", dec("0", "3276"), "8", dec("0", "2"), dec("0", "1144")};
    in.rows[2] = {"6", "8", dec("0", "4152"), "8", dec("0", "2"), dec("0", "1144")};
    in.rows[3] = {"9", "11", dec("0", "4614"), "8", dec("0", "2"), dec("0", "1144")};
    in.rows[4] = {"12", "14", dec("0", "5814"), "8", dec("0", "2"), dec("0", "1144")};
    return in;
}

DiffuserInput withModes(DiffuserInput in, FlowMode mode, FittingType fitting) {
    in.flow_mode = mode;
    in.fitting = fitting;
    return in;
}

// A problem file holding `in`.
std::string problemJson(const DiffuserInput& in, const std::optional<std::string>& ratio) {
    static const char* const kModes[] = {"none", "standard", "optimised", "user"};
    nlohmann::json doc = {
        {"risers", in.risers},
        {"sections", in.sections},
        {"drho", in.drho},
        {"total_discharge", in.total_discharge},
        {"manning", in.manning},
        {"fitting", in.fitting == FittingType::Bell ? "Bell" : "Sharp"},
        {"flow_mode", kModes[static_cast<int>(in.flow_mode)]},
        {"ratio", ratio ? nlohmann::json(*ratio) : nlohmann::json(nullptr)},
    };
    nlohmann::json rows = nlohmann::json::array();
    for (const SectionRow& r : in.rows) {
        rows.push_back({r.first_riser, r.last_riser, r.pipe_diameter, r.spacing, r.elevation_step,
                        r.riser_diameter});
    }
    doc["rows"] = rows;
    return doc.dump(2);
}

const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();

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
    const std::string report = (dir / "Δοκιμή 1.txt").string();
    std::vector<std::string> args = c.options;
    args.push_back(problem);
    args.push_back(report);
    const CliRun run = runCli(dir, args, c.env);

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, expected.warnings);
    EXPECT_TRUE(readBytes(report) == expected.report) << "the reports differ";
}

INSTANTIATE_TEST_SUITE_P(
    Problems, CliRoundTrip,
    ::testing::Values(RoundTrip{"GreekWorkedExample",
                                "cases/worked_example_el.json",
                                workedExample(","),
                                {},
                                {"--locale", "el_GR"},
                                {},
                                kGreek,
                                false},
                      RoundTrip{"EnglishWorkedExample",
                                "cases/worked_example_en.json",
                                workedExample("."),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"GreekFileReadInEnglish",
                                "cases/worked_example_el.json",
                                workedExample(","),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"CLocale",
                                "cases/worked_example_en.json",
                                workedExample("."),
                                {},
                                {"--locale", "C"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"UserRatioBell",
                                "",
                                withModes(workedExample(","), FlowMode::user, FittingType::Bell),
                                "0,85",
                                {"--locale", "el_GR"},
                                {},
                                kGreek,
                                false},
                      RoundTrip{"UserRatioCancelled",
                                "",
                                withModes(workedExample(","), FlowMode::user, FittingType::Sharp),
                                std::nullopt,
                                {"--locale", "el_GR.UTF-8"},
                                {},
                                kGreek,
                                true},
                      RoundTrip{
                          "Optimised",
                          "",
                          withModes(workedExample("."), FlowMode::optimised, FittingType::Bell),
                          {},
                          {"--locale", "en_US"},
                          {},
                          kEnglish,
                          false},
                      // Without --locale the run follows the regional settings: LC_ALL, then
                      // LC_NUMERIC, then LANG, and the C locale when none is set.
                      RoundTrip{"DefaultFromLcAll",
                                "cases/worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LC_ALL", "el_GR.UTF-8"}, {"LC_NUMERIC", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultLcAllOverLcNumeric",
                                "cases/worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LC_ALL", "en_US.UTF-8"}, {"LC_NUMERIC", "el_GR.UTF-8"}},
                                kEnglish,
                                false},
                      RoundTrip{"DefaultFromLcNumeric",
                                "cases/worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultFromLang",
                                "cases/worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LANG", "el_GR.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultWithoutSettings",
                                "cases/worked_example_en.json",
                                workedExample("."),
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
    if (c.status == 1) {
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    } else {
        EXPECT_NE(run.err.find("usage: thalmuro-cli [--locale NAME] PROBLEM.json REPORT.txt"),
                  std::string::npos)
            << run.err;
    }
    EXPECT_EQ(dir.entries(), expectedEntries);
}

const std::string kNoSuchFile = std::generic_category().message(ENOENT);
const std::string kGoodProblem = problemJson(workedExample("."), std::nullopt);

INSTANTIATE_TEST_SUITE_P(
    Runs, CliFailure,
    ::testing::Values(
        Failure{"MissingProblem",
                "",
                {"$D/absent.json", "$D/r.txt"},
                1,
                {"$D/absent.json", kNoSuchFile}},
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
        Failure{"EmptyLocale",
                kGoodProblem,
                {"--locale", "", "$D/problem.json", "$D/r.txt"},
                2,
                {"unknown locale \"\""}}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST(Cli, HelpGoesToStandardOutput) {
    const ScratchDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"},
          std::vector<std::string>{"--help", "a.json", "r.txt", "--bogus"}}) {
        const CliRun run = runCli(dir, args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind("usage: thalmuro-cli [--locale NAME] PROBLEM.json REPORT.txt\n", 0),
                  0u)
            << run.out;
        EXPECT_NE(run.out.find("--locale NAME"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
    EXPECT_TRUE(dir.entries().empty());
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
