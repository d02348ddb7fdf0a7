// The design checks against figures worked out by hand from the formulas and the inputs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();

// A design solved from fresh shared variables, and its checks.
struct Checked {
    DiffuserInput input;
    SharedState state;
    SolveOutcome outcome;
    std::vector<CheckResult> checks;

    explicit Checked(DiffuserInput in, const CheckSettings& settings = {}) : input(std::move(in)) {
        outcome = Solve(input, state, kGreek);
        checks = checkDesign(input, state, outcome, kGreek, settings);
    }

    const CheckResult& check(CheckId id) const {
        for (const CheckResult& c : checks) {
            if (c.id == id) return c;
        }
        ADD_FAILURE() << "no check " << nameOf(id);
        return checks.front();
    }
    const DiffuserResults& results() const { return state.results; }
};

DiffuserInput worked() {
    DiffuserInput in = workedExample(kGreek);
    in.flow_mode = FlowMode::standard;
    return in;
}

DiffuserInput withDischarge(const std::string& q) {
    DiffuserInput in = worked();
    in.total_discharge = q;
    return in;
}

// The same on a level sea bed: without the density terms E, and so the discharge, grows only
// with the friction losses, and the Froude numbers stay close together.
DiffuserInput levelWithDischarge(const std::string& q) {
    DiffuserInput in = withDischarge(q);
    for (std::size_t s = 0; s < 5; ++s)
        in.rows[s].elevation_step = "0";
    return in;
}

// Four risers of d = 0,05 m on one section of D = 0,2 m.
DiffuserInput oneSection() {
    DiffuserInput in;
    in.risers = "4";
    in.sections = "1";
    in.drho = "0,025";
    in.total_discharge = "0,02";
    in.manning = "0,012";
    in.flow_mode = FlowMode::standard;
    in.rows[0] = {"1", "4", "0,2", "5", "0", "0,05"};
    return in;
}

std::vector<int> range(int first, int last) {
    std::vector<int> out;
    for (int k = first; k <= last; ++k)
        out.push_back(k);
    return out;
}

TEST(CheckTable, NamesTheChecksInTheOrderTheyRun) {
    const Checked worked_(worked());
    const auto& table = checkThresholds();
    ASSERT_EQ(worked_.checks.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(worked_.checks[i].id, table[i].id);
        EXPECT_EQ(nameOf(table[i].id), table[i].name);
    }
}

TEST(DesignChecks, WorkedExampleVerdicts) {
    const Checked c(worked());
    const struct {
        CheckId id;
        Verdict verdict;
        std::vector<int> risers;
    } expected[] = {
        {CheckId::froude_min, Verdict::holds, {}},
        // The report lists every riser above 10 as well.
        {CheckId::froude_max, Verdict::warning, range(1, 14)},
        {CheckId::uniformity, Verdict::warning, range(9, 14)},
        {CheckId::riser_area, Verdict::holds, {}},
        {CheckId::pipe_velocity, Verdict::holds, {}},
        {CheckId::balance_error, Verdict::warning, {}},
        {CheckId::landward_head, Verdict::holds, {}},
        {CheckId::skipped_steps, Verdict::holds, {}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(nameOf(e.id));
        const CheckResult& result = c.check(e.id);
        EXPECT_EQ(result.verdict, e.verdict);
        EXPECT_EQ(result.risers, e.risers);
        EXPECT_TRUE(result.figures);
        EXPECT_FALSE(result.not_judged);
    }
    const CheckResult& froude = c.check(CheckId::froude_max);
    ASSERT_EQ(froude.figures->froude.size(), 14u);
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_EQ(froude.figures->froude[i], c.results().froude[i]);
}

TEST(DesignChecks, LowFlowFroudeBelowOne) {
    const struct {
        DiffuserInput input;
        std::vector<int> below;
    } cases[] = {
        // Riser 1 discharges qc = 0,95 Q / N = 0,95 0,0035 / 14 = 0,0002375 m^3/s through
        // d = 0,1144 m: v = 4 qc / (3,1415 d^2) = 0,023107 m/s and
        // F = v / (d g drho)^0,5 = 0,023107 / (0,1144 9,807 0,0307)^0,5 = 0,12450. The density
        // terms raise E enough for risers 2 to 14 to reach 1.
        {withDischarge("0,0035"), {1}},
        {levelWithDischarge("0,025"), range(1, 8)},
        {levelWithDischarge("0,02"), range(1, 14)},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.input.total_discharge);
        const Checked c(t.input);
        const CheckResult& min = c.check(CheckId::froude_min);
        EXPECT_EQ(min.verdict, Verdict::warning);
        EXPECT_EQ(min.risers, t.below);
        std::vector<int> fromStore;
        for (int k = 1; k <= 14; ++k) {
            if (c.results().froude[static_cast<std::size_t>(k - 1)] < 1.0) fromStore.push_back(k);
        }
        EXPECT_EQ(min.risers, fromStore);
        EXPECT_EQ(c.check(CheckId::froude_max).verdict, Verdict::holds);
    }
    const Checked c(withDischarge("0,0035"));
    const double v = 4.0 * (0.95 * 0.0035 / 14.0) / (3.1415 * 0.1144 * 0.1144);
    EXPECT_NEAR(c.check(CheckId::froude_min).figures->froude[0],
                v / std::sqrt(0.1144 * 9.807 * 0.0307), 1e-12);
    EXPECT_NEAR(c.check(CheckId::froude_min).figures->froude[0], 0.12450, 1e-5);
}

