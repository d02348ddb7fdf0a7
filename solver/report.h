// The results report: a plain-text account of a Solve, written in the Greek 8-bit code page
// (Windows-1253) with CR LF line ends.
#pragma once

#include <string>

#include "checked.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// The languages the report is worded in: Greek, the report file's, and English, which the English
// windows show.
enum class ReportLanguage { greek, english };

class ResultsReport {
  public:
    ResultsReport(const SharedState& state, const SolveWork& work, const Balance& balance,
                  const NumberLocale& locale)
        : state_(state), work_(work), balance_(balance), locale_(locale) {}

    // The report as UTF-8 text with CR LF line ends, worded in `language`. A line with an item
    // that cannot be produced is left out whole and recorded in `diagnostics`; the other lines
    // are written. Both languages leave out the same lines.
    std::string text(Diagnostics& diagnostics,
                     ReportLanguage language = ReportLanguage::greek) const;

  private:
    const SharedState& state_;
    const SolveWork& work_;
    const Balance& balance_;
    const NumberLocale& locale_;
};

}  // namespace thalmuro
