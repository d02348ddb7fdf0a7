// A design marched again and again on a state of its own, with qc found by bisection until the
// risers pass Q: the cross-check marches a design so, as the program and as the classical
// port-flow method, and the riser sizing so solves every design it weighs.
#pragma once

#include <optional>
#include <vector>

#include "checked.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// One march of the design after another on a state of its own, balanced by bisection on qc.
class BalancedMarch {
  public:
    // The march keeps a reference to `input`, which must outlive it: a temporary cannot be
    // given.
    BalancedMarch(const DiffuserInput& input, const NumberLocale& locale, DischargeX dischargeX);
    BalancedMarch(DiffuserInput&& input, const NumberLocale& locale,
                  DischargeX dischargeX) = delete;

    MarchSummary balance();

    // The results store after the last march run: after a balanced balance(), the figures of
    // risers 1..N at the balancing qc.
    const DiffuserResults& results() const { return state_.results; }

  private:
    std::optional<double> march(double qc);
    bool balanced(double sum);
    void summarize();
    void clearFigures();
    static Message reason(MessageKind kind, double qc = 0.0);
    MarchSummary failed(Message reason);
    MarchSummary skippedSteps(Message reason, const std::vector<Skip>& skipped, double qc);
    MarchSummary notMonotone();

    const DiffuserInput& input_;
    const NumberLocale& locale_;
    DischargeX dischargeX_;
    SharedState state_;
    SolveWork work_;
    Diagnostics diagnostics_;
    MarchSummary summary_;
};

}  // namespace thalmuro
