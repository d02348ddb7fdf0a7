// The head the loading shaft on shore must provide for the diffuser to pass its discharge.
#pragma once

#include <string_view>

#include "checked.h"
#include "number_rules.h"
#include "problem_data.h"

namespace thalmuro {

// H = 1.1 V^2 (L f) / (19.614 D) + (Zt Δρ/ρ + E) at riser N, the riser nearest the shaft, from
// the last Solve: the specific energy there, the buoyancy head over the depth Zt and the
// Darcy-Weisbach friction loss over the length L of the pipe to the shaft, increased by 10 %.
// `length` (L, m) and `depth` (Zt, m) are texts read by the locale rule, as is the Δρ/ρ text the
// last Solve kept. A failed Num when no riser N is stored, a text cannot be read, D is zero or
// the arithmetic overflows.
Num loadingShaftHead(const DiffuserResults& results, std::string_view length,
                     std::string_view depth, const NumberLocale& locale);

}  // namespace thalmuro
