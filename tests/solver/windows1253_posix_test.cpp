// The engine without the C library's Windows-1253 converter: this test program run again with
// the converter taken away.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "child_process.h"
#include "no_windows1253.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

using namespace std::chrono_literals;

// Set in the environment of the second run of this test program, which lacks the converter.
constexpr char kSecondRun[] = "THALMURO_TEST_WITHOUT_WINDOWS1253";

TEST(Windows1253, NothingWithoutTheConverter) {
    if (std::getenv(kSecondRun) == nullptr) {
        EXPECT_EQ(encodeWindows1253("Δρ/ρ ά"), std::optional<std::string>("\xC4\xF1/\xF1 \xDC"));
        const testing::ChildEnd end =
            testing::runTestAgain("Windows1253.NothingWithoutTheConverter",
                                  {testing::withoutWindows1253Converter(), {kSecondRun, "1"}}, 60s);
        EXPECT_EQ(end.status, 0) << "the run without the converter failed: " << end.describe();
        return;
    }
    EXPECT_EQ(encodeWindows1253("Δρ/ρ ά"), std::nullopt);
    EXPECT_EQ(decodeWindows1253("\xC4\xF1/\xF1 \xDC"), std::nullopt);
    // Solve still computes and gives the report's text, but no bytes: writing it fails with
    // the reason and leaves no file.
    SharedState state;
    const SolveOutcome out =
        Solve(workedExample(NumberLocale::greek()), state, NumberLocale::greek());
    EXPECT_FALSE(out.report.text.empty());
    EXPECT_EQ(out.report.bytes, std::nullopt);
    const std::string file = ::testing::TempDir() + "thalmuro_no_converter.txt";
    EXPECT_TRUE(writeReport(file, out.report) == EngineError::no_converter);
    EXPECT_NE(access(file.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace thalmuro
