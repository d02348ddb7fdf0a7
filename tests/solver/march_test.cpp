#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();

SolveOutcome solve(const DiffuserInput& input, SharedState& state) {
    return Solve(input, state, kGreek);
}

bool skipped(const SolveOutcome& outcome, const std::string& stepPart, Fault cause) {
    const auto& skips = outcome.skipped;
    return std::any_of(skips.begin(), skips.end(), [&](const Skip& s) {
        return s.cause == cause && s.step.find(stepPart) != std::string::npos;
    });
}

// One section holding risers 1..n with the given cells (Greek decimals).
DiffuserInput singleSection(const std::string& risers, const std::string& pipe = "0,5",
                            const std::string& riser = "0,1") {
    DiffuserInput in;
    in.risers = risers;
    in.sections = "1";
    in.drho = "0,03";
    in.total_discharge = "0,3";
    in.manning = "0,012";
    in.rows[0] = {"1", risers, pipe, "5", "0,1", riser};
    return in;
}

// The worked example under the standard flow mode, checked to the last bit against the march
// worked out independently, step by step, in the same order of operations.
TEST(WorkedExample, StandardModeGivesTheHandWorkedMarch) {
    struct Riser {
        int k;
        double energy, cd, vDiffuser, vRiser, q, froude;
    };
    const Riser expected[] = {
        {1, 0.7090338565210903, 0.6245661636323633, 0.36095731995815616, 2.3291369459128166,
         0.02394, 12.550029215297263},
        {2, 0.7186132979154601, 0.6084097685612165, 0.7243448261475369, 2.3448181254418814,
         0.02410117877421702, 12.634523715101333},
        {3, 0.7386038451185383, 0.6003339477108763, 0.8608049381875243, 2.3850011263029147,
         0.02451419916028802, 12.851040754019644},
        {4, 0.7614158630643519, 0.5780923166136265, 1.1561012544827682, 2.421551816892196,
         0.02488988489840784, 13.047985908120491},
        {5, 0.7976284240629182, 0.5511543689507739, 1.4583380806977935, 2.4784668662137097,
         0.025474885399622695, 13.354659817110047},
        {6, 0.8516198740699202, 0.5877598042541412, 1.102947761780295, 2.569418295475031,
         0.02640972833375626, 13.844731084239974},
        {7, 0.8777157577756052, 0.5729775039932137, 1.3009755902624187, 2.6084881367193207,
         0.02681130712500322, 14.055250113579701},
        {8, 0.9116208661658477, 0.5567436467262282, 1.502791967538765, 2.6583921560728596,
         0.027324244857333722, 14.324146668566176},
        {9, 0.95480835767197, 0.5706536577381329, 1.3842807292725676, 2.7225963751248354,
         0.02798416698290969, 14.670096624948776},
        {10, 0.9882579939089786, 0.5576888182806523, 1.5545582007699872, 2.769875979264482,
         0.02847012970188564, 14.92485211035786},
        {11, 1.028839452979362, 0.544147930850283, 1.7282966055011904, 2.826174418193561,
         0.029048792382209036, 15.228203553292731},
        {12, 1.0775494993423942, 0.5904457045306581, 1.2005618261252944, 2.8947066942509077,
         0.029753200378351954, 15.5974742688768},
        {13, 1.0987824347865203, 0.5835521402172735, 1.3137350790275382, 2.9230874262344515,
         0.030044911316550894, 15.750397443347078},
        {14, 1.1229950185878257, 0.5762930226185815, 1.428148470610801, 2.9551182611915903,
         0.030374139784726417, 15.92298837459647},
    };
    SharedState state;
    DiffuserInput in = workedExample(kGreek);
    in.flow_mode = FlowMode::standard;
    const SolveOutcome out = solve(in, state);
    const DiffuserResults& r = state.results;
    EXPECT_TRUE(out.skipped.empty()) << out.skipped.front().step;
    EXPECT_EQ(r.n_risers, 14);
    EXPECT_EQ(state.tmimata, 5);
    EXPECT_EQ(r.f_section[0], 0.01880823319903676);
    EXPECT_EQ(r.f_section[4], 0.014926427148741326);
    for (const Riser& e : expected) {
        SCOPED_TRACE("riser " + std::to_string(e.k));
        const auto i = static_cast<std::size_t>(e.k - 1);
        EXPECT_EQ(r.specific_energy[i], e.energy);
        EXPECT_EQ(r.cd[i], e.cd);
        EXPECT_EQ(r.v_diffuser[i], e.vDiffuser);
        EXPECT_EQ(r.v_riser[i], e.vRiser);
        EXPECT_EQ(r.q_riser[i], e.q);
        EXPECT_EQ(r.froude[i], e.froude);
    }
    EXPECT_EQ(out.balance.qc, 0.95 * 0.3528 / 14);
    EXPECT_EQ(out.balance.qcalc, 0.37914076909526234);
    EXPECT_EQ(out.balance.passes, 1);

    // The figures an engineer checks by eye.
    EXPECT_NEAR(r.specific_energy[0], 0.71, 0.005);
    EXPECT_NEAR(r.q_riser[13], 0.030, 0.001);
    for (std::size_t i = 0; i < 14; ++i) {
        EXPECT_GT(r.froude[i], 10.0);
        if (i > 0) {
            EXPECT_GT(r.q_riser[i], r.q_riser[i - 1]);
        }
    }
}

