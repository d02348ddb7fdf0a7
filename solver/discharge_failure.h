// Risers whose discharge the march could not compute, found from the steps it skipped, for the
// checks and the cross-check.
#pragma once

#include <optional>
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

}  // namespace thalmuro
