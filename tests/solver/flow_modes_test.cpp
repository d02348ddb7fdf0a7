#include <gtest/gtest.h>

#include <string>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();

struct Solved {
    SharedState state;
    SolveOutcome outcome;
};

Solved run(FlowMode mode, std::optional<std::string> ratio = std::nullopt,
           DiffuserInput in = workedExample(kGreek)) {
    Solved r;
    in.ratio = std::move(ratio);
    in.flow_mode = mode;
    r.outcome = Solve(in, r.state, kGreek);
    return r;
}

const double kQ = 0.3528;
const double kN = 14;

TEST(FlowModes, FirstRiserDischargeByMode) {
    struct Case {
        const char* name;
        FlowMode mode;
        std::optional<std::string> ratio;
        double qc;
    };
    const Case cases[] = {
        {"no mark", FlowMode::none, std::nullopt, 0.95 * kQ / kN},
        {"standard", FlowMode::standard, std::nullopt, 0.95 * kQ / kN},
        {"user, offered text accepted", FlowMode::user, "0,90", 0.9 * kQ / kN},
        {"user, decimal point in a Greek setting reads 90", FlowMode::user, "0.90", 90 * kQ / kN},
        {"user, Cancel", FlowMode::user, std::nullopt, 0.0},
        {"user, empty answer", FlowMode::user, "", 0.0},
        {"user, unreadable answer", FlowMode::user, "x", 0.0},
        {"standard ignores a ratio", FlowMode::standard, "0,5", 0.95 * kQ / kN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Solved r = run(c.mode, c.ratio);
        EXPECT_EQ(r.outcome.balance.qc, c.qc);
        EXPECT_EQ(r.outcome.balance.passes, 1);
        EXPECT_EQ(r.state.results.q_riser[0], c.qc);
    }
}

TEST(FlowModes, NoMarkAndStandardGiveIdenticalResults) {
    const Solved none = run(FlowMode::none);
    const Solved standard = run(FlowMode::standard);
    EXPECT_EQ(none.outcome.balance.qcalc, standard.outcome.balance.qcalc);
    EXPECT_EQ(none.state.results.specific_energy, standard.state.results.specific_energy);
    EXPECT_EQ(none.state.results.froude, standard.state.results.froude);
    EXPECT_GT(standard.outcome.balance.qcalc, kQ);
}

TEST(FlowModes, OptimisedLowersQcUntilTheRisersPassNoMoreThanQ) {
    const Solved r = run(FlowMode::optimised);
    const Balance& b = r.outcome.balance;
    EXPECT_EQ(b.passes, 19);  // the first pass and 18 lowered ones
    double qc = 0.95 * kQ / kN;
    for (int step = 0; step < 18; ++step)
        qc -= 0.0001;
    EXPECT_EQ(b.qc, qc);
    EXPECT_LE(b.qcalc, kQ);
    EXPECT_GT(b.qcalc, kQ - 0.0001 * kN);
    EXPECT_NEAR(b.qc * kN / kQ, 0.88, 0.005);
    // The store holds the last pass.
    EXPECT_EQ(r.state.results.q_riser[0], b.qc);
}

TEST(FlowModes, OptimisedStopsWhenTheStepCanNoLongerLowerQc) {
    // Riser 2 sits so far above riser 1 that it alone passes more than Q; but qc is so large
    // that qc - 0.0001 == qc, and the balancing would repeat the same pass for ever.
    DiffuserInput in;
    in.risers = "2";
    in.sections = "1";
    in.drho = "0,03";
    in.total_discharge = "1E13";
    in.manning = "0,01";
    in.rows[0] = {"1", "2", "0,5", "5", "1E40", "0,1"};
    const Solved r = run(FlowMode::optimised, std::nullopt, in);
    EXPECT_EQ(r.outcome.balance.passes, 1);
    EXPECT_GT(r.outcome.balance.qcalc, r.state.results.q_total);
    ASSERT_FALSE(r.outcome.skipped.empty());
    EXPECT_EQ(r.outcome.skipped.back().cause, Fault::below_precision);
}

TEST(FlowModes, HostMayStopALongBalancing) {
    class StopAfterThree : public BalancingProgress {
      public:
        bool keepBalancing(long passesRun) override { return passesRun < 3; }
    } progress;
    SharedState state;
    DiffuserInput in = workedExample(kGreek);
    in.flow_mode = FlowMode::optimised;
    const SolveOutcome out = Solve(in, state, kGreek, &progress);
    EXPECT_EQ(out.balance.passes, 3);
    EXPECT_TRUE(out.balance.stopped_by_host);
    EXPECT_EQ(state.results.q_riser[0], out.balance.qc);  // results of the last pass run
}

}  // namespace
}  // namespace thalmuro
