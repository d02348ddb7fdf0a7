#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

std::string reasonOf(const MarchSummary& march) {
    return wordMarchReason(march, Language::english);
}

const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();

// The worked example's design written out again: risers first..last, pipe diameter D, spacing
// Δl, elevation step Δz and riser diameter d (m).
struct Section {
    int first, last;
    double pipeD, spacing, rise, riserD;
};
constexpr Section kSections[] = {
    {1, 2, 0.2906, 8, 0.2, 0.1144},   {3, 5, 0.3276, 8, 0.2, 0.1144},
    {6, 8, 0.4152, 8, 0.2, 0.1144},   {9, 11, 0.4614, 8, 0.2, 0.1144},
    {12, 14, 0.5814, 8, 0.2, 0.1144},
};
constexpr int kRisers = 14;
constexpr double kDrho = 0.0307;
constexpr double kQ = 0.3528;
constexpr double kManning = 0.01;

// A march of the worked example written straight from the hydraulics, in plain doubles: riser 1
// takes the head that drives qc through it, each reach adds its Darcy-Weisbach loss and the
// density term, and each further riser's discharge is fixed by nine substitutions of
// q = Cd(X) a (2 g E)^0.5, with X = 8 Qx^2 / (p^2 D^4 g E) where Qx is the pipe discharge at the
// riser (classical) or the riser's own discharge (the program's rule).
struct HandMarch {
    bool classical;
    bool bell;
    std::array<double, kRisers> energy{}, q{}, froude{};

    double cd(double x) const { return bell ? 0.975 * std::pow(1.0 - x, 0.375) : 0.63 - 0.58 * x; }

    // The risers' discharges added up.
    double run(double qc) {
        const double g = kGravity, p = kPi;
        std::array<double, kRisers> pipeD{}, spacing{}, rise{}, riserD{};
        for (const Section& s : kSections) {
            for (int k = s.first; k <= s.last; ++k) {
                pipeD[k - 1] = s.pipeD;
                spacing[k - 1] = s.spacing;
                rise[k - 1] = s.rise;
                riserD[k - 1] = s.riserD;
            }
        }
        const auto area = [&](int i) { return p * riserD[i] * riserD[i] / 4.0; };
        const auto x = [&](double flow, int i) {
            return 8.0 * flow * flow / (p * p * std::pow(pipeD[i], 4) * g * energy[i]);
        };
        // Riser 1: E such that qc = Cd(X(qc, E)) a (2 g E)^0.5, by nine substitutions. With a
        // bell mouth the program has always taken Cd^2 here as 0.95062 (1 - X)^0.75.
        energy[0] = 0.01;
        for (int j = 0; j < 9; ++j) {
            const double x1 = x(qc, 0);
            const double cd2 = bell ? 0.95062 * std::pow(1.0 - x1, 0.75) : std::pow(cd(x1), 2);
            energy[0] = qc * qc / (cd2 * area(0) * area(0) * 2.0 * g);
        }
        q[0] = qc;
        double pipeFlow = qc;
        for (int i = 1; i < kRisers; ++i) {
            const double velocity = 4.0 * pipeFlow / (p * pipeD[i - 1] * pipeD[i - 1]);
            const double friction = kManning * kManning * 124.58 / std::pow(pipeD[i - 1], 0.33333);
            energy[i] = energy[i - 1] +
                        friction * spacing[i - 1] * velocity * velocity / (2.0 * g * pipeD[i - 1]) +
                        kDrho * rise[i - 1];
            double qi = 0.01;
            for (int j = 0; j < 9; ++j) {
                qi = cd(x(classical ? pipeFlow + qi : qi, i)) * area(i) *
                     std::sqrt(2.0 * g * energy[i]);
            }
            q[i] = qi;
            pipeFlow += qi;
        }
        for (int i = 0; i < kRisers; ++i) {
            froude[i] = 4.0 * q[i] / (p * riserD[i] * riserD[i]) / std::sqrt(riserD[i] * g * kDrho);
        }
        return pipeFlow;
    }

    // Bisection on qc between Q / N / 4 and Q until the bracket cannot shrink.
    void balance() {
        double low = kQ / kRisers / 4.0, high = kQ;
        for (;;) {
            const double mid = low + 0.5 * (high - low);
            if (mid <= low || mid >= high) break;
            (run(mid) < kQ ? low : high) = mid;
        }
        run(low);
    }
};

DiffuserInput example(FittingType fitting) {
    DiffuserInput in = workedExample(kGreek);
    in.fitting = fitting;
    return in;
}

double relative(double a, double b) {
    return std::fabs(a - b) / std::fabs(b);
}

