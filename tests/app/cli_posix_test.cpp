// The runner on what only POSIX systems have: a terminal for the progress line, full and
// read-only file systems and a file-size limit, named pipes, devices and symbolic links, a C
// library without the Windows-1253 converter.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "child_process.h"
#include "cli_fixtures.h"
#include "cli_process.h"
#include "no_windows1253.h"
#include "private_mounts.h"
#include "thalmuro/engine.h"

extern char** environ;

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

// Runs the program in `dir` with its standard error on a terminal (a pseudo-terminal whose other
// end the test reads) and standard output to /dev/null. Returns what it wrote on the terminal
// and how long it ran.
struct TerminalRun {
    int status = -1;
    std::string err;
    std::chrono::duration<double> took{};
};

TerminalRun runOnTerminal(const ScratchDir& dir, const std::vector<std::string>& args) {
    TerminalRun run;
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        ADD_FAILURE() << "no pseudo-terminal: " << std::strerror(errno);
        return run;
    }
    std::vector<std::string> argStore = {THALMURO_CLI};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv = testing::execList(argStore);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.path().c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, slave, 2);
    posix_spawn_file_actions_addclose(&actions, master);
    posix_spawn_file_actions_addclose(&actions, slave);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(slave);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
        close(master);
        return run;
    }
    // The terminal's other end reads until the program has closed its end by exiting.
    std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t got = read(master, buffer.data(), buffer.size());
        if (got > 0) {
            run.err.append(buffer.data(), static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    close(master);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) == -1 && errno == EINTR) {
    }
    run.took = std::chrono::steady_clock::now() - start;
    if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
    return run;
}

TEST(Cli, ALongBalancingShowsItsProgressOnATerminal) {
    DiffuserInput nonsense = workedExampleFile(kGreek);
    nonsense.flow_mode = FlowMode::optimised;
    nonsense.risers = "-14";
    nonsense.total_discharge = "-1E5";
    const ScratchDir dir;
    writeBytes(dir / "problem.json", problemText(nonsense));
    const TerminalRun run = runOnTerminal(dir, {"--locale", "el_GR", "problem.json", "r.txt"});
    EXPECT_EQ(run.status, 3) << run.err;
    const std::size_t shown = run.err.find("thalmuro-cli: balancing, ");
    // The first line comes after a second of balancing; a run that short shows none.
    if (run.took > std::chrono::seconds(2)) {
        EXPECT_NE(shown, std::string::npos) << run.err;
    }
    if (shown != std::string::npos) {
        // Each line overwrites the one before; the warnings start on a line of their own.
        EXPECT_NE(run.err.find("passes\r\nthalmuro-cli: warning: ", shown), std::string::npos)
            << run.err;
    }
}

// A full disk, a read-only folder or a file-size limit: exit 1 with the reason, and the earlier
// report stays whole with nothing beside it.
class CliKeepsTheOldReport : public ::testing::TestWithParam<testing::ObstacleCase> {};

TEST_P(CliKeepsTheOldReport, ExitsWithTheReason) {
    const testing::ObstacleCase& c = GetParam();
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    const std::string oldReport = "the report of an earlier run\r\n";
    const testing::ObstructedFolder folder(dir / "reports", c.obstacle, "report.txt", oldReport);
    if (!folder.unavailable().empty()) GTEST_SKIP() << folder.unavailable();
    ASSERT_EQ(folder.failure(), "");
    const fs::path report = dir / "reports" / "report.txt";
    const std::vector<std::string> before = folder.entries();

    Limits limits;
    limits.fileSize = folder.fileSizeLimit();
    const CliRun run = runCli(
        dir, {"--locale", "en_US", (dir / "problem.json").string(), report.string()}, {}, limits);

    EXPECT_EQ(run.status, 1) << run.end << "\n" << run.err;
    EXPECT_EQ(run.err, "thalmuro-cli: cannot write the report \"" + report.string() +
                           "\": " + std::generic_category().message(c.error) + "\n");
    EXPECT_TRUE(readBytes(report) == oldReport);
    EXPECT_EQ(folder.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, CliKeepsTheOldReport, ::testing::ValuesIn(testing::obstacles()),
                         [](const ::testing::TestParamInfo<testing::ObstacleCase>& info) {
                             return info.param.name;
                         });

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

// Without the C library's Windows-1253 converter no report is written, rather than one in
// another encoding passed off as a success.
TEST(Cli, NoReportWithoutTheConverter) {
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    writeBytes(dir / "r.txt", "the report of an earlier run");
    LocaleEnv env;
    env.insert(testing::withoutWindows1253Converter());
    for (const std::string name : {"r.txt", "new.txt"}) {
        SCOPED_TRACE(name);
        const CliRun run = runCli(dir, {"--locale", "en_US", "problem.json", name}, env);
        EXPECT_EQ(run.status, 1) << run.end;
        EXPECT_EQ(run.err, "thalmuro-cli: cannot write the report \"" + name +
                               "\": the C library has no Windows-1253 converter\n");
    }
    EXPECT_EQ(readBytes(dir / "r.txt"), "the report of an earlier run");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"problem.json", "r.txt"}));
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
        solveDirectly(workedExampleFile(kEnglish), std::nullopt, kEnglish, dir).report;
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
