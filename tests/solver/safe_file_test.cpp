// The one safe writer: what a failed write leaves behind, and where the bytes go for each kind
// of name.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "child_process.h"
#include "file_bytes.h"
#include "private_mounts.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;
using testing::ChildEnd;
using testing::readBytes;
using testing::runInChild;
using testing::someBytes;
using testing::tree;
using testing::writeBytes;
using namespace std::chrono_literals;

const std::string kOldBytes = "the old report\r\n";
// Longer than a page, so that a full disk lets the first write through and fails a later one.
const std::string kNewBytes = someBytes(3 * 4096 + 123);

mode_t permissions(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "thalmuro_safe_file_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category());
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

class SafeFileFailure : public ::testing::TestWithParam<testing::ObstacleCase> {};

TEST_P(SafeFileFailure, LeavesTheOldFileWholeAndNothingElse) {
    const testing::ObstacleCase& c = GetParam();
    const ScratchFolder dir;
    const testing::ObstructedFolder folder(dir / "files", c.obstacle, "report.txt", kOldBytes);
    if (!folder.unavailable().empty()) GTEST_SKIP() << folder.unavailable();
    ASSERT_EQ(folder.failure(), "");
    const fs::path file = dir / "files" / "report.txt";
    rlimit sizeLimit{};
    getrlimit(RLIMIT_FSIZE, &sizeLimit);
    if (folder.fileSizeLimit()) sizeLimit.rlim_cur = *folder.fileSizeLimit();
    const std::vector<std::string> before = folder.entries();

    // In a child: without the writer's care a file-size limit ends the process.
    const ChildEnd end = runInChild(
        [&] {
            if (setrlimit(RLIMIT_FSIZE, &sizeLimit) != 0) return 255;
            return writeFileSafely(file.string(), kNewBytes).value();
        },
        10s);

    EXPECT_EQ(end.status, c.error)
        << end.describe() << "; expected " << std::generic_category().message(c.error);
    EXPECT_TRUE(readBytes(file) == kOldBytes);
    EXPECT_EQ(folder.entries(), before);
}

INSTANTIATE_TEST_SUITE_P(Writes, SafeFileFailure, ::testing::ValuesIn(testing::obstacles()),
                         [](const ::testing::TestParamInfo<testing::ObstacleCase>& info) {
                             return info.param.name;
                         });

// A name to write to and what must hold afterwards. The test runs with the umask 027.
struct Destination {
    std::string name;
    bool inDev;  // writes to a name in /dev
    std::function<fs::path(const fs::path& dir)> prepare;
    std::function<void(const fs::path& dir)> check;
};

void PrintTo(const Destination& c, std::ostream* out) {
    *out << c.name;
}

class SafeFileDestination : public ::testing::TestWithParam<Destination> {};

TEST_P(SafeFileDestination, GetsTheBytes) {
    const Destination& c = GetParam();
    if (c.inDev && !testing::guardDev().empty()) GTEST_SKIP() << testing::guardDev();
    const ScratchFolder dir;
    const mode_t umaskBefore = umask(027);
    const fs::path target = c.prepare(dir.path());
    const std::error_code error = writeFileSafely(target.string(), kNewBytes);
    umask(umaskBefore);

    EXPECT_FALSE(error) << error.message();
    c.check(dir.path());
    for (const std::string& name : tree(dir.path()))
        EXPECT_NE(fs::path(name).filename().string().front(), '.') << "left behind: " << name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeFileDestination,
    ::testing::Values(
        Destination{"NewFileAsCreatedUnderTheUmask", false,
                    [](const fs::path& dir) { return dir / "new.txt"; },
                    [](const fs::path& dir) {
                        EXPECT_TRUE(readBytes(dir / "new.txt") == kNewBytes);
                        EXPECT_EQ(permissions(dir / "new.txt"), 0640u);
                    }},
        Destination{"ReplacedFileKeepsItsModeAndOwner", false,
                    [](const fs::path& dir) {
                        writeBytes(dir / "old.txt", kOldBytes);
                        EXPECT_EQ(::chown((dir / "old.txt").c_str(), 1234, 5678), 0);
                        EXPECT_EQ(::chmod((dir / "old.txt").c_str(), 0604), 0);
                        return dir / "old.txt";
                    },
                    [](const fs::path& dir) {
                        EXPECT_TRUE(readBytes(dir / "old.txt") == kNewBytes);
                        EXPECT_EQ(permissions(dir / "old.txt"), 0604u);
                        struct stat status {};
                        ::stat((dir / "old.txt").c_str(), &status);
                        EXPECT_EQ(status.st_uid, 1234u);
                        EXPECT_EQ(status.st_gid, 5678u);
                    }},
        Destination{"ChainOfRelativeLinksStays", false,
                    [](const fs::path& dir) {
                        writeBytes(dir / "real.txt", kOldBytes);
                        fs::create_directory(dir / "sub");
                        fs::create_symlink("../real.txt", dir / "sub" / "inner");
                        fs::create_symlink("sub/inner", dir / "outer");
                        return dir / "outer";
                    },
                    [](const fs::path& dir) {
                        EXPECT_EQ(fs::read_symlink(dir / "outer"), "sub/inner");
                        EXPECT_EQ(fs::read_symlink(dir / "sub" / "inner"), "../real.txt");
                        EXPECT_TRUE(readBytes(dir / "real.txt") == kNewBytes);
                        EXPECT_EQ(tree(dir), (std::vector<std::string>{"outer", "real.txt", "sub",
                                                                       "sub/inner"}));
                    }},
        Destination{"LinkToNothingYetMakesItsTarget", false,
                    [](const fs::path& dir) {
                        fs::create_directory(dir / "sub");
                        fs::create_symlink(dir / "sub" / "made.txt", dir / "link");
                        return dir / "link";
                    },
                    [](const fs::path& dir) {
                        EXPECT_EQ(fs::read_symlink(dir / "link"), dir / "sub" / "made.txt");
                        EXPECT_TRUE(readBytes(dir / "sub" / "made.txt") == kNewBytes);
                        EXPECT_EQ(permissions(dir / "sub" / "made.txt"), 0640u);
                    }},
        Destination{"DevNull", true, [](const fs::path&) { return fs::path("/dev/null"); },
                    [](const fs::path&) { EXPECT_TRUE(fs::is_character_file("/dev/null")); }},
        Destination{"LinkToDevNull", true,
                    [](const fs::path& dir) {
                        fs::create_symlink("/dev/null", dir / "null");
                        return dir / "null";
                    },
                    [](const fs::path& dir) {
                        EXPECT_EQ(fs::read_symlink(dir / "null"), "/dev/null");
                        EXPECT_TRUE(fs::is_character_file("/dev/null"));
                    }}),
    [](const ::testing::TestParamInfo<Destination>& info) { return info.param.name; });

TEST(SafeFile, StandardOutputRedirectedToAFileGetsTheBytesInPlace) {
    if (!testing::guardDev().empty()) GTEST_SKIP() << testing::guardDev();
    const ScratchFolder dir;
    const fs::path redirect = dir / "out.txt";
    writeBytes(redirect, kOldBytes);
    struct stat before {};
    ASSERT_EQ(::stat(redirect.c_str(), &before), 0);
    // In a child, as a shell would start it with "> out.txt".
    const ChildEnd end = runInChild(
        [&] {
            const int fd = ::open(redirect.c_str(), O_WRONLY | O_TRUNC);
            if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) return 255;
            return writeFileSafely("/dev/stdout", kNewBytes).value();
        },
        10s);
    EXPECT_EQ(end.status, 0) << end.describe();
    struct stat after {};
    ASSERT_EQ(::stat(redirect.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the redirect's file was replaced";
    EXPECT_TRUE(readBytes(redirect) == kNewBytes);
}

TEST(SafeFile, NamedPipeWithoutReaderFailsAtOnce) {
    const ScratchFolder dir;
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const ChildEnd end =
        runInChild([&] { return writeFileSafely(pipe.string(), kNewBytes).value(); }, 5s);
    EXPECT_EQ(end.status, ENXIO) << end.describe();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_EQ(tree(dir.path()), std::vector<std::string>{"pipe"});
}

TEST(SafeFile, NamedPipeWithReaderGetsEveryByte) {
    const ScratchFolder dir;
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int readEnd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(readEnd, 0);
    ASSERT_EQ(::fcntl(readEnd, F_SETFL, 0), 0);
    // Held open until the write is over, so that the reader sees the end only then.
    const int holdOpen = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(holdOpen, 0);
    // Many times the pipe's buffer: the writer must wait for the reader, not give up.
    const std::string bytes = someBytes(4 << 20);
    std::string received;
    std::thread reader([&] {
        char buffer[8192];
        ssize_t got = 0;
        while ((got = ::read(readEnd, buffer, sizeof buffer)) > 0)
            received.append(buffer, static_cast<std::size_t>(got));
    });
    const std::error_code error = writeFileSafely(pipe.string(), bytes);
    ::close(holdOpen);
    reader.join();
    ::close(readEnd);

    EXPECT_FALSE(error) << error.message();
    EXPECT_TRUE(received == bytes) << received.size() << " bytes received";
}

TEST(SafeFile, FailsOnWhatCannotHoldAFile) {
    const ScratchFolder dir;
    writeBytes(dir / "plain", kOldBytes);
    fs::create_symlink("loop", dir / "loop");
    const struct {
        fs::path path;
        std::errc error;
    } cases[] = {{dir / "missing" / "r.txt", std::errc::no_such_file_or_directory},
                 {dir.path(), std::errc::is_a_directory},
                 {dir / "plain" / "r.txt", std::errc::not_a_directory},
                 {dir / "loop", std::errc::too_many_symbolic_link_levels},
                 {"", std::errc::no_such_file_or_directory}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(writeFileSafely(c.path.string(), kNewBytes), c.error);
    }
    EXPECT_TRUE(readBytes(dir / "plain") == kOldBytes);
    EXPECT_EQ(tree(dir.path()), (std::vector<std::string>{"loop", "plain"}));
}

}  // namespace
}  // namespace thalmuro
