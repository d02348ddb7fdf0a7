// The cross-check of a design by the classical port formulation: the design marched as the
// program marches and as the classical port-flow method does, each balanced by bisection on qc
// until the risers pass Q, and the two landward heads compared.
//
// The program forms the X of a riser's discharge from the riser's own discharge, which keeps
// Cd near its value at X = 0; the classical method forms it from the pipe discharge at the
// riser, which lowers Cd along the diffuser and so needs more head at the landward end to pass
// the same Q. That head is what the loading shaft must provide.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checked.h"
#include "discharge_failure.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

// The risers' discharges must add up to Q within this fraction of Q.
constexpr double kBalanceTolerance = 1e-9;

// How far qc is halved from Q / N in search of a march that passes less than Q: down to a
// millionth of a millionth of a millionth of the even share.
constexpr int kMaxHalvings = 60;

// The most marches one balancing runs: on a real design finding the bracket takes a few and
// the bisection some thirty; the halvings and a bisection to the last bit of qc stay below it.
constexpr long kMaxMarches = 200;

const NumberLocale kPlain = NumberLocale::english();

std::string figure(double value, std::string_view pattern) {
    return formatPattern(value, pattern, kPlain);
}

// One march of the design after another on a state of its own, balanced by bisection on qc.
class BalancedMarch {
  public:
    BalancedMarch(const DiffuserInput& input, const NumberLocale& locale, DischargeX dischargeX)
        : input_(input), locale_(locale), dischargeX_(dischargeX) {
        gather(input, state_, work_, locale, diagnostics_);
        computeSectionFriction(state_, work_, diagnostics_);
    }

    MarchSummary balance() {
        const DiffuserResults& r = state_.results;
        const long n = r.n_risers;
        if (n < 1 || n > kMaxRisers) {
            return failed("the number of risers " + std::to_string(n) + " is outside 1 to " +
                          std::to_string(kMaxRisers));
        }
        if (!work_.drho.ok()) return failed("the relative density difference cannot be read");
        if (!work_.manning.ok()) return failed("the Manning number cannot be read");
        const std::vector<Skip> unread = diagnostics_.take();
        if (!unread.empty()) return failed(inUsersTerms(unread, 0.0));
        const double q = r.q_total;
        if (!(q > 0.0)) return failed("Q is not positive");

        // The bracket: qc in (0, Q], starting at the even share Q / N. Riser 1 alone passes qc,
        // so at qc = Q the risers pass at least Q unless a riser's discharge is negative.
        double qc = q / static_cast<double>(n);
        std::optional<double> sum = march(qc);
        if (!sum) return summary_;
        if (balanced(*sum)) return summary_;
        double low = qc;
        double high = qc;
        double lowSum = *sum;
        double highSum = *sum;
        if (*sum < q) {
            while (highSum < q) {
                if (high >= q) {
                    return failed("no qc up to Q makes the risers pass Q: at qc = Q they pass " +
                                  formatGeneral(highSum, kPlain) + " m^3/s");
                }
                low = high;
                lowSum = highSum;
                high = std::min(2.0 * high, q);
                sum = march(high);
                if (!sum) return summary_;
                if (balanced(*sum)) return summary_;
                if (*sum <= lowSum) return notMonotone();
                highSum = *sum;
            }
        } else {
            // The density terms alone drive the risers landward of riser 1, so on a long or
            // steep diffuser they may pass more than Q however little riser 1 discharges.
            for (int halving = 0; lowSum > q; ++halving) {
                if (halving == kMaxHalvings) {
                    return failed("the risers pass " + formatGeneral(lowSum, kPlain) +
                                  " m^3/s, more than Q, even at qc = " +
                                  formatGeneral(low, kPlain) + " m^3/s");
                }
                high = low;
                highSum = lowSum;
                low = 0.5 * low;
                sum = march(low);
                if (!sum) return summary_;
                if (balanced(*sum)) return summary_;
                lowSum = *sum;
            }
        }

        // Bisection: the risers pass less than Q at `low` and more at `high`.
        for (;;) {
            qc = low + 0.5 * (high - low);
            if (qc <= low || qc >= high) {
                return failed("the risers' discharge sum jumps across Q at qc = " +
                              formatGeneral(qc, kPlain) + " m^3/s");
            }
            sum = march(qc);
            if (!sum) return summary_;
            if (balanced(*sum)) return summary_;
            if (*sum < lowSum || *sum > highSum) return notMonotone();
            if (*sum < q) {
                low = qc;
                lowSum = *sum;
            } else {
                high = qc;
                highSum = *sum;
            }
        }
    }

