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

// encodeWindows1253 (windows1253.h), or the UTF-8 text unchanged when the C library has no
// Windows-1253 converter.
std::string toWindows1253(std::string_view utf8);

// Writes `bytes` as the report file through writeFileSafely (safe_file.h): an existing report
// stays whole until the new one is on disk. The error says why it could not.
std::error_code writeReportFile(const std::string& fileName, std::string_view bytes);

}  // namespace thalmuro
