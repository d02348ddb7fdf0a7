// Solve for the engine's own callers that do not keep the report.
#pragma once

#include "thalmuro/engine.h"

namespace thalmuro {

enum class ReportWanted { no, yes };

// Solve, with the report written only when asked for. Without it the outcome's report is empty
// and its skipped steps are those of the computation alone; the results store, the balance and
// those steps are exactly what Solve gives. Writing the report takes most of a Solve's time, so
// the operating conditions, which keep only figures, leave it out.
SolveOutcome solveDesign(const DiffuserInput& input, SharedState& state, const NumberLocale& locale,
                         BalancingProgress* progress, ReportWanted report);

}  // namespace thalmuro
