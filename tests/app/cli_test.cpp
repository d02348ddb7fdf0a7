// thalmuro-cli as a user runs it: the built program in a scratch folder, its exit status, its
// two output streams and the report it leaves.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "child_process.h"
#include "number_rules.h"
#include "private_mounts.h"
#include "problem_data.h"
#include "solve.h"

extern char** environ;

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

const std::string kDataDir = THALMURO_TEST_DATA;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Locale variables (LC_ALL, LC_NUMERIC, LANG) for a run.
using LocaleEnv = std::map<std::string, std::string>;

struct CliRun {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string end;  // how it ended, for messages
    std::string out;
    std::string err;
};

// A scratch folder for one test.
class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (fs::temp_directory_path() / "thalmuro_cli_test_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category());
        path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const fs::path& path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }

    // The names in the folder other than the program's captured output.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) {
            const std::string name = entry.path().filename().string();
            if (name != "stdout" && name != "stderr") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    fs::path path_;
};

// What the program may use when it runs.
struct Limits {
    std::optional<rlim_t> fileSize;  // the file-size limit (ulimit -f), in bytes
    std::chrono::milliseconds time = std::chrono::minutes(1);  // then it is killed
};

// Runs the program in `dir` with the test's environment minus its locale variables, plus `env`.
// Standard output and error go to two files of `dir`, read back and removed.
CliRun runCli(const ScratchDir& dir, const std::vector<std::string>& args,
              const LocaleEnv& env = {}, const Limits& limits = {}) {
    std::vector<std::string> argStore = {THALMURO_CLI};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<std::string> envStore;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "LC_ALL" && name != "LC_NUMERIC" && name != "LANG") envStore.push_back(entry);
    }
    for (const auto& [name, value] : env)
        envStore.push_back(name + "=" + value);
    std::vector<char*> argv;
    for (std::string& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    rlimit fileSize{};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    if (limits.fileSize) fileSize.rlim_cur = *limits.fileSize;

    const std::string outPath = (dir / "stdout").string();
    const std::string errPath = (dir / "stderr").string();
    CliRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        // The child: only calls that are safe between fork and exec.
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (out >= 0 && err >= 0 && dup2(out, 1) == 1 && dup2(err, 2) == 2 &&
            chdir(dir.path().c_str()) == 0 && setrlimit(RLIMIT_FSIZE, &fileSize) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(errno);
        return run;
    }
    const testing::ChildEnd end = testing::waitBounded(pid, limits.time);
    run.status = end.status;
    run.end = end.describe();
    run.out = readBytes(outPath);
    run.err = readBytes(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return run;
}

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
                                "worked_example_el.json",
                                workedExample(","),
                                {},
                                {"--locale", "el_GR"},
                                {},
                                kGreek,
                                false},
                      RoundTrip{"EnglishWorkedExample",
                                "worked_example_en.json",
                                workedExample("."),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"GreekFileReadInEnglish",
                                "worked_example_el.json",
                                workedExample(","),
                                {},
                                {"--locale", "en_US"},
                                {},
                                kEnglish,
                                false},
                      RoundTrip{"CLocale",
                                "worked_example_en.json",
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
                                "worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LC_ALL", "el_GR.UTF-8"}, {"LC_NUMERIC", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultLcAllOverLcNumeric",
                                "worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LC_ALL", "en_US.UTF-8"}, {"LC_NUMERIC", "el_GR.UTF-8"}},
                                kEnglish,
                                false},
                      RoundTrip{"DefaultFromLcNumeric",
                                "worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "en_US.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultFromLang",
                                "worked_example_el.json",
                                workedExample(","),
                                {},
                                {},
                                {{"LANG", "el_GR.UTF-8"}},
                                kGreek,
                                false},
                      RoundTrip{"DefaultWithoutSettings",
                                "worked_example_en.json",
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
    const Golden goldens[] = {{"el_GR", "worked_example_el.json", "worked_example_el.txt"},
                              {"en_US", "worked_example_en.json", "worked_example_en.txt"}};
    int compared = 0;
    for (const Golden& g : goldens) {
        const fs::path golden = fs::path(kDataDir) / g.report;
        if (!fs::exists(golden)) continue;
        SCOPED_TRACE(g.report);
        const ScratchDir dir;
        const fs::path report = dir / "report.txt";
        const CliRun run =
            runCli(dir, {"--locale", g.locale, kDataDir + "/" + g.problem, report.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(readBytes(report) == readBytes(golden)) << "the report differs from " << golden;
        ++compared;
    }
    if (compared == 0) GTEST_SKIP() << "no golden report in " << kDataDir;
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

// What stops the program from writing its report over an existing one.
enum class Obstacle { full_disk, read_only_folder, file_size_limit };

struct KeptReport {
    std::string name;
    Obstacle obstacle;
    int error;
};

void PrintTo(const KeptReport& c, std::ostream* out) {
    *out << c.name;
}

class CliKeepsTheOldReport : public ::testing::TestWithParam<KeptReport> {};

TEST_P(CliKeepsTheOldReport, ExitsWithTheReason) {
    const KeptReport& c = GetParam();
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    const fs::path folder = dir / "reports";
    std::optional<testing::SmallFileSystem> small;
    if (c.obstacle == Obstacle::file_size_limit) {
        fs::create_directory(folder);
    } else {
        small.emplace(folder, 64 * 1024);
        if (!small->unavailable().empty()) GTEST_SKIP() << small->unavailable();
    }
    const fs::path report = folder / "report.txt";
    const std::string oldReport = "the report of an earlier run\r\n";
    writeBytes(report, oldReport);
    Limits limits;
    switch (c.obstacle) {
        case Obstacle::full_disk:
            // One page free: the new report (about 6 KB) starts to go in, then the disk is full.
            ASSERT_FALSE(small->fillLeaving(4096));
            break;
        case Obstacle::read_only_folder:
            ASSERT_FALSE(small->makeReadOnly());
            break;
        case Obstacle::file_size_limit:
            limits.fileSize = 4096;
            break;
    }
    std::vector<std::string> before;
    for (const auto& entry : fs::directory_iterator(folder))
        before.push_back(entry.path().filename().string());

    const CliRun run = runCli(
        dir, {"--locale", "en_US", (dir / "problem.json").string(), report.string()}, {}, limits);

    EXPECT_EQ(run.status, 1) << run.end << "\n" << run.err;
    EXPECT_EQ(run.err, "thalmuro-cli: cannot write the report \"" + report.string() +
                           "\": " + std::generic_category().message(c.error) + "\n");
    EXPECT_TRUE(readBytes(report) == oldReport);
    std::vector<std::string> after;
    for (const auto& entry : fs::directory_iterator(folder))
        after.push_back(entry.path().filename().string());
    EXPECT_TRUE(std::is_permutation(before.begin(), before.end(), after.begin(), after.end()))
        << "the folder's files changed";
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, CliKeepsTheOldReport,
    ::testing::Values(KeptReport{"FullDisk", Obstacle::full_disk, ENOSPC},
                      KeptReport{"ReadOnlyFolder", Obstacle::read_only_folder, EROFS},
                      KeptReport{"FileSizeLimit", Obstacle::file_size_limit, EFBIG}),
    [](const ::testing::TestParamInfo<KeptReport>& info) { return info.param.name; });

TEST(Cli, ReportToANamedPipeWithoutReaderFailsAtOnce) {
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const CliRun run = runCli(dir, {"--locale", "en_US", "problem.json", "pipe"}, {},
                              {std::nullopt, std::chrono::seconds(10)});
    EXPECT_EQ(run.status, 1) << run.end;
    EXPECT_EQ(run.err,
              "thalmuro-cli: cannot write the report \"pipe\": no program is reading from the "
              "named pipe\n");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"pipe", "problem.json"}));
}

