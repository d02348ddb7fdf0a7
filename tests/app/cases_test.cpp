// Regression cases kept as data: every problem file NAME.json of the cases folder is solved by the
// built thalmuro-cli and the report it writes must equal NAME.txt byte for byte. A name ending in
// "_en" is run in the English regional format (--locale en_US), every other in the Greek one
// (--locale el_GR). The folder is read when the tests start, so that a new case is two new files.
// A case with expected checks, NAME.checks.json, must have the runner print those checks
// (--checks --format json): every verdict, basis, riser and section as written there, and every
// figure within the file's relative tolerance.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_process.h"
#include "windows1253_text.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

const fs::path kCasesDir = THALMURO_CASES;

struct Case {
    std::string name;  // the file name without .json
    std::string locale;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name << " (" << c.locale << ")";
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The cases of the folder in name order; none when it cannot be read (the folder test says so).
constexpr std::string_view kChecksSuffix = ".checks";

std::vector<Case> casesInFolder() {
    std::vector<Case> cases;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kCasesDir, error)) {
        if (entry.path().extension() != ".json") continue;
        const std::string name = entry.path().stem().string();
        if (endsWith(name, kChecksSuffix)) continue;
        cases.push_back({name, endsWith(name, "_en") ? "en_US" : "el_GR"});
    }
    std::sort(cases.begin(), cases.end(),
              [](const Case& a, const Case& b) { return a.name < b.name; });
    return cases;
}

// One report line for a reader: the Windows-1253 bytes as UTF-8, the line end and any other
// control character or byte the code page leaves undefined written as an escape.
std::string readable(std::string_view line) {
    std::string out;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            const std::optional<std::string> decoded =
                byte >= 0x80 ? testing::utf8OfWindows1253(byte) : std::nullopt;
            if (decoded) {
                out += *decoded;
            } else {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02X", byte);
                out += escape;
            }
        }
    }
    return out;
}

// The report's lines, each with its line end.
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size() - 1) + 1;
        lines.push_back(bytes.substr(0, end));
        bytes.remove_prefix(end);
    }
    return lines;
}

// Where two different reports first part: the line's number and both versions of it.
std::string firstDifference(std::string_view expected, std::string_view got) {
    const std::vector<std::string_view> e = linesOf(expected);
    const std::vector<std::string_view> g = linesOf(got);
    std::size_t line = 0;
    while (line < e.size() && line < g.size() && e[line] == g[line]) {
        ++line;
    }
    const auto shown = [&](const std::vector<std::string_view>& lines) {
        return line < lines.size() ? "\"" + readable(lines[line]) + "\""
                                   : std::string("(the report has ended)");
    };
    return "first difference at line " + std::to_string(line + 1) + "\n  expected: " + shown(e) +
           "\n  got:      " + shown(g);
}

class CaseRun : public ::testing::TestWithParam<Case> {};

