#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

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
            ASSERT_TRUE(m.balanced) << m.reason;
            EXPECT_EQ(m.reason, "");
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

}  // namespace
}  // namespace thalmuro
