#include "discharge_failure.h"

#include <algorithm>

#include "checked.h"

namespace thalmuro {
std::optional<DischargeFailure> findDischargeFailure(const std::vector<Skip>& skipped,
                                                     const DiffuserResults& results,
                                                     FittingType fitting, DischargeX dischargeX) {
    std::vector<int> risers;
    for (const Skip& skip : skipped) {
        if (skip.kind != StepKind::riser_discharge ||
            skip.cause != Fault::negative_fractional_power || skip.riser < 2 ||
            skip.riser > kMaxRisers) {
            return std::nullopt;
        }
        risers.push_back(skip.riser);
    }
    if (risers.empty()) return std::nullopt;
    std::sort(risers.begin(), risers.end());
    risers.erase(std::unique(risers.begin(), risers.end()), risers.end());

    DischargeFailure failure;
    failure.fitting = fitting;
    failure.risers = risers;
    const auto at = static_cast<std::size_t>(risers.front() - 1);
    failure.specific_energy = results.specific_energy[at];
    failure.pipe_diameter = results.d_pipe[at];
    // Every riser's substitutions start from the march's own trial discharge; the classical
    // march adds the pipe flow seaward of the riser.
    failure.trial_discharge = SolveWork().discharge_iterates[0];
    if (dischargeX == DischargeX::pipe) {
        failure.trial_discharge += at == 1 ? results.q_riser[0] : results.q_pipe[at - 2];
    }
    failure.share = results.n_risers > 0 ? results.q_total / results.n_risers : 0.0;
    // X as the march forms it: the pipe velocity head of the trial discharge over E.
    const Num x = Num(8.0) * sq(Num(failure.trial_discharge)) /
                  (pow4(Num(failure.pipe_diameter)) * sq(Num(kPi)) * Num(kGravity) *
                   Num(failure.specific_energy));
    if (failure.specific_energy < 0.0) {
        failure.kind = DischargeFailure::Kind::negative_energy;
    } else if (fitting == FittingType::Bell && x.ok() && x.value() > 1.0) {
        failure.kind = DischargeFailure::Kind::velocity_head_above_energy;
    } else {
        return std::nullopt;
    }
    failure.x = x.ok() ? x.value() : 0.0;
    return failure;
}

}  // namespace thalmuro
