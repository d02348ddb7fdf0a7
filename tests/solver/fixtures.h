// Shared fixtures of the engine tests: the worked example's results.
#pragma once

#include "thalmuro/engine.h"

namespace thalmuro::testing {

// The results store after solving the worked example on a Greek locale, computed once.
inline const DiffuserResults& workedResults() {
    static const SharedState state = [] {
        SharedState s;
        Solve(workedExample(NumberLocale::greek()), s, NumberLocale::greek());
        return s;
    }();
    return state.results;
}

}  // namespace thalmuro::testing