TEST_P(CaseRun, WritesTheExpectedReport) {
    const Case& c = GetParam();
    const fs::path problem = kCasesDir / (c.name + ".json");
    const fs::path expectedReport = kCasesDir / (c.name + ".txt");
    if (!fs::is_regular_file(expectedReport)) {
        FAIL() << "the case has no expected report " << expectedReport
               << ": write it with the runner and read it (see README.md of the folder)";
    }
    const std::string expected = readBytes(expectedReport);

    const ScratchDir dir;
    const fs::path report = dir / "report.txt";
    const CliRun run = runCli(dir, {"--locale", c.locale, problem.string(), report.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string got = readBytes(report);
    EXPECT_TRUE(got == expected) << c.name << ".txt: " << firstDifference(expected, got)
                                 << (run.err.empty() ? "" : "\nwarnings of the run:\n" + run.err);
}

// The cases that have expected checks.
std::vector<Case> casesWithChecks() {
    std::vector<Case> cases;
    for (const Case& c : casesInFolder()) {
        if (fs::is_regular_file(kCasesDir / (c.name + ".checks.json"))) cases.push_back(c);
    }
    return cases;
}

// Where the figures `got` differ from `expected` beyond the relative tolerance; empty when they
// agree.
std::string figuresDiffer(const nlohmann::json& expected, const nlohmann::json& got,
                          double tolerance) {
    if (!got.is_array() || got.size() != expected.size()) {
        return "expected " + expected.dump() + ", got " + got.dump();
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double e = expected[i].get<double>();
        const double g = got[i].get<double>();
        if (!(std::fabs(e - g) <= tolerance * std::max(std::fabs(e), std::fabs(g)))) {
            return "figure " + std::to_string(i + 1) + ": expected " + expected[i].dump() +
                   ", got " + got[i].dump();
        }
    }
    return {};
}

// Where a failed discharge as printed differs from the expected one; empty when they agree.
std::string failureDiffers(const nlohmann::json& expected, const nlohmann::json& got,
                           double tolerance) {
    if (expected.is_null() || got.is_null()) {
        return expected.is_null() == got.is_null()
                   ? std::string()
                   : "expected " + expected.dump() + ", got " + got.dump();
    }
    for (const char* key : {"kind", "fitting", "risers"}) {
        if (got[key] != expected[key]) {
            return std::string(key) + ": expected " + expected[key].dump() + ", got " +
                   got[key].dump();
        }
    }
    for (const char* key : {"specific_energy", "pipe_diameter", "trial_discharge", "x", "share"}) {
        const std::string differ = figuresDiffer(nlohmann::json::array({expected[key]}),
                                                 nlohmann::json::array({got[key]}), tolerance);
        if (!differ.empty()) return std::string(key) + ": " + differ;
    }
    return {};
}

class CaseChecks : public ::testing::TestWithParam<Case> {};

TEST_P(CaseChecks, PrintsTheExpectedChecks) {
    const Case& c = GetParam();
    const nlohmann::json expected =
        nlohmann::json::parse(readBytes(kCasesDir / (c.name + ".checks.json")));
    const double tolerance = expected.at("tolerance").get<double>();
    const nlohmann::json noFailure;
    const nlohmann::json& failure =
        expected.contains("discharge_failure") ? expected["discharge_failure"] : noFailure;

    const ScratchDir dir;
    const CliRun run = runCli(dir, {"--checks", "--format", "json", "--locale", c.locale,
                                    (kCasesDir / (c.name + ".json")).string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json printed = nlohmann::json::parse(run.out).at("checks");
    ASSERT_EQ(printed.size(), expected.at("checks").size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const nlohmann::json& e = expected["checks"][i];
        const nlohmann::json& got = printed[i];
        SCOPED_TRACE(e.at("name").get<std::string>());
        EXPECT_EQ(got.at("name"), e.at("name"));
        for (const char* key : {"verdict", "basis", "risers", "sections"})
            EXPECT_EQ(got.at(key), e.at(key)) << key;
        const std::string figures = figuresDiffer(e.at("values"), got.at("values"), tolerance);
        EXPECT_TRUE(figures.empty()) << figures;
        // Every check whose figures the failed discharges left out says so.
        const bool leftOut = e["name"] != "skipped_steps";
        const std::string why =
            failureDiffers(leftOut ? failure : noFailure, got.at("discharge_failure"), tolerance);
        EXPECT_TRUE(why.empty()) << why;
    }
}

// Test names allow letters, digits and underscores only.
std::string testName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseRun, ::testing::ValuesIn(casesInFolder()), testName);
INSTANTIATE_TEST_SUITE_P(Cases, CaseChecks, ::testing::ValuesIn(casesWithChecks()), testName);

// An expected report or expected checks whose problem file was renamed or removed would never be
// compared again.
TEST(CasesFolder, EveryExpectedReportHasItsProblem) {
    std::error_code error;
    int reports = 0;
    for (const auto& entry : fs::directory_iterator(kCasesDir, error)) {
        const std::string stem = entry.path().stem().string();
        const bool checks = entry.path().extension() == ".json" && endsWith(stem, kChecksSuffix);
        if (entry.path().extension() != ".txt" && !checks) continue;
        if (!checks) ++reports;
        const fs::path problem =
            kCasesDir /
            (stem.substr(0, stem.size() - (checks ? kChecksSuffix.size() : 0)) + ".json");
        EXPECT_TRUE(fs::is_regular_file(problem))
            << entry.path() << " has no problem file " << problem.filename();
    }
    ASSERT_FALSE(error) << kCasesDir << ": " << error.message();
    EXPECT_GT(reports, 0) << "no expected report in " << kCasesDir;
}

}  // namespace
}  // namespace thalmuro
