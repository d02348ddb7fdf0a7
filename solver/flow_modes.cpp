#include "flow_modes.h"

#include <algorithm>

namespace thalmuro {
namespace {

// qcalc: the riser discharges of the pass added in riser order.
double sumRiserDischarges(const DiffuserResults& r, Diagnostics& diagnostics) {
    double qcalc = 0.0;
    const long n = r.n_risers;
    const long last = std::min<long>(n - 1, kMaxRisers - 1);
    for (long i = 0; i <= last; ++i) {
        diagnostics.assign(qcalc, Num(qcalc) + Num(r.q_riser[static_cast<std::size_t>(i)]), [&] {
            return StepName{"qcalc + q_riser(" + std::to_string(i) + ")", StepKind::discharge_sum,
                            static_cast<int>(i + 1)};
        });
    }
    if (n - 1 > last && last == kMaxRisers - 1) {
        diagnostics.record(
            {"qcalc + q_riser of " + namedRange("riser", "risers", kMaxRisers + 1, n),
             StepKind::risers_beyond, kMaxRisers + 1},
            Fault::index_outside);
    }
    return qcalc;
}

}  // namespace

Balance balanceDischarge(FlowMode mode, const std::optional<std::string>& ratio, SharedState& state,
                         SolveWork& work, const NumberLocale& locale, BalancingProgress* progress,
                         Diagnostics& diagnostics) {
    const DiffuserResults& r = state.results;
    const Num q = r.q_total;
    const Num n = static_cast<double>(r.n_risers);
    Balance balance;
    if (mode == FlowMode::user) {
        // Cancel, an empty or an unreadable answer leaves x at zero, so riser 1 gets nothing.
        double x = 0.0;
        diagnostics.assign(
            x, ratio ? readValue(*ratio, locale) : Num::failed(Fault::unreadable_text), [] {
                return StepName{"ratio x", StepKind::ratio};
            });
        diagnostics.assign(balance.qc, Num(x) * q / n, [] {
            return StepName{"qc = x Q / N", StepKind::first_discharge};
        });
    } else {
        diagnostics.assign(balance.qc, Num(0.95) * q / n, [] {
            return StepName{"qc = 0.95 Q / N", StepKind::first_discharge};
        });
    }

    for (;;) {
        runPass(balance.qc, state, work, diagnostics);
        ++balance.passes;
        balance.qcalc = sumRiserDischarges(r, diagnostics);
        if (!(mode == FlowMode::optimised && balance.qcalc > r.q_total && balance.qc > 0.0001)) {
            return balance;
        }
        const double lowered = balance.qc - 0.0001;
        if (lowered == balance.qc) {
            // qc is so large that a step of 0.0001 no longer changes it: another pass would
            // repeat this one for ever.
            diagnostics.record({"qc - 0.0001", StepKind::balancing}, Fault::below_precision);
            return balance;
        }
        if (progress != nullptr && !progress->keepBalancing(balance.passes)) {
            balance.stopped_by_host = true;
            return balance;
        }
        balance.qc = lowered;
    }
}

}  // namespace thalmuro
