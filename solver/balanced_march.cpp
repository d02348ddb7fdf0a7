#include "balanced_march.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "discharge_failure.h"

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

}  // namespace

BalancedMarch::BalancedMarch(const DiffuserInput& input, const NumberLocale& locale,
                             DischargeX dischargeX)
    : input_(input), locale_(locale), dischargeX_(dischargeX) {
    gather(input, state_, work_, locale, diagnostics_);
    computeSectionFriction(state_, work_, diagnostics_);
}

MarchSummary BalancedMarch::balance() {
    const DiffuserResults& r = state_.results;
    const long n = r.n_risers;
    if (n < 1 || n > kMaxRisers) {
        Message outside = reason(MessageKind::risers_outside_range);
        outside.count = n;
        return failed(outside);
    }
    if (!work_.drho.ok()) return failed(reason(MessageKind::drho_unreadable));
    if (!work_.manning.ok()) return failed(reason(MessageKind::manning_unreadable));
    const std::vector<Skip> unread = diagnostics_.take();
    if (!unread.empty()) return skippedSteps(reason(MessageKind::steps_skipped), unread, 0.0);
    const double q = r.q_total;
    if (!(q > 0.0)) return failed(reason(MessageKind::q_not_positive));

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
                Message shortOfQ = reason(MessageKind::no_qc_passes_q);
                shortOfQ.discharge = highSum;
                return failed(shortOfQ);
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
                Message aboveQ = reason(MessageKind::risers_pass_more_than_q, low);
                aboveQ.discharge = lowSum;
                return failed(aboveQ);
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
            return failed(reason(MessageKind::sum_jumps_across_q, qc));
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

// Runs one march at `qc` and keeps its figures; the risers' discharges added up, or nothing
// (with the reason in the summary) when it skipped a step or the march budget is spent.
std::optional<double> BalancedMarch::march(double qc) {
    if (summary_.marches == kMaxMarches) {
        Message spent = reason(MessageKind::marches_spent);
        spent.count = kMaxMarches;
        failed(spent);
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
        if (failure) {
            Message at = reason(MessageKind::discharge_not_computed_at_qc, qc);
            at.discharge_failure = failure;
            failed(at);
        } else {
            skippedSteps(reason(MessageKind::steps_skipped_at_qc, qc), skipped, qc);
        }
        summary_.discharge_failure = std::move(failure);
        return std::nullopt;
    }
    summarize();
    if (!std::isfinite(summary_.q_sum)) {
        failed(reason(MessageKind::discharges_overflow, qc));
        return std::nullopt;
    }
    return summary_.q_sum;
}

bool BalancedMarch::balanced(double sum) {
    const double q = state_.results.q_total;
    summary_.balanced = std::fabs(sum - q) <= kBalanceTolerance * q;
    return summary_.balanced;
}

void BalancedMarch::summarize() {
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

void BalancedMarch::clearFigures() {
    const MarchSummary kept = summary_;
    summary_ = MarchSummary{};
    summary_.qc = kept.qc;
    summary_.marches = kept.marches;
}

Message BalancedMarch::reason(MessageKind kind, double qc) {
    Message message;
    message.kind = kind;
    message.qc = qc;
    return message;
}

MarchSummary BalancedMarch::failed(Message reason) {
    summary_.balanced = false;
    summary_.reason = std::move(reason);
    return summary_;
}

// Failed by skipped steps, with their first cause traced as the Solve's skipped steps are.
MarchSummary BalancedMarch::skippedSteps(Message reason, const std::vector<Skip>& skipped,
                                         double qc) {
    SolveOutcome outcome;
    outcome.balance.qc = qc;
    outcome.skipped = skipped;
    summary_.skipped_cause = explainSkipped(input_, outcome, locale_).front();
    return failed(std::move(reason));
}

MarchSummary BalancedMarch::notMonotone() {
    return failed(reason(MessageKind::sum_not_monotone));
}

}  // namespace thalmuro
