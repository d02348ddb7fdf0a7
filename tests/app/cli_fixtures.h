// What the runner's tests share: the reports the engine itself writes, and problem files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "cli_process.h"
#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {

// The report and the warnings of a Solve run in the program itself, with fresh shared
// variables as the program starts with.
struct Expected {
    std::string report;
    std::string warnings;
};

inline Expected solveDirectly(const DiffuserInput& input, const std::optional<std::string>& ratio,
                              const NumberLocale& locale, const ScratchDir& dir) {
    const std::filesystem::path reportPath = dir / "direct.txt";
    SharedState state;
    DiffuserInput answered = input;
    answered.ratio = ratio;
    const SolveOutcome outcome = Solve(answered, state, locale);
    EXPECT_FALSE(writeReport(reportPath.string(), outcome.report));
    Expected expected{readBytes(reportPath), {}};
    std::filesystem::remove(reportPath);
    for (const SkippedCause& cause : explainSkipped(answered, outcome, locale)) {
        expected.warnings +=
            "thalmuro-cli: warning: " + wordSkippedCause(cause, Language::english) + "\n";
    }
    return expected;
}

// The worked example typed in `locale`, as its problem files hold it (standard flow mode).
inline DiffuserInput workedExampleFile(const NumberLocale& locale) {
    DiffuserInput in = workedExample(locale);
    in.flow_mode = FlowMode::standard;
    return in;
}

// A problem file holding `in` and the answer `ratio`.
inline std::string problemJson(DiffuserInput in, const std::optional<std::string>& ratio) {
    in.ratio = ratio;
    return problemText(in);
}

const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();

const std::string kGoodProblem =
    problemJson(workedExampleFile(NumberLocale::english()), std::nullopt);

}  // namespace thalmuro