TEST(WorkedExample, SameResultsUnderGreekAndEnglishTyping) {
    SharedState greek;
    SharedState english;
    solve(workedExample(kGreek), greek);
    Solve(workedExample(NumberLocale::english()), english, NumberLocale::english());
    EXPECT_EQ(greek.results.specific_energy, english.results.specific_energy);
    EXPECT_EQ(greek.results.q_riser, english.results.q_riser);
}

TEST(CdLaws, SmallVelocityHeadGivesTheBaseCoefficient) {
    // A very wide pipe makes the velocity head negligible against the specific energy.
    for (const auto& [fitting, base] :
         {std::pair{FittingType::Sharp, 0.63}, std::pair{FittingType::Bell, 0.975}}) {
        SharedState state;
        DiffuserInput in = singleSection("5", "50");
        in.fitting = fitting;
        solve(in, state);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_NEAR(state.results.cd[i], base, 1e-6);
    }
}

// How the section rows are copied onto the risers.
TEST(SectionCopy, RowsDecideWhichRisersTakeTheirData) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> rows;  // first and last riser texts
        std::string risers;
        // Expected d_pipe of risers 1..6 (0 = not written): row r has pipe diameter r.
        std::vector<double> pipe;
    };
    const Case cases[] = {
        {"one row per riser range", {{"1", "2"}, {"3", "6"}}, "6", {1, 1, 2, 2, 2, 2}},
        {"the later of two overlapping rows wins",
         {{"1", "3"}, {"3", "6"}},
         "6",
         {1, 1, 2, 2, 2, 2}},
        {"a riser named by no row keeps zero", {{"1", "2"}, {"4", "6"}}, "6", {1, 1, 0, 2, 2, 2}},
        // 1,5 - 1 = 0,5 counts 0,5 1,5 2,5: indexes round half to even to 0, 2, 2.
        {"fractional riser numbers round half to even", {{"1,5", "3,5"}}, "6", {1, 0, 1, 0, 0, 0}},
        {"an unreadable riser number names no riser",
         {{"x", "3"}, {"4", "y"}},
         "6",
         {0, 0, 0, 0, 0, 0}},
        {"rows beyond the section count are never read",
         {{"1", "6"}, {"1", "6"}},
         "6",
         {1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SharedState state;
        DiffuserInput in = singleSection(c.risers);
        in.sections = std::string(c.name).find("beyond") != std::string::npos
                          ? "1"
                          : std::to_string(c.rows.size());
        for (std::size_t s = 0; s < c.rows.size(); ++s) {
            in.rows[s] = {
                c.rows[s].first, c.rows[s].second, std::to_string(s + 1), "5", "0,1", "0,1"};
        }
        solve(in, state);
        for (std::size_t i = 0; i < c.pipe.size(); ++i) {
            EXPECT_EQ(state.results.d_pipe[i], c.pipe[i]) << "riser " << i + 1;
        }
    }
}

TEST(SectionCopy, RiserNumbersOutsideTheArraysAreSkippedWithoutEndlessLoops) {
    for (const auto& [first, last] : {std::pair{"1", "150"}, std::pair{"-1E15", "1E15"},
                                      std::pair{"-1E300", "1E300"}, std::pair{"200", "300"}}) {
        SCOPED_TRACE(std::string(first) + " to " + last);
        SharedState state;
        DiffuserInput in = singleSection("101", "0,5");
        in.rows[0].first_riser = first;
        in.rows[0].last_riser = last;
        const SolveOutcome out = solve(in, state);
        EXPECT_TRUE(skipped(out, "copy of section 1", Fault::index_outside));
        // From -1E300 a step of 1 no longer moves the count: no riser is ever reached.
        const bool none = std::string(first) == "200" || std::string(first) == "-1E300";
        const double expected = none ? 0.0 : 0.5;
        EXPECT_EQ(state.results.d_pipe[0], expected);
        EXPECT_EQ(state.results.d_pipe[100], expected);
    }
}

TEST(Failures, CountsAndUnreadableInputs) {
    SharedState state;
    solve(singleSection("20"), state);
    const DiffuserResults before = state.results;

    // A count beyond 32767 and an unreadable Q keep what the last Solve read.
    DiffuserInput in = singleSection("20");
    in.risers = "40000";
    in.sections = "40000";
    in.total_discharge = "0,3,0";
    const SolveOutcome out = solve(in, state);
    EXPECT_EQ(state.results.n_risers, 20);
    EXPECT_EQ(state.tmimata, 1);
    EXPECT_EQ(state.results.q_total, before.q_total);
    EXPECT_TRUE(skipped(out, "number of risers", Fault::overflow));
    EXPECT_TRUE(skipped(out, "total discharge", Fault::unreadable_text));
}

TEST(Failures, NoRisersOrOneRiser) {
    {
        // N = 0: qc = 0.95 Q / 0 cannot be computed and stays zero; only riser 1 is marched.
        SharedState state;
        const SolveOutcome out = solve(singleSection("0"), state);
        EXPECT_TRUE(skipped(out, "qc = 0.95 Q / N", Fault::division_by_zero));
        EXPECT_EQ(out.balance.qc, 0.0);
        EXPECT_EQ(out.balance.qcalc, 0.0);
        EXPECT_EQ(state.results.q_riser[1], 0.0);
    }
    {
        SharedState state;
        DiffuserInput in = singleSection("1");
        in.flow_mode = FlowMode::optimised;
        const SolveOutcome out = solve(in, state);
        EXPECT_EQ(out.balance.qcalc, out.balance.qc);
        EXPECT_EQ(out.balance.passes, 1);
        EXPECT_EQ(state.results.specific_energy[1], 0.0);
        EXPECT_GT(state.results.specific_energy[0], 0.0);
    }
}

TEST(Failures, StepsThatCannotBeComputedKeepEarlierValues) {
    SharedState state;
    solve(singleSection("4"), state);
    const DiffuserResults before = state.results;

    // Δρ/ρ of zero divides the Froude number by zero; an unreadable Manning number leaves the
    // friction factor of the last Solve.
    DiffuserInput in = singleSection("4", "0,6");
    in.drho = "0";
    in.manning = "n";
    const SolveOutcome out = solve(in, state);
    EXPECT_EQ(state.results.froude, before.froude);
    EXPECT_EQ(state.results.f_section[0], before.f_section[0]);
    EXPECT_NE(state.results.specific_energy[1], before.specific_energy[1]);
    EXPECT_TRUE(skipped(out, "froude(0)", Fault::division_by_zero));
    EXPECT_TRUE(skipped(out, "f_section(0)", Fault::unreadable_text));

    // Bell: X above 1 makes (1 - X)^0.375 undefined. A pipe narrower than the riser pushes the
    // pipe velocity head above the specific energy.
    DiffuserInput bell = singleSection("4", "0,05", "0,1");
    bell.fitting = FittingType::Bell;
    const SolveOutcome bellOut = solve(bell, state);
    EXPECT_TRUE(skipped(bellOut, "cd(1)", Fault::negative_fractional_power));
}

// A value met with several faults tells the first in the order of Fault; a value that is not
// finite without one is an overflow.
TEST(Failures, TheFirstFaultIsTold) {
    const unsigned zero = Num::bit(Fault::division_by_zero);
    const struct {
        Num value;
        Fault expected;
    } cases[] = {
        {Num(1.5), Fault::none},
        {Num(HUGE_VAL), Fault::overflow},
        {Num::failed(Fault::below_precision), Fault::below_precision},
        {Num(0.0, zero | Num::bit(Fault::overflow)), Fault::division_by_zero},
        {Num(0.0, Num::bit(Fault::unreadable_text) | zero), Fault::unreadable_text},
        {Num(HUGE_VAL, Num::bit(Fault::negative_fractional_power)),
         Fault::negative_fractional_power},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.expected));
        EXPECT_EQ(c.value.fault(), c.expected);
        EXPECT_EQ(c.value.ok(), c.expected == Fault::none);
    }
}