// Ten risers of the worked example on a level bed with the bell-mouth fitting: at start-up
// flow the specific energy at risers 2 to 5 is below the pipe velocity head of the march's trial
// discharge of 0,01 m^3/s, so their discharges cannot be computed. The Froude numbers are then
// estimated from the share Q/N = 0,001 m^3/s through d = 0,1144 m:
// v = 4 0,001 / (3,1415 0,1144^2) = 0,097290 m/s, F = v / (0,1144 9,807 0,0307)^0,5 = 0,52423,
// below 1 at every riser; and the other checks say why they cannot be judged.
TEST(DesignChecks, StartUpFlowOfABellMouthDesign) {
    DiffuserInput in = levelWithDischarge("0,01");
    in.risers = "10";
    in.sections = "4";
    in.rows[4] = {};
    in.fitting = FittingType::Bell;
    const Checked c(in);
    const CheckResult& min = c.check(CheckId::froude_min);
    EXPECT_EQ(min.verdict, Verdict::warning);
    EXPECT_EQ(min.basis, VerdictBasis::estimate);
    EXPECT_EQ(min.risers, range(1, 10));
    ASSERT_EQ(min.figures->froude.size(), 10u);
    EXPECT_NEAR(min.figures->share, 0.001, 1e-15);
    for (const double f : min.figures->froude)
        EXPECT_NEAR(f, 0.52423, 1e-5);
    const CheckResult& max = c.check(CheckId::froude_max);
    EXPECT_EQ(max.verdict, Verdict::holds);
    EXPECT_EQ(max.basis, VerdictBasis::estimate);

    for (const CheckResult& result : c.checks) {
        SCOPED_TRACE(nameOf(result.id));
        if (result.id == CheckId::skipped_steps) {
            EXPECT_EQ(result.verdict, Verdict::warning);
            EXPECT_FALSE(result.discharge_failure);
            continue;
        }
        if (result.basis == VerdictBasis::march) {
            EXPECT_EQ(result.verdict, Verdict::not_judged);
            ASSERT_TRUE(result.not_judged);
            EXPECT_EQ(result.not_judged->kind, MessageKind::discharge_not_computed);
            ASSERT_TRUE(result.not_judged->discharge_failure);
            EXPECT_EQ(result.not_judged->discharge_failure->risers, range(2, 5));
        }
        ASSERT_TRUE(result.discharge_failure);
        const DischargeFailure& failure = *result.discharge_failure;
        EXPECT_EQ(failure.kind, DischargeFailure::Kind::velocity_head_above_energy);
        EXPECT_EQ(failure.fitting, FittingType::Bell);
        EXPECT_EQ(failure.risers, range(2, 5));
        // X = 8 0,01^2 / (3,1415^2 0,2906^4 9,807 E) at riser 2, E as the march left it.
        EXPECT_EQ(failure.specific_energy, c.results().specific_energy[1]);
        EXPECT_EQ(failure.pipe_diameter, 0.2906);
        EXPECT_EQ(failure.trial_discharge, 0.01);
        EXPECT_NEAR(
            failure.x,
            8e-4 / (3.1415 * 3.1415 * std::pow(0.2906, 4) * 9.807 * failure.specific_energy),
            1e-12);
        EXPECT_GT(failure.x, 1.0);
        EXPECT_NEAR(failure.share, 0.001, 1e-15);
    }
}

