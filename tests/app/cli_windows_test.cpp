// The runner on what Windows has: the user's regional settings, locale names as Windows knows
// them, Greek file names, read-only files, devices and full drives.

#include <windows.h>
// After windows.h, which it needs.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli_fixtures.h"
#include "cli_process.h"
#include "remove_folder.h"
#include "small_drive.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

std::string localeItem(LCTYPE item) {
    wchar_t value[16] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, value, 16);
    EXPECT_GT(length, 0);
    std::string utf8(64, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, value, length - 1, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(size));
    return utf8;
}

// The test's own user settings, which the runner it starts has too.
NumberLocale userFormat() {
    return {localeItem(LOCALE_SDECIMAL), localeItem(LOCALE_STHOUSAND)};
}

// The locale variables as the test has them: the runner keeps them, so that Wine, which takes
// the user's settings from them, gives it the same settings as the test.
LocaleEnv testLocaleVariables() {
    LocaleEnv env;
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        if (const char* value = std::getenv(name)) env[name] = value;
    }
    return env;
}

// Without --locale: the format the file records, else the user's settings. With it, the name
// as POSIX systems write it or as Windows does. Problem and report have Greek names.
struct WindowsRun {
    std::string name;
    DiffuserInput input;
    std::vector<std::string> options;
    NumberLocale locale;  // the number format the run should use
};

void PrintTo(const WindowsRun& c, std::ostream* out) {
    *out << c.name;
}

class CliOnWindows : public ::testing::TestWithParam<WindowsRun> {};

TEST_P(CliOnWindows, WritesTheReportSolveWrites) {
    const WindowsRun& c = GetParam();
    const ScratchDir dir;
    const Expected expected = solveDirectly(c.input, std::nullopt, c.locale, dir);
    const fs::path problem = dir / "Πρόβλημα 1.json";
    writeBytes(problem, problemText(c.input));
    std::vector<std::string> args = c.options;
    args.push_back(problem.u8string());
    args.push_back((dir / "Δοκιμή1.txt").u8string());

    const CliRun run = runCli(dir, args, testLocaleVariables());

    EXPECT_EQ(run.status, 0) << run.end << "\n" << run.err;
    EXPECT_EQ(run.err, expected.warnings);
    EXPECT_TRUE(readBytes(dir / "Δοκιμή1.txt") == expected.report) << "the reports differ";
}

DiffuserInput recorded(const NumberLocale& locale) {
    DiffuserInput in = workedExampleFile(locale);
    in.decimal_separator = locale.decimal_separator;
    return in;
}

const NumberLocale kUser = userFormat();
const NumberLocale kNotUser = kUser.decimal_separator == "," ? kEnglish : kGreek;

INSTANTIATE_TEST_SUITE_P(
    Runs, CliOnWindows,
    ::testing::Values(
        WindowsRun{"UserSettings", workedExampleFile(kUser), {}, kUser},
        WindowsRun{"RecordedFormatOverTheUserSettings", recorded(kNotUser), {}, kNotUser},
        WindowsRun{"WindowsName", workedExampleFile(kGreek), {"--locale", "el-GR"}, kGreek},
        WindowsRun{"NameOutsideTheRunnersOwn",
                   workedExampleFile(kGreek),
                   {"--locale", "de_DE.UTF-8"},
                   NumberLocale{",", "."}},
        WindowsRun{"RunnersOwnName", workedExampleFile(kEnglish), {"--locale", "en_US"}, kEnglish}),
    [](const ::testing::TestParamInfo<WindowsRun>& info) { return info.param.name; });

// tools/test-windows.sh runs these tests with English, then Greek regional settings, and names
// the decimal separator each should give: settings that did not take would test one format twice.
TEST(CliOnWindows, UserSettingsAreTheRunsOwn) {
    const char* decimal = std::getenv("THALMURO_USER_DECIMAL");
    if (decimal == nullptr) {
        GTEST_SKIP() << "THALMURO_USER_DECIMAL names the decimal separator of the user's settings "
                        "(tools/test-windows.sh gives it)";
    }
    EXPECT_EQ(kUser.decimal_separator, decimal);
}

// A report that cannot be replaced: exit 1 with the reason, the earlier report whole and nothing
// beside it.
TEST(CliOnWindows, ReadOnlyReportStaysAsItWas) {
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    const std::string oldReport = "the report of an earlier run\r\n";
    writeBytes(dir / "report.txt", oldReport);
    ASSERT_TRUE(SetFileAttributesW((dir / "report.txt").c_str(), FILE_ATTRIBUTE_READONLY));

    const CliRun run = runCli(dir, {"--locale", "en_US", "problem.json", "report.txt"});

    SetFileAttributesW((dir / "report.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(run.status, 1) << run.end;
    EXPECT_EQ(run.err, "thalmuro-cli: cannot write the report \"report.txt\": " +
                           std::generic_category().message(EACCES) + "\n");
    EXPECT_EQ(readBytes(dir / "report.txt"), oldReport);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"problem.json", "report.txt"}));
}

TEST(CliOnWindows, FullDriveKeepsTheOldReport) {
    const std::string drive = testing::smallDrive();
    if (drive.empty()) GTEST_SKIP() << testing::kNoSmallDrive;
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    const fs::path reports = fs::path(drive + "\\") / "cli_reports";
    fs::create_directory(reports);
    const std::string oldReport = "the report of an earlier run\r\n";
    writeBytes(reports / "report.txt", oldReport);
    testing::fillDrive(reports);

    const std::string report = (reports / "report.txt").u8string();
    const CliRun run = runCli(dir, {"--locale", "en_US", "problem.json", report});

    EXPECT_EQ(run.status, 1) << run.end;
    EXPECT_EQ(run.err, "thalmuro-cli: cannot write the report \"" + report +
                           "\": " + std::generic_category().message(ENOSPC) + "\n");
    EXPECT_EQ(readBytes(reports / "report.txt"), oldReport);
    EXPECT_EQ(testing::tree(reports), (std::vector<std::string>{"filler", "report.txt"}));
    thalmuro::testing::removeFolder(reports);
}

TEST(CliOnWindows, ReportToTheNulDevice) {
    const ScratchDir dir;
    writeBytes(dir / "problem.json", kGoodProblem);
    const CliRun run = runCli(dir, {"--locale", "en_US", "problem.json", "NUL"});
    EXPECT_EQ(run.status, 0) << run.end << "\n" << run.err;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"problem.json"});
}

}  // namespace
}  // namespace thalmuro