TEST(Failures, RisersAndSectionsBeyondTheArrays) {
    SharedState state;
    DiffuserInput in = singleSection("150");
    in.rows[0].last_riser = "150";
    in.sections = "40";
    for (std::size_t s = 1; s < 30; ++s)
        in.rows[s] = {"1", "0", "1", "1", "1", "1"};
    const SolveOutcome out = solve(in, state);
    EXPECT_EQ(state.results.n_risers, 150);
    EXPECT_EQ(state.tmimata, 40);
    EXPECT_GT(state.results.q_riser[100], 0.0);
    EXPECT_TRUE(skipped(out, "every step of risers 102 to 150", Fault::index_outside));
    EXPECT_TRUE(skipped(out, "rows 31 to 40", Fault::index_outside));
    EXPECT_TRUE(skipped(out, "friction factor of sections 31 to 40", Fault::index_outside));
    // The report lines left out are report lines, those beyond the arrays named by the first
    // riser or section beyond them.
    long riserLines = 0;
    long sectionLines = 0;
    for (const Skip& skip : out.skipped) {
        const bool reportLine = skip.step.rfind("report: ", 0) == 0;
        EXPECT_EQ(skip.kind == StepKind::report_line, reportLine) << skip.step;
        if (!reportLine) continue;
        if (skip.riser == kMaxRisers + 1) riserLines += skip.count;
        if (skip.section == kSectionRows + 1) sectionLines += skip.count;
    }
    EXPECT_EQ(riserLines, 150 - kMaxRisers);
    EXPECT_EQ(sectionLines, 6 * (40 - kSectionRows));
    // qcalc adds only the 101 stored risers.
    double sum = 0.0;
    for (double q : state.results.q_riser)
        sum += q;
    EXPECT_EQ(out.balance.qcalc, sum);
}

TEST(Failures, ValuesBeyondASmallerSecondSolveStayStale) {
    SharedState state;
    solve(singleSection("20"), state);
    const DiffuserResults first = state.results;
    solve(singleSection("10", "0,7"), state);
    const DiffuserResults& second = state.results;
    EXPECT_EQ(second.n_risers, 10);
    EXPECT_NE(second.specific_energy[5], first.specific_energy[5]);
    for (std::size_t i = 10; i < 20; ++i) {
        EXPECT_EQ(second.specific_energy[i], first.specific_energy[i]);
        EXPECT_EQ(second.q_riser[i], first.q_riser[i]);
        EXPECT_EQ(second.d_pipe[i], first.d_pipe[i]);
    }
    EXPECT_EQ(second.q_pipe[9], first.q_pipe[9]);  // only indexes 0..N-2 are written
}

}  // namespace
}  // namespace thalmuro
