#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();

// The worked example with its section table replaced by `rows` (first, last, spacing), every
// section with the example's pipe, elevation step and riser diameter.
DiffuserInput withSpacings(int risers,
                           const std::vector<std::tuple<int, int, std::string>>& sections) {
    DiffuserInput input = workedExample(kGreek);
    input.risers = std::to_string(risers);
    input.sections = std::to_string(sections.size());
    const SectionRow pattern = input.rows[0];
    input.rows = {};
    for (std::size_t s = 0; s < sections.size(); ++s) {
        SectionRow& row = input.rows[s];
        row = pattern;
        row.first_riser = std::to_string(std::get<0>(sections[s]));
        row.last_riser = std::to_string(std::get<1>(sections[s]));
        row.spacing = std::get<2>(sections[s]);
    }
    return input;
}

// The profile is the store's own figures, riser by riser, at the distances the section table
// gives the risers from the seaward end; a reach without a readable spacing leaves the distances
// landward of it unknown, but not the heads.
TEST(HydraulicProfile, TheMarchFiguresAlongThePipe) {
    const double unknown = std::nan("");
    struct Case {
        const char* name;
        DiffuserInput input;
        std::vector<double> distance;
    };
    const Case cases[] = {
        {"worked example, 8 m throughout",
         workedExample(kGreek),
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104}},
        // A reach takes the spacing of the section of its seaward riser: 3 to 4 is 5 m, 6 to 7
        // is 10 m.
        {"three sections of different spacings",
         withSpacings(8, {{1, 3, "5"}, {4, 6, "10"}, {7, 8, "2,5"}}),
         {0, 5, 10, 15, 25, 35, 45, 47.5}},
        {"a section named twice takes the later spacing",
         withSpacings(5, {{1, 3, "4"}, {3, 5, "6"}}),
         {0, 4, 8, 14, 20}},
        {"an unreadable spacing",
         withSpacings(6, {{1, 2, "5"}, {3, 4, "πέντε"}, {5, 6, "5"}}),
         {0, 5, 10, unknown, unknown, unknown}},
        {"one riser", withSpacings(1, {{1, 1, "8"}}), {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        Solve(c.input, state, kGreek);
        const DiffuserResults& r = state.results;
        const HydraulicProfile profile = hydraulicProfile(c.input, state, kGreek);

        ASSERT_EQ(profile.distance.size(), c.distance.size());
        ASSERT_EQ(profile.energy.size(), c.distance.size());
        ASSERT_EQ(profile.piezometric.size(), c.distance.size());
        for (std::size_t i = 0; i < c.distance.size(); ++i) {
            SCOPED_TRACE("riser " + std::to_string(i + 1));
            if (std::isnan(c.distance[i])) {
                EXPECT_TRUE(std::isnan(profile.distance[i]));
            } else {
                EXPECT_DOUBLE_EQ(profile.distance[i], c.distance[i]);
            }
            EXPECT_EQ(profile.energy[i], r.specific_energy[i]);
            const double v = r.v_diffuser[i];
            EXPECT_EQ(profile.piezometric[i], r.specific_energy[i] - v * v / (2 * 9.807));
            // Where the march could go on, the pipe flows: the piezometric line lies below the
            // energy line.
            if (!std::isnan(c.distance[i])) {
                EXPECT_LT(profile.piezometric[i], profile.energy[i]);
            }
        }
        const std::size_t n = c.distance.size();
        EXPECT_EQ(profile.landward_riser, static_cast<int>(n));
        EXPECT_EQ(profile.landward_head, r.specific_energy[n - 1]);
    }
}

// The landward head is the figure the loading-shaft window starts from: its head with no pipe
// to the shaft and no depth.
TEST(HydraulicProfile, LandwardHeadIsTheShaftHeadBeforeItsPipe) {
    SharedState state;
    const DiffuserInput input = workedExample(kGreek);
    Solve(input, state, kGreek);
    const HydraulicProfile profile = hydraulicProfile(input, state, kGreek);
    const Num shaft = loadingShaftHead(state.results, "0", "0", kGreek);
    ASSERT_TRUE(shaft.ok());
    EXPECT_EQ(profile.landward_head, shaft.value());
    EXPECT_EQ(formatPattern(profile.landward_head, "0.000", kGreek), "1,123");
}

TEST(HydraulicProfile, NothingToDrawOutsideTheStoredRisers) {
    for (const int risers : {0, -2, 102}) {
        SCOPED_TRACE(risers);
        SharedState state;
        const DiffuserInput input = workedExample(kGreek);
        Solve(input, state, kGreek);
        state.results.n_risers = static_cast<std::int16_t>(risers);
        const HydraulicProfile profile = hydraulicProfile(input, state, kGreek);
        EXPECT_TRUE(profile.distance.empty());
        EXPECT_TRUE(profile.energy.empty());
        EXPECT_TRUE(profile.piezometric.empty());
        EXPECT_TRUE(std::isnan(profile.landward_head));
        EXPECT_EQ(profile.landward_riser, 0);
    }
}

}  // namespace
}  // namespace thalmuro
