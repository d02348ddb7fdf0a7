// Choosing the discharge of riser 1 and balancing the riser discharges against Q.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "checked.h"
#include "march.h"
#include "number_rules.h"
#include "problem_data.h"

namespace thalmuro {

// A single-line question to the user: the prompt, the window title and the text offered.
struct Prompt {
    enum class Kind { ratio, file_name };
    Kind kind;
    std::string_view text;
    std::string_view title;
    std::string_view initial_text;
};

// The ratio x of qc = x Q / N, asked in the user flow mode.
inline constexpr Prompt kRatioPrompt{Prompt::Kind::ratio,
                                     " qc=x*qtotal/Ανυψωτήρες    Δώσε το x !!ΠΡΟΣΟΧΗ!! Χ<1",
                                     "Εισαγωγή Αναλογίας", "0,90"};

// What Solve needs from whoever runs it: answers to its questions, and whether the balancing of
// the optimised flow mode may go on (a window may let the user stop a long balancing).
class SolvePrompts {
  public:
    virtual ~SolvePrompts() = default;
    // The typed answer; nothing for Cancel.
    virtual std::optional<std::string> ask(const Prompt& prompt) = 0;
    // Called after every pass that the optimised mode would follow with another one.
    virtual bool keepBalancing(long passesRun) {
        static_cast<void>(passesRun);
        return true;
    }
};

// The outcome of the balancing: the final qc, the discharge sum of the last pass, and how many
// passes ran.
struct Balance {
    double qc = 0.0;
    double qcalc = 0.0;
    long passes = 0;
    bool stopped_by_host = false;
};

// Sets qc by the flow mode (asking for the ratio in the user mode), runs the passes and, in the
// optimised mode, lowers qc by 0.0001 m^3/s until the risers together pass no more than Q.
Balance balanceDischarge(FlowMode mode, SharedState& state, SolveWork& work,
                         const NumberLocale& locale, SolvePrompts& prompts,
                         Diagnostics& diagnostics);

}  // namespace thalmuro
