// Choosing the discharge of riser 1 and balancing the riser discharges against Q.
#pragma once

#include <optional>
#include <string>

#include "checked.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// Sets qc by the flow mode (from the answer `ratio` in the user mode), runs the passes and, in
// the optimised mode, lowers qc by 0.0001 m^3/s until the risers together pass no more than Q.
// `progress`, when given, is asked before every further pass of the optimised mode.
Balance balanceDischarge(FlowMode mode, const std::optional<std::string>& ratio, SharedState& state,
                         SolveWork& work, const NumberLocale& locale, BalancingProgress* progress,
                         Diagnostics& diagnostics);

}  // namespace thalmuro