TEST(DesignChecks, UniformityBandIsTheGraphWindows) {
    const Checked c(worked());
    const CheckResult& u = c.check(CheckId::uniformity);
    // Q/N = 0,3528 / 14 = 0,0252 m^3/s, the band 0,02268 to 0,02772 m^3/s.
    const CheckFigures& f = *u.figures;
    EXPECT_NEAR(f.mean, 0.0252, 1e-15);
    EXPECT_NEAR(f.band_upper, 0.02772, 1e-15);
    EXPECT_NEAR(f.band_lower, 0.02268, 1e-15);
    // Riser 1 passes the least (qc = 0,95 Q / N = 0,02394), riser 14 the most.
    EXPECT_NEAR(f.q_smallest, 0.02394, 1e-15);
    EXPECT_EQ(f.q_largest, c.results().q_riser[13]);
    EXPECT_EQ(f.q_ratio, f.q_largest / f.q_smallest);
    // The runner's list of values keeps its order.
    EXPECT_EQ(checkValues(u), (std::vector<double>{f.mean, f.band_upper, f.band_lower, f.q_largest,
                                                   f.q_smallest, f.q_ratio}));
    for (int k = 1; k <= 14; ++k) {
        const double q = c.results().q_riser[static_cast<std::size_t>(k - 1)];
        const bool listed = std::find(u.risers.begin(), u.risers.end(), k) != u.risers.end();
        EXPECT_EQ(listed, q > 0.02772 || q < 0.02268) << "riser " << k;
    }
}

TEST(DesignChecks, RiserAreaRatio) {
    // 4 risers of d = 0,05 m over a pipe of D = 0,2 m: 4 0,05^2 / 0,2^2 = 0,25, below 1/3.
    const Checked c(oneSection());
    ASSERT_TRUE(c.outcome.skipped.empty());
    const CheckResult& area = c.check(CheckId::riser_area);
    EXPECT_EQ(area.verdict, Verdict::warning);
    EXPECT_NEAR(area.figures->risers_area, 4 * 3.1415 * 0.0025 / 4, 1e-15);
    EXPECT_NEAR(area.figures->pipe_area, 3.1415 * 0.04 / 4, 1e-15);
    EXPECT_NEAR(area.figures->area_ratio, 0.25, 1e-15);
    EXPECT_EQ(area.figures->landward_riser, 4);

    // d = 0,08 m: 4 0,0064 / 0,04 = 0,64, inside the range; d = 0,1 m: 1, above it.
    const struct {
        const char* riserDiameter;
        double ratio;
        Verdict verdict;
    } cases[] = {{"0,08", 0.64, Verdict::holds}, {"0,1", 1.0, Verdict::warning}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.riserDiameter);
        DiffuserInput in = oneSection();
        in.rows[0].riser_diameter = t.riserDiameter;
        const Checked wider(in);
        EXPECT_NEAR(wider.check(CheckId::riser_area).figures->area_ratio, t.ratio, 1e-14);
        EXPECT_EQ(wider.check(CheckId::riser_area).verdict, t.verdict);
    }

    // The worked example: 14 risers of 0,1144 m over the last section's 0,5814 m.
    const Checked w(worked());
    EXPECT_NEAR(w.check(CheckId::riser_area).figures->area_ratio,
                14 * 0.1144 * 0.1144 / (0.5814 * 0.5814), 1e-14);
}

TEST(DesignChecks, PipeVelocityAgainstTheMinimum) {
    // The largest pipe velocities of the worked example's sections are 0,724, 1,458, 1,503,
    // 1,728 and 1,428 m/s.
    const struct {
        double minimum;
        Verdict verdict;
        std::vector<int> sections;
    } cases[] = {
        {CheckSettings{}.min_pipe_velocity, Verdict::holds, {}},
        {0.75, Verdict::warning, {1}},
        {1.5, Verdict::warning, {1, 2, 5}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.minimum);
        const Checked c(worked(), CheckSettings{t.minimum});
        const CheckResult& v = c.check(CheckId::pipe_velocity);
        EXPECT_EQ(v.verdict, t.verdict);
        EXPECT_EQ(v.sections, t.sections);
        const std::vector<double>& velocity = v.figures->section_velocity;
        ASSERT_EQ(velocity.size(), 5u);
        EXPECT_EQ(v.figures->min_velocity, t.minimum);
        // Section 1 (risers 1 and 2, D = 0,2906 m) carries q1 + q2 at its landward end.
        const DiffuserResults& r = c.results();
        EXPECT_NEAR(velocity[0], 4 * (r.q_riser[0] + r.q_riser[1]) / (3.1415 * 0.2906 * 0.2906),
                    1e-12);
        EXPECT_NEAR(velocity[0], 0.72434, 1e-5);
    }
    EXPECT_EQ(CheckSettings{}.min_pipe_velocity, 0.6);
}

