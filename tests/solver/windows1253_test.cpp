#include "windows1253.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "child_process.h"
#include "no_windows1253.h"
#include "report.h"

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
    // Until its callers ask encodeWindows1253 themselves, the report keeps the UTF-8 text.
    EXPECT_EQ(toWindows1253("Δρ/ρ ά"), "Δρ/ρ ά");
}

}  // namespace
}  // namespace thalmuro
