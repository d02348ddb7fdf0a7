#include "discharge_failure.h"

#include <algorithm>

#include "checked.h"

namespace thalmuro {
namespace {

const NumberLocale kPlain = NumberLocale::english();

std::string figure(double value, std::string_view pattern) {
    return formatPattern(value, pattern, kPlain);
}

// "riser 2", "risers 2 to 8", or for risers with gaps between them "7 risers from 2 to 9".
std::string risersText(const std::vector<int>& risers) {
    if (risers.size() == 1) return "riser " + std::to_string(risers.front());
    const int first = risers.front();
    const int last = risers.back();
    const std::string span = std::to_string(first) + " to " + std::to_string(last);
    if (last - first + 1 == static_cast<int>(risers.size())) return "risers " + span;
    return std::to_string(risers.size()) + " risers from " + span;
}

}  // namespace

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

std::string describe(const DischargeFailure& failure) {
    const std::string risers = risersText(failure.risers);
    const std::string first = std::to_string(failure.risers.front());
    std::string text = "the discharge of " + risers + " could not be computed: at riser " + first;
    if (failure.kind == DischargeFailure::Kind::negative_energy) {
        return text + " the specific energy E = " + figure(failure.specific_energy, "0.000000") +
               " m is negative, and q = Cd a (2 g E)^0.5 cannot be taken";
    }
    return text + " the pipe velocity head of the trial discharge " +
           figure(failure.trial_discharge, "0.0000") +
           " m^3/s exceeds the specific energy E = " + figure(failure.specific_energy, "0.000000") +
           " m (X = " + figure(failure.x, "0.000") +
           "), where the bell-mouth's Cd = 0.975 (1 - X)^0.375 cannot be taken";
}

}  // namespace thalmuro