TEST(DesignChecks, ALaterRowTakesTheRisersOfAnEarlierOne) {
    // Row 3 names risers 3 to 8, so row 2 (risers 3 to 5) is left with none: its pipe velocity
    // cannot be judged, while the risers' area takes D = 0,5814 m at riser 14 as before. Row 3's
    // spacing of 10 m holds for the reaches from risers 3 to 5 as well, or the head's parts
    // would not add up.
    DiffuserInput in = worked();
    in.rows[2].first_riser = "3";
    in.rows[2].spacing = "10";
    const Checked c(in);
    ASSERT_TRUE(c.outcome.skipped.empty());
    EXPECT_EQ(c.check(CheckId::pipe_velocity).verdict, Verdict::not_judged);
    const std::optional<Message>& why = c.check(CheckId::pipe_velocity).not_judged;
    ASSERT_TRUE(why);
    EXPECT_EQ(why->kind, MessageKind::section_without_riser);
    EXPECT_EQ(why->section, 2);
    EXPECT_EQ(c.check(CheckId::riser_area).verdict, Verdict::holds);
    const CheckFigures& h = *c.check(CheckId::landward_head).figures;
    EXPECT_NEAR(h.head_seaward + h.friction_losses + h.density_terms, h.head_landward,
                1e-12 * h.head_landward);
}

TEST(DesignChecks, BalanceErrorIsTheReportsBeforeRounding) {
    const Checked c(worked());
    const CheckResult& e = c.check(CheckId::balance_error);
    const double qcalc = c.outcome.balance.qcalc;
    const CheckFigures& f = *e.figures;
    EXPECT_EQ(f.qcalc, qcalc);
    EXPECT_EQ(f.q, 0.3528);
    EXPECT_EQ(f.e, (qcalc - 0.3528) / qcalc * 100.0);
    EXPECT_NEAR(f.e, 6.947, 1e-3);
    // The report writes e with the pattern "0.001", two decimals followed by a literal 1
    // (0,07 and 1), and reads that back: 7,1 %.
    EXPECT_EQ(formatPattern(f.e / 100.0, "0.001", kGreek), "0,071");
    EXPECT_NE(c.outcome.report.text.find("σφάλμα  e= 7,1 %"), std::string::npos);
    EXPECT_EQ(e.verdict, Verdict::warning);
}

TEST(DesignChecks, HeadPartsAddUpToTheLandwardHead) {
    const Checked c(worked());
    const CheckResult& h = c.check(CheckId::landward_head);
    const CheckFigures& f = *h.figures;
    const DiffuserResults& r = c.results();
    EXPECT_EQ(f.head_seaward, r.specific_energy[0]);
    // 13 reaches, each rising 0,2 m: 13 0,0307 0,2 = 0,07982 m.
    EXPECT_NEAR(f.density_terms, 13 * 0.0307 * 0.2, 1e-15);
    EXPECT_EQ(f.head_landward, r.specific_energy[13]);
    EXPECT_EQ(f.landward_riser, 14);
    const double sum = f.head_seaward + f.friction_losses + f.density_terms;
    EXPECT_NEAR(sum, f.head_landward, 1e-12 * f.head_landward);
    EXPECT_EQ(h.verdict, Verdict::holds);
}

