// Risers whose discharge the march could not compute, found from the steps it skipped, and
// told in English for the checks and the cross-check.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// The failure when every step of the computation that `skipped` holds (report lines left out)
// is a discharge substitution that met a fractional power of a negative number, with the
// figures of the first riser concerned from `results` as the march left them. Nothing when
// another step was skipped as well, or when the figures do not show why.
// `dischargeX` is the march's rule for the discharge X is formed from.
std::optional<DischargeFailure> findDischargeFailure(const std::vector<Skip>& skipped,
                                                     const DiffuserResults& results,
                                                     FittingType fitting,
                                                     DischargeX dischargeX = DischargeX::riser);

// "the discharge of risers 2 to 8 could not be computed: at riser 2 the pipe velocity head of
// the trial discharge 0.01 m^3/s exceeds the specific energy E = 0.00047 m (X = 1.714), where
// the bell-mouth's Cd = 0.975 (1 - X)^0.375 cannot be taken".
std::string describe(const DischargeFailure& failure);

}  // namespace thalmuro
