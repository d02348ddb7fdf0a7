// Both programs as a user starts them for their version and their options, and their manual
// pages against the options they show.

#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cli_process.h"

namespace thalmuro {
namespace {

const std::string kDesktopProgram = THALMURO_DESKTOP;
const LocaleEnv kOffscreen = {{"QT_QPA_PLATFORM", "offscreen"}};

// As over ssh or in a text console: no display and no platform chosen, so that the windows'
// application object could not start.
const LocaleEnv kNoDisplay = {{"DISPLAY", std::nullopt},
                              {"WAYLAND_DISPLAY", std::nullopt},
                              {"QT_QPA_PLATFORM", std::nullopt}};

// The version and the options need no display: each answers as it does on one and exits 0.
TEST(DesktopProgram, AnswersWithoutADisplay) {
    const ScratchDir dir;
    for (const char* option : {"--version", "-v", "--help", "-h", "--help-all"}) {
        SCOPED_TRACE(option);
        const CliRun withDisplay = runProgram(kDesktopProgram, dir, {option}, kOffscreen);
        const CliRun without = runProgram(kDesktopProgram, dir, {option}, kNoDisplay);
        EXPECT_EQ(without.status, 0) << without.end << '\n' << without.err;
        EXPECT_EQ(without.err, withDisplay.err);
        EXPECT_FALSE(without.out.empty());
        EXPECT_EQ(without.out, withDisplay.out);
    }
}

TEST(DesktopProgram, ShowsItsVersion) {
    const ScratchDir dir;
    for (const char* option : {"--version", "-v"}) {
        const CliRun run = runProgram(kDesktopProgram, dir, {option}, kOffscreen);
        EXPECT_EQ(run.status, 0) << option << ": " << run.end << '\n' << run.err;
        EXPECT_EQ(run.out, "thalmuro " THALMURO_VERSION "\n") << option;
    }
}

TEST(DesktopProgram, ShowsItsOptions) {
    const ScratchDir dir;
    for (const char* option : {"--help", "-h"}) {
        const CliRun run = runProgram(kDesktopProgram, dir, {option}, kOffscreen);
        EXPECT_EQ(run.status, 0) << option << ": " << run.end << '\n' << run.err;
        EXPECT_EQ(run.out.rfind("Usage: " + kDesktopProgram + " [options] [PROBLEM.json]\n", 0), 0u)
            << run.out;
        EXPECT_NE(run.out.find("-v, --version"), std::string::npos) << run.out;
    }
}

// The options named in a text: "-h", "--max-passes", each standing after a space, a bracket, a
// comma or at a line's start (so that "command-line" names none). In a manual page "\-" is a
// dash.
std::set<std::string> optionsIn(std::string text) {
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    std::set<std::string> options;
    const std::regex option(R"((?:^|[\s\[,(|])(--?[a-z][a-z-]*))");
    for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) {
        options.insert((*it)[1]);
    }
    return options;
}

struct ManualPage {
    std::string name;
    std::string program;
    std::string page;
    std::vector<std::string> help;     // the arguments that show the program's own options
    std::vector<std::string> helpAll;  // those that show every option it takes
};

void PrintTo(const ManualPage& c, std::ostream* out) {
    *out << c.page;
}

class Manual : public ::testing::TestWithParam<ManualPage> {};

// The page describes every option the program shows, and names none that it does not take.
TEST_P(Manual, MatchesTheOptions) {
    const ManualPage& c = GetParam();
    const ScratchDir dir;
    const CliRun help = runProgram(c.program, dir, c.help, kOffscreen);
    const CliRun all = runProgram(c.program, dir, c.helpAll, kOffscreen);
    ASSERT_EQ(help.status, 0) << help.end;
    ASSERT_EQ(all.status, 0) << all.end;
    const std::set<std::string> page = optionsIn(readBytes(c.page));
    const std::set<std::string> shown = optionsIn(help.out);
    const std::set<std::string> taken = optionsIn(all.out);
    ASSERT_FALSE(shown.empty());
    for (const std::string& option : shown) {
        EXPECT_EQ(page.count(option), 1u) << c.page << " does not describe " << option;
    }
    for (const std::string& option : page) {
        EXPECT_EQ(taken.count(option), 1u) << c.page << " names " << option << ", not taken";
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Manual,
                         ::testing::Values(ManualPage{"Desktop",
                                                      THALMURO_DESKTOP,
                                                      THALMURO_MAN_PAGES "/thalmuro.1",
                                                      {"--help"},
                                                      {"--help-all"}},
                                           ManualPage{"Runner",
                                                      THALMURO_CLI,
                                                      THALMURO_MAN_PAGES "/thalmuro-cli.1",
                                                      {"--help"},
                                                      {"--help"}}),
                         [](const ::testing::TestParamInfo<ManualPage>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace thalmuro