// Both balanced marches against the hand march, for both fittings: the same landward head,
// discharges and Froude numbers, the risers passing Q.
TEST(CrossCheck, WorkedExampleMatchesTheHandMarch) {
    for (const FittingType fitting : {FittingType::Sharp, FittingType::Bell}) {
        SCOPED_TRACE(std::string(nameOf(fitting)));
        const CrossCheck check = crossCheck(example(fitting), kGreek);
        for (const bool classical : {false, true}) {
            SCOPED_TRACE(classical ? "classical" : "program");
            const MarchSummary& m = classical ? check.classical : check.program;
            HandMarch hand{classical, fitting == FittingType::Bell};
            hand.balance();
            ASSERT_TRUE(m.balanced) << reasonOf(m);
            EXPECT_FALSE(m.skipped_cause);
            EXPECT_LE(relative(m.q_sum, kQ), 1e-9);
            EXPECT_LE(relative(m.qc, hand.q[0]), 1e-8);
            EXPECT_LE(relative(m.landward_head, hand.energy[kRisers - 1]), 1e-8);
            const auto largest = std::max_element(hand.q.begin(), hand.q.end());
            const auto least = std::min_element(hand.q.begin(), hand.q.end());
            const auto slowest = std::min_element(hand.froude.begin(), hand.froude.end());
            EXPECT_LE(relative(m.q_max, *largest), 1e-8);
            EXPECT_LE(relative(m.q_min, *least), 1e-8);
            EXPECT_LE(relative(m.froude_min, *slowest), 1e-8);
            EXPECT_EQ(m.riser_q_max, largest - hand.q.begin() + 1);
            EXPECT_EQ(m.riser_q_min, least - hand.q.begin() + 1);
            EXPECT_EQ(m.riser_froude_min, slowest - hand.froude.begin() + 1);
            EXPECT_GT(m.marches, 1);
        }
        ASSERT_TRUE(check.head_difference);
        EXPECT_DOUBLE_EQ(*check.head_difference,
                         (check.classical.landward_head - check.program.landward_head) /
                             check.program.landward_head * 100.0);
    }
}

// The program's balanced march is Solve's march: solving at the same qc (the user flow mode
// with x = qc N / Q) gives the same figures, and the risers pass Q. The flow mode of the problem
// plays no part in the cross-check, and the check reads the numbers by the given locale.
TEST(CrossCheck, ProgramMarchIsSolvesMarch) {
    const DiffuserInput in = workedExample(kGreek);
    const CrossCheck check = crossCheck(in, kGreek);
    const MarchSummary& m = check.program;
    ASSERT_TRUE(m.balanced) << reasonOf(m);

    DiffuserInput atQc = in;
    atQc.flow_mode = FlowMode::user;
    atQc.ratio = formatGeneral(m.qc * kRisers / kQ, kGreek);
    SharedState state;
    const SolveOutcome out = Solve(atQc, state, kGreek);
    ASSERT_TRUE(out.skipped.empty()) << out.skipped.front().step;
    const DiffuserResults& r = state.results;
    EXPECT_LE(relative(r.q_riser[0], m.qc), 1e-14);
    EXPECT_LE(relative(out.balance.qcalc, kQ), 1e-9);
    EXPECT_LE(relative(r.specific_energy[kRisers - 1], m.landward_head), 1e-13);
    EXPECT_LE(relative(r.q_riser[static_cast<std::size_t>(m.riser_q_max - 1)], m.q_max), 1e-13);
    EXPECT_LE(relative(r.q_riser[static_cast<std::size_t>(m.riser_q_min - 1)], m.q_min), 1e-13);
    EXPECT_LE(relative(r.froude[static_cast<std::size_t>(m.riser_froude_min - 1)], m.froude_min),
              1e-13);

    for (const FlowMode mode : {FlowMode::standard, FlowMode::optimised, FlowMode::user}) {
        DiffuserInput moded = workedExample(kEnglish);
        moded.flow_mode = mode;
        const CrossCheck same = crossCheck(moded, kEnglish);
        EXPECT_EQ(same.program.landward_head, m.landward_head);
        EXPECT_EQ(same.classical.landward_head, check.classical.landward_head);
        EXPECT_EQ(wordCrossCheckSummary(same, Language::english),
                  wordCrossCheckSummary(check, Language::english));
    }
}