  private:
    // Runs one march at `qc` and keeps its figures; the risers' discharges added up, or nothing
    // (with the reason in the summary) when it skipped a step or the march budget is spent.
    std::optional<double> march(double qc) {
        if (summary_.marches == kMaxMarches) {
            failed("not balanced within " + std::to_string(kMaxMarches) + " marches");
            return std::nullopt;
        }
        ++summary_.marches;
        runPass(qc, state_, work_, diagnostics_, dischargeX_);
        const std::vector<Skip> skipped = diagnostics_.take();
        summary_.qc = qc;
        if (!skipped.empty()) {
            // A skipped step leaves an earlier march's value in the store: no figures.
            std::optional<DischargeFailure> failure =
                findDischargeFailure(skipped, state_.results, work_.fitting, dischargeX_);
            clearFigures();
            const std::string at = "at qc = " + formatGeneral(qc, kPlain) + " m^3/s ";
            failed(failure ? at + describe(*failure) : at + inUsersTerms(skipped, qc));
            summary_.discharge_failure = std::move(failure);
            return std::nullopt;
        }
        summarize();
        if (!std::isfinite(summary_.q_sum)) {
            failed("the risers' discharges overflow at qc = " + formatGeneral(qc, kPlain) +
                   " m^3/s");
            return std::nullopt;
        }
        return summary_.q_sum;
    }

    bool balanced(double sum) {
        const double q = state_.results.q_total;
        summary_.balanced = std::fabs(sum - q) <= kBalanceTolerance * q;
        return summary_.balanced;
    }

    void summarize() {
        const DiffuserResults& r = state_.results;
        const auto n = static_cast<std::size_t>(r.n_risers);
        const auto riser = [](auto at, auto first) { return static_cast<int>(at - first) + 1; };
        const auto q = r.q_riser.begin();
        double sum = 0.0;
        for (std::size_t i = 0; i < n; ++i)
            sum += r.q_riser[i];
        const auto least = std::min_element(q, q + n);
        const auto largest = std::max_element(q, q + n);
        const auto slowest = std::min_element(r.froude.begin(), r.froude.begin() + n);
        summary_.q_sum = sum;
        summary_.landward_head = r.specific_energy[n - 1];
        summary_.q_max = *largest;
        summary_.riser_q_max = riser(largest, q);
        summary_.q_min = *least;
        summary_.riser_q_min = riser(least, q);
        summary_.froude_min = *slowest;
        summary_.riser_froude_min = riser(slowest, r.froude.begin());
    }

    void clearFigures() {
        const MarchSummary kept = summary_;
        summary_ = MarchSummary{};
        summary_.qc = kept.qc;
        summary_.marches = kept.marches;
    }

    MarchSummary failed(std::string reason) {
        summary_.balanced = false;
        summary_.reason = std::move(reason);
        return summary_;
    }

    // The first cause of skipped steps, told as the Solve's skipped steps are.
    std::string inUsersTerms(const std::vector<Skip>& skipped, double qc) const {
        SolveOutcome outcome;
        outcome.balance.qc = qc;
        outcome.skipped = skipped;
        const std::vector<SkippedCause> causes = explainSkipped(input_, outcome, locale_);
        return "steps were skipped: " + causes.front().english;
    }

    MarchSummary notMonotone() { return failed("the risers' discharge sum does not grow with qc"); }

    const DiffuserInput& input_;
    const NumberLocale& locale_;
    DischargeX dischargeX_;
    SharedState state_;
    SolveWork work_;
    Diagnostics diagnostics_;
    MarchSummary summary_;
};

std::string notJudged(const char* march, const MarchSummary& summary) {
    return std::string("Cannot be judged: ") + march + " cannot be balanced: " + summary.reason +
           ".";
}

}  // namespace

CrossCheck crossCheck(const DiffuserInput& input, const NumberLocale& locale) {
    CrossCheck check;
    check.program = BalancedMarch(input, locale, DischargeX::riser).balance();
    check.classical = BalancedMarch(input, locale, DischargeX::pipe).balance();
    if (!check.program.balanced) {
        check.summary = notJudged("the program's march", check.program);
        return check;
    }
    if (!check.classical.balanced) {
        check.summary = notJudged("the classical march", check.classical);
        return check;
    }
    const double program = check.program.landward_head;
    const double classical = check.classical.landward_head;
    const double difference = (classical - program) / program * 100.0;
    if (!std::isfinite(difference)) {
        check.summary = "Cannot be judged: the program's landward head is zero.";
        return check;
    }
    check.head_difference = difference;
    const bool above = difference > kCrossCheckHeadLimit;
    check.verdict = above ? Verdict::warning : Verdict::holds;
    // Both marches were balanced, so the count was read and lies within 1..101.
    const std::string n = std::to_string(leadingCount(input.risers).value_or(0));
    check.summary = "E of riser " + n + " = " + figure(classical, "0.00000") +
                    " m by the classical port formulation against " + figure(program, "0.00000") +
                    " m as the program marches: " + (difference < 0.0 ? "" : "+") +
                    figure(difference, "0.0") + " %, " + (above ? "above" : "within") + " the " +
                    figure(kCrossCheckHeadLimit, "0") + " % limit.";
    return check;
}

}  // namespace thalmuro
