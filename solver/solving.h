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

// `value` as it reads back from its box: rounded to the 15 significant digits of the general
// number format, so that a value the engine writes into a box for a Solve is the value solved.
inline double asWritten(double value) {
    const NumberLocale point{".", ""};
    return readLocaleNumber(formatGeneral(value, point), point).value_or(value);
}

}  // namespace thalmuro