// Without the march's figures the checks are not judged, except the Froude numbers, which are
// estimated from Q/N wherever N, Q, Δρ/ρ and the riser diameters can be read.
TEST(DesignChecks, CannotJudgeWhatWasNotComputed) {
    DiffuserInput unreadableManning = worked();
    unreadableManning.manning = "0,01x";
    DiffuserInput noRisers = worked();
    noRisers.risers = "0";
    DiffuserInput tooManyRisers = worked();
    tooManyRisers.risers = "150";
    DiffuserInput zeroDrho = worked();
    zeroDrho.drho = "0";
    const struct {
        DiffuserInput input;
        bool estimated;
    } cases[] = {
        {unreadableManning, true},
        {noRisers, false},
        {tooManyRisers, false},
        {zeroDrho, false},
    };
    for (const auto& [in, estimated] : cases) {
        SCOPED_TRACE(in.risers + " " + in.manning + " " + in.drho);
        const Checked c(in);
        ASSERT_EQ(c.checks.size(), kCheckCount);
        for (const CheckResult& result : c.checks) {
            if (result.id == CheckId::skipped_steps) continue;
            SCOPED_TRACE(nameOf(result.id));
            const bool froude =
                result.id == CheckId::froude_min || result.id == CheckId::froude_max;
            EXPECT_EQ(result.basis,
                      froude && estimated ? VerdictBasis::estimate : VerdictBasis::march);
            EXPECT_EQ(result.verdict == Verdict::not_judged, !(froude && estimated));
            EXPECT_EQ(result.figures.has_value(), froude && estimated);
            EXPECT_EQ(result.not_judged.has_value(), !(froude && estimated));
            EXPECT_FALSE(result.discharge_failure);
        }
        const CheckResult& skipped = c.check(CheckId::skipped_steps);
        EXPECT_EQ(skipped.verdict, c.outcome.skipped.empty() ? Verdict::holds : Verdict::warning);
        // The figures hold every cause; the risers and sections are those the causes name, and
        // the number of steps is what the causes add up to, each repeat counted.
        std::vector<int> risers;
        std::vector<int> rows;
        long steps = 0;
        const std::vector<SkippedCause> causes = explainSkipped(in, c.outcome, kGreek);
        ASSERT_EQ(skipped.figures->causes.size(), causes.size());
        for (const SkippedCause& cause : causes) {
            risers.insert(risers.end(), cause.risers.begin(), cause.risers.end());
            rows.insert(rows.end(), cause.rows.begin(), cause.rows.end());
            steps += cause.steps;
        }
        EXPECT_EQ(skipped.figures->skipped_steps, steps);
        EXPECT_EQ(skipped.risers, risers);
        EXPECT_EQ(skipped.sections, rows);
    }
    EXPECT_EQ(Checked(unreadableManning).check(CheckId::skipped_steps).verdict, Verdict::warning);
}

// The overall verdict: a warning outweighs a check not judged, both lists keep the checks'
// order, and the cross-check is carried beside without changing it.
TEST(OverallVerdict, CombinesTheChecks) {
    const auto result = [](CheckId id, Verdict verdict, VerdictBasis basis = VerdictBasis::march) {
        CheckResult r;
        r.id = id;
        r.verdict = verdict;
        r.basis = basis;
        return r;
    };
    std::vector<CheckResult> allHold;
    for (const ThresholdInfo& info : checkThresholds())
        allHold.push_back(result(info.id, Verdict::holds));
    std::vector<CheckResult> warnings = allHold;
    warnings[5].verdict = Verdict::warning;
    warnings[1].verdict = Verdict::warning;
    std::vector<CheckResult> notJudged = allHold;
    notJudged[2].verdict = Verdict::not_judged;
    notJudged[6].verdict = Verdict::not_judged;
    std::vector<CheckResult> both = notJudged;
    both[0] = result(CheckId::froude_min, Verdict::warning, VerdictBasis::estimate);
    CrossCheck crossWarns;
    crossWarns.verdict = Verdict::warning;

    const struct {
        const char* name;
        ChecksVerdict verdict;
        Verdict overall;
        std::vector<CheckId> warnings, notJudged;
        std::optional<Verdict> crossCheck;
    } cases[] = {
        {"every check holds", overallVerdict(allHold), Verdict::holds, {}, {}, std::nullopt},
        {"two warnings",
         overallVerdict(warnings),
         Verdict::warning,
         {CheckId::froude_max, CheckId::balance_error},
         {},
         std::nullopt},
        {"two not judged",
         overallVerdict(notJudged),
         Verdict::not_judged,
         {},
         {CheckId::uniformity, CheckId::landward_head},
         std::nullopt},
        {"an estimated warning and checks not judged",
         overallVerdict(both),
         Verdict::warning,
         {CheckId::froude_min},
         {CheckId::uniformity, CheckId::landward_head},
         std::nullopt},
        {"no checks", overallVerdict({}), Verdict::not_judged, {}, {}, std::nullopt},
        {"a cross-check that warns beside checks that hold",
         overallVerdict(allHold, crossWarns),
         Verdict::holds,
         {},
         {},
         Verdict::warning},
        {"the worked example",
         overallVerdict(Checked(worked()).checks),
         Verdict::warning,
         {CheckId::froude_max, CheckId::uniformity, CheckId::balance_error},
         {},
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.verdict.overall, c.overall);
        EXPECT_EQ(c.verdict.warnings, c.warnings);
        EXPECT_EQ(c.verdict.not_judged, c.notJudged);
        EXPECT_EQ(c.verdict.cross_check, c.crossCheck);
    }
}

}  // namespace
}  // namespace thalmuro
