// The safe writer on Windows: where the bytes go for each kind of name, and what a failed write
// leaves behind.

#include <windows.h>
// After windows.h, which it needs.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "file_bytes.h"
#include "small_drive.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;
using testing::fillDrive;
using testing::kNoSmallDrive;
using testing::readBytes;
using testing::smallDrive;
using testing::someBytes;
using testing::tree;
using testing::writeBytes;

const std::string kOldBytes = "the old report\r\n";
const std::string kNewBytes = someBytes(3 * 4096 + 123);

void setReadOnly(const fs::path& path, bool readOnly) {
    ASSERT_TRUE(SetFileAttributesW(path.c_str(),
                                   readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL));
}

// A scratch folder under `parent`, removed with everything in it.
class ScratchFolder {
  public:
    explicit ScratchFolder(const fs::path& parent = fs::temp_directory_path()) {
        std::random_device random;
        do {
            path_ = parent / ("thalmuro_safe_file_" + std::to_string(random()));
        } while (!fs::create_directory(path_));
    }
    ~ScratchFolder() {
        for (const auto& entry : fs::recursive_directory_iterator(path_))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path operator/(const std::string& name) const { return path_ / fs::u8path(name); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// A name to write to, how to prepare it, the error expected (none: the write succeeds) and what
// the folder then holds. A failed write leaves every file as it was.
struct Case {
    std::string name;
    std::function<std::string(const ScratchFolder& dir)> prepare;  // the name to write, UTF-8
    std::errc error;
    std::vector<std::string> entries;
    bool device = false;  // takes the bytes without keeping them
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class SafeFileOnWindows : public ::testing::TestWithParam<Case> {};

TEST_P(SafeFileOnWindows, WritesWholeOrLeavesTheOldFile) {
    const Case& c = GetParam();
    const ScratchFolder dir;
    writeBytes(dir / "old.txt", kOldBytes);
    const std::string target = c.prepare(dir);

    const std::error_code error = writeFileSafely(target, kNewBytes);

    EXPECT_EQ(error, c.error) << error.message();
    EXPECT_EQ(tree(dir.path()), c.entries);
    if (c.error == std::errc() && !c.device) {
        EXPECT_TRUE(readBytes(fs::u8path(target)) == kNewBytes);
    } else {
        EXPECT_EQ(readBytes(dir / "old.txt"), kOldBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeFileOnWindows,
    ::testing::Values(
        Case{"GreekNewFile",
             [](const ScratchFolder& dir) { return (dir / "Δοκιμή1.txt").u8string(); },
             std::errc(),
             {"old.txt", "Δοκιμή1.txt"}},
        Case{"ReplacedFile", [](const ScratchFolder& dir) { return (dir / "old.txt").u8string(); },
             std::errc(), std::vector<std::string>{"old.txt"}},
        Case{"GreekFolder",
             [](const ScratchFolder& dir) {
                 fs::create_directory(dir / "Έργα");
                 return (dir / "Έργα" / fs::u8path("Έκθεση.txt")).u8string();
             },
             std::errc(),
             {"old.txt", "Έργα", "Έργα\\Έκθεση.txt"}},
        Case{"ReadOnlyFile",
             [](const ScratchFolder& dir) {
                 setReadOnly(dir / "old.txt", true);
                 return (dir / "old.txt").u8string();
             },
             std::errc::permission_denied, std::vector<std::string>{"old.txt"}},
        Case{"MissingFolder",
             [](const ScratchFolder& dir) { return (dir / "missing" / "r.txt").u8string(); },
             std::errc::no_such_file_or_directory, std::vector<std::string>{"old.txt"}},
        Case{"Folder",
             [](const ScratchFolder& dir) {
                 fs::create_directory(dir / "sub");
                 return (dir / "sub").u8string();
             },
             std::errc::is_a_directory,
             {"old.txt", "sub"}},
        // Windows says the path was not found for a name longer than its file systems keep.
        Case{"NameTooLong",
             [](const ScratchFolder& dir) {
                 return (dir / (std::string(256, 'a') + ".txt")).u8string();
             },
             std::errc::filename_too_long, std::vector<std::string>{"old.txt"}},
        Case{"EmptyName", [](const ScratchFolder&) { return std::string(); },
             std::errc::no_such_file_or_directory, std::vector<std::string>{"old.txt"}},
        // A device takes the bytes in place: no file appears.
        Case{"NulDevice", [](const ScratchFolder&) { return std::string("NUL"); }, std::errc(),
             std::vector<std::string>{"old.txt"}, true}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(SafeFileOnWindows, FullDiskLeavesTheOldFileWholeAndNothingElse) {
    if (smallDrive().empty()) GTEST_SKIP() << kNoSmallDrive;
    const ScratchFolder dir(fs::u8path(smallDrive() + "\\"));
    writeBytes(dir / "report.txt", kOldBytes);
    fillDrive(dir.path());
    const std::vector<std::string> before = tree(dir.path());

    const std::error_code error = writeFileSafely((dir / "report.txt").u8string(), kNewBytes);

    EXPECT_EQ(error, std::errc::no_space_on_device) << error.message();
    EXPECT_EQ(readBytes(dir / "report.txt"), kOldBytes);
    EXPECT_EQ(tree(dir.path()), before);
}

}  // namespace
}  // namespace thalmuro