// A report name that is not a plain new file, and where the report must then be.
struct Destination {
    std::string name;
    bool inDev;                                                 // writes to a name in /dev
    std::function<std::string(const ScratchDir& dir)> prepare;  // the report's name
    std::function<void(const ScratchDir& dir, const CliRun& run, const std::string& report)> check;
};

void PrintTo(const Destination& c, std::ostream* out) {
    *out << c.name;
}

class CliReportDestination : public ::testing::TestWithParam<Destination> {};

TEST_P(CliReportDestination, GetsTheReport) {
    const Destination& c = GetParam();
    if (c.inDev && !testing::guardDev().empty()) GTEST_SKIP() << testing::guardDev();
    const ScratchDir dir;
    const std::string expected =
        solveDirectly(workedExample("."), std::nullopt, kEnglish, dir).report;
    writeBytes(dir / "problem.json", kGoodProblem);
    const std::string report = c.prepare(dir);

    const CliRun run = runCli(dir, {"--locale", "en_US", "problem.json", report});

    EXPECT_EQ(run.status, 0) << run.end << "\n" << run.err;
    EXPECT_EQ(run.err, "");
    c.check(dir, run, expected);
}

mode_t permissions(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

INSTANTIATE_TEST_SUITE_P(
    Names, CliReportDestination,
    ::testing::Values(
        Destination{"LinkToAnEarlierReport", false,
                    [](const ScratchDir& dir) {
                        fs::create_directory(dir / "runs");
                        writeBytes(dir / "runs" / "report.txt", "earlier");
                        fs::create_symlink("runs/report.txt", dir / "latest.txt");
                        return "latest.txt";
                    },
                    [](const ScratchDir& dir, const CliRun&, const std::string& report) {
                        EXPECT_EQ(fs::read_symlink(dir / "latest.txt"), "runs/report.txt");
                        EXPECT_TRUE(readBytes(dir / "runs" / "report.txt") == report);
                        EXPECT_EQ(dir.entries(),
                                  (std::vector<std::string>{"latest.txt", "problem.json", "runs"}));
                    }},
        Destination{
            "ReportReadableByItsGroupOnly", false,
            [](const ScratchDir& dir) {
                writeBytes(dir / "report.txt", "earlier");
                fs::permissions(dir / "report.txt", fs::perms(0640));
                return "report.txt";
            },
            [](const ScratchDir& dir, const CliRun&, const std::string& report) {
                EXPECT_TRUE(readBytes(dir / "report.txt") == report);
                EXPECT_EQ(permissions(dir / "report.txt"), 0640u);
                EXPECT_EQ(dir.entries(), (std::vector<std::string>{"problem.json", "report.txt"}));
            }},
        Destination{"DevNull", true, [](const ScratchDir&) { return "/dev/null"; },
                    [](const ScratchDir& dir, const CliRun& run, const std::string&) {
                        EXPECT_TRUE(fs::is_character_file("/dev/null"));
                        EXPECT_EQ(run.out, "");
                        EXPECT_EQ(dir.entries(), std::vector<std::string>{"problem.json"});
                    }},
        // Standard output is a redirect to a file, as with "thalmuro-cli ... > stdout".
        Destination{"StandardOutput", true, [](const ScratchDir&) { return "/dev/stdout"; },
                    [](const ScratchDir& dir, const CliRun& run, const std::string& report) {
                        EXPECT_TRUE(run.out == report) << run.out.size() << " bytes";
                        EXPECT_EQ(dir.entries(), std::vector<std::string>{"problem.json"});
                    }}),
    [](const ::testing::TestParamInfo<Destination>& info) { return info.param.name; });

}  // namespace
}  // namespace thalmuro
