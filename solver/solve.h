// Solve: read the problem, compute the friction factors, balance the riser discharges and write
// the results report.
#pragma once

#include <string>
#include <system_error>

#include "checked.h"
#include "flow_modes.h"
#include "number_rules.h"
#include "problem_data.h"

namespace thalmuro {

// What became of the report file.
struct ReportOutcome {
    enum class Status {
        not_requested,  // Cancel or an empty file name: nothing written, as the user asked
        written,
        failed,  // the file could not be created or written; `error` says why
    };
    Status status = Status::not_requested;
    std::string file_name;
    std::error_code error;
};

struct SolveOutcome {
    Balance balance;
    ReportOutcome report;
    // Every step that was skipped, with its cause. Solve itself never stops on them.
    Diagnostics diagnostics;
};

// Runs one whole Solve on `state`, the program's shared variables: every value that a step
// cannot compute keeps what it held. Asks `prompts` for the ratio (user flow mode) and for the
// report's file name.
SolveOutcome Solve(const DiffuserInput& input, SharedState& state, const NumberLocale& locale,
                   SolvePrompts& prompts);

}  // namespace thalmuro
