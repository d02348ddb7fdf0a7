#include "checked.h"
#include "thalmuro/engine.h"

namespace thalmuro {

Num loadingShaftHead(const DiffuserResults& results, std::string_view length,
                     std::string_view depth, const NumberLocale& locale) {
    const long last = static_cast<long>(results.n_risers) - 1;
    const Num energy = at(results.specific_energy, last);
    const Num l = readValue(length, locale);
    const Num zt = readValue(depth, locale);
    const Num drho = readValue(results.drho, locale);
    // The order of operations of the hand calculation: d = 19.614 D, a = Zt Δρ/ρ, s = a + E,
    // m = L f, p = V^2, t = p m, q = t / d, r = 1.1 q, H = r + s. 19.614 is 2 g.
    const Num d = Num(19.614) * at(results.d_pipe, last);
    const Num s = zt * drho + energy;
    const Num m = l * at(results.f_riser, last);
    const Num t = sq(at(results.v_diffuser, last)) * m;
    return t / d * Num(1.1) + s;
}

}  // namespace thalmuro
