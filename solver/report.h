// The results report: a plain-text account of a Solve, written in the Greek 8-bit code page
// (Windows-1253) with CR LF line ends.
#pragma once

#include <string>

#include "checked.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

class ResultsReport {
  public:
    ResultsReport(const SharedState& state, const SolveWork& work, const Balance& balance,
                  const NumberLocale& locale)
        : state_(state), work_(work), balance_(balance), locale_(locale) {}

    // The report as UTF-8 text with CR LF line ends. A line with an item that cannot be
    // produced is left out whole and recorded in `diagnostics`; the other lines are written.
    std::string text(Diagnostics& diagnostics) const;

  private:
    const SharedState& state_;
    const SolveWork& work_;
    const Balance& balance_;
    const NumberLocale& locale_;
};

}  // namespace thalmuro
