// The hydraulic profile: the energy and piezometric lines of a solved design along the pipe.

#include <cmath>

#include "checked.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

HydraulicProfile hydraulicProfile(const DiffuserInput& problem, const SharedState& solvedState,
                                  const NumberLocale& locale) {
    HydraulicProfile profile;
    const DiffuserResults& r = solvedState.results;
    const int n = r.n_risers;
    if (n < 1 || n > kMaxRisers) return profile;

    // The section that holds each riser, found as the march copies the sections onto the risers.
    const SectionsOfRisers held = sectionsOfRisers(problem, solvedState.tmimata, locale);
    const auto risers = static_cast<std::size_t>(n);
    profile.distance.reserve(risers);
    profile.energy.reserve(risers);
    profile.piezometric.reserve(risers);
    double distance = 0.0;
    for (std::size_t i = 0; i < risers; ++i) {
        if (i > 0) {
            // The reach from riser i to riser i + 1 (numbered from 1) has the spacing of the
            // section holding its seaward riser; without one the distances from here on are
            // unknown.
            const int section = held.section[i - 1];
            const Num spacing =
                section == 0
                    ? Num::failed(Fault::index_outside)
                    : readValue(problem.rows[static_cast<std::size_t>(section - 1)].spacing,
                                locale);
            distance = spacing.ok() ? distance + spacing.value() : std::nan("");
        }
        const double v = r.v_diffuser[i];
        profile.distance.push_back(distance);
        profile.energy.push_back(r.specific_energy[i]);
        profile.piezometric.push_back(r.specific_energy[i] - v * v / (2.0 * kGravity));
    }
    profile.landward_head = r.specific_energy[risers - 1];
    profile.landward_riser = n;
    return profile;
}

}  // namespace thalmuro
