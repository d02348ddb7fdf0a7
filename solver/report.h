// The results report: a plain-text account of a Solve, written in the Greek 8-bit code page
// (Windows-1253) with CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "checked.h"
#include "flow_modes.h"
#include "march.h"
#include "number_rules.h"
#include "problem_data.h"

namespace thalmuro {

inline constexpr Prompt kFileNamePrompt{Prompt::Kind::file_name,
                                        "Δώστε το όνομα της δοκιμής και την κατάληξη",
                                        "Εισαγωγή ονόματος αρχείου", "Δοκιμή1.txt"};

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

// UTF-8 to Windows-1253 through the C library's converter; a character the code page lacks
// (or a byte that is not UTF-8) becomes "?".
std::string toWindows1253(std::string_view utf8);

// Creates or empties the file and writes `bytes`; the error says why it could not.
std::error_code writeReportFile(const std::string& fileName, std::string_view bytes);

}  // namespace thalmuro