// Designs that cannot be balanced say why in place of a figure, and the check is not judged.
TEST(CrossCheck, UnbalancedDesignsSayWhy) {
    struct Case {
        const char* name;
        void (*change)(DiffuserInput&);
        const char* programReason;    // part of the program's reason
        const char* classicalReason;  // part of the classical reason, nullptr: balanced
    };
    const Case cases[] = {
        {"Q unreadable", [](DiffuserInput& in) { in.total_discharge = "0,35 m3/s"; },
         "total discharge Q (Text5) \"0,35 m3/s\": cannot be read",
         "total discharge Q (Text5) \"0,35 m3/s\": cannot be read"},
        {"drho unreadable", [](DiffuserInput& in) { in.drho = "-"; },
         "relative density difference cannot be read",
         "relative density difference cannot be read"},
        {"Manning unreadable", [](DiffuserInput& in) { in.manning = ""; },
         "Manning number cannot be read", "Manning number cannot be read"},
        {"Q negative", [](DiffuserInput& in) { in.total_discharge = "-0,3528"; },
         "Q is not positive", "Q is not positive"},
        {"no risers", [](DiffuserInput& in) { in.risers = "0"; }, "outside 1 to 101",
         "outside 1 to 101"},
        {"102 risers", [](DiffuserInput& in) { in.risers = "102"; }, "outside 1 to 101",
         "outside 1 to 101"},
        {"risers of no diameter", [](DiffuserInput& in) { in.rows[2].riser_diameter = "0"; },
         "section table, row 3: riser diameter (textdr_anipsotiron_2) \"0\" is zero",
         "section table, row 3: riser diameter (textdr_anipsotiron_2) \"0\" is zero"},
        // At start-up flow the specific energy of a bell-mouth design on a level bed is below
        // the pipe velocity head of the trial discharge at the first risers.
        {"bell mouth at start-up flow",
         [](DiffuserInput& in) {
             in.fitting = FittingType::Bell;
             in.total_discharge = "0,01";
             for (SectionRow& row : in.rows)
                 row.elevation_step = row.first_riser.empty() ? "" : "0";
         },
         "at qc = 0.000714285714285714 m³/s the discharge of risers 2 to ",
         "at qc = 0.000714285714285714 m³/s the discharge of "},
        // Through a narrow pipe the density terms alone drive more than Q through risers 2 to
        // 14 when X is formed from each riser's own discharge.
        {"narrow pipe",
         [](DiffuserInput& in) {
             in.sections = "1";
             in.rows[0] = {"1", "14", "0,15", "8", "0,2", "0,1144"};
         },
         "more than Q, even at qc = ", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiffuserInput in = workedExample(kGreek);
        c.change(in);
        const CrossCheck check = crossCheck(in, kGreek);
        EXPECT_FALSE(check.program.balanced);
        const std::string program = reasonOf(check.program);
        const std::string classical = reasonOf(check.classical);
        EXPECT_NE(program.find(c.programReason), std::string::npos) << program;
        // The reasons name risers and boxes, never the engine's own steps.
        EXPECT_EQ(program.find("substitution"), std::string::npos);
        EXPECT_EQ(classical.find("substitution"), std::string::npos);
        const bool lowFlow =
            std::string_view(c.programReason).find("the discharge of") != std::string::npos;
        EXPECT_EQ(check.program.discharge_failure.has_value(), lowFlow);
        if (c.classicalReason != nullptr) {
            EXPECT_EQ(check.classical.discharge_failure.has_value(), lowFlow);
            EXPECT_FALSE(check.classical.balanced);
            EXPECT_NE(classical.find(c.classicalReason), std::string::npos) << classical;
        } else {
            EXPECT_TRUE(check.classical.balanced) << classical;
        }
        EXPECT_EQ(check.verdict, Verdict::not_judged);
        EXPECT_FALSE(check.head_difference);
        EXPECT_EQ(wordCrossCheckSummary(check, Language::english),
                  "Cannot be judged: the program's march cannot be balanced: " + program + ".");
    }
}

// The verdict warns only above 5 %: one pipe diameter on either side of the limit, and the
// worked example well above it.
TEST(CrossCheck, VerdictAtTheLimit) {
    struct Case {
        const char* pipeDiameter;  // one section holding all 14 risers; nullptr: worked example
        double lowest, highest;    // where the head difference lies, %
        Verdict verdict;
        const char* words;
    };
    const Case cases[] = {
        {"0,632", 5.0, 5.05, Verdict::warning, "+5.0 %, above the 5 % limit."},
        {"0,6325", 4.95, 5.0, Verdict::holds, "+5.0 %, within the 5 % limit."},
        {nullptr, 12.0, 20.0, Verdict::warning, "+13.1 %, above the 5 % limit."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pipeDiameter ? c.pipeDiameter : "worked example");
        DiffuserInput in = workedExample(kGreek);
        if (c.pipeDiameter != nullptr) {
            in.sections = "1";
            in.rows[0] = {"1", "14", c.pipeDiameter, "8", "0,2", "0,1144"};
        }
        const CrossCheck check = crossCheck(in, kGreek);
        const std::string summary = wordCrossCheckSummary(check, Language::english);
        ASSERT_TRUE(check.head_difference) << summary;
        EXPECT_GT(*check.head_difference, c.lowest);
        EXPECT_LE(*check.head_difference, c.highest);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_EQ(summary.rfind("E of riser 14 = ", 0), 0u) << summary;
        EXPECT_NE(summary.find(c.words), std::string::npos) << summary;
    }
}

}  // namespace
}  // namespace thalmuro
