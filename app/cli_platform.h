// What the runner asks of the system it runs on: one file per system, cli_platform_posix.cpp and
// cli_platform_windows.cpp, chosen by the build.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro::cli {

// Readies the standard streams: on Windows they pass bytes as they are (no CR added before LF),
// so that the runner prints the same bytes everywhere.
void prepareStandardStreams();

// The program's arguments after its name, as UTF-8.
std::vector<std::string> arguments(int argc, char** argv);

// Whether standard error is a terminal (a console), where the balancing shows its progress.
bool standardErrorIsTerminal();

// The number format of the locale `name` (such as de_DE, de_DE.UTF-8 or de-DE) from the
// system's own locale data; none when the system does not know the name.
std::optional<NumberLocale> systemNamedNumberLocale(const std::string& name);

// The user's regional settings: the name of a locale, to be looked up as --locale's (POSIX: the
// first set of LC_ALL, LC_NUMERIC and LANG; empty when none is), or the number format itself
// (Windows: the decimal separator and digit grouping of the user's settings).
std::variant<std::string, NumberLocale> userRegionalSettings();

}  // namespace thalmuro::cli
