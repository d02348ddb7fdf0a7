// The cross-check of a design by the classical port formulation: the design marched as the
// program marches and as the classical port-flow method does, each balanced by bisection on qc
// until the risers pass Q, and the two landward heads compared.
//
// The program forms the X of a riser's discharge from the riser's own discharge, which keeps
// Cd near its value at X = 0; the classical method forms it from the pipe discharge at the
// riser, which lowers Cd along the diffuser and so needs more head at the landward end to pass
// the same Q. That head is what the loading shaft must provide.

#include <cmath>

#include "balanced_march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

CrossCheck crossCheck(const DiffuserInput& input, const NumberLocale& locale) {
    CrossCheck check;
    check.program = BalancedMarch(input, locale, DischargeX::riser).balance();
    check.classical = BalancedMarch(input, locale, DischargeX::pipe).balance();
    if (!check.program.balanced || !check.classical.balanced) return check;
    const double program = check.program.landward_head;
    const double classical = check.classical.landward_head;
    const double difference = (classical - program) / program * 100.0;
    if (!std::isfinite(difference)) return check;
    check.head_difference = difference;
    check.verdict = difference > kCrossCheckHeadLimit ? Verdict::warning : Verdict::holds;
    // Both marches were balanced, so the count was read and lies within 1..101.
    check.landward_riser = leadingCount(input.risers).value_or(0);
    return check;
}

}  // namespace thalmuro
