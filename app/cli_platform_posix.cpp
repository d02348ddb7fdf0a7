#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <cstdlib>

#include "cli_platform.h"

namespace thalmuro::cli {

void prepareStandardStreams() {}

std::vector<std::string> arguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

bool standardErrorIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

std::optional<NumberLocale> systemNamedNumberLocale(const std::string& name) {
    if (name.empty()) return std::nullopt;
    // A name without a codeset in its UTF-8 form first, so that the separators come as UTF-8.
    const bool hasCodeset = name.find('.') != std::string::npos;
    locale_t locale =
        hasCodeset ? nullptr : newlocale(LC_NUMERIC_MASK, (name + ".UTF-8").c_str(), nullptr);
    if (locale == nullptr) locale = newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr);
    if (locale == nullptr) return std::nullopt;
    NumberLocale format{nl_langinfo_l(RADIXCHAR, locale), nl_langinfo_l(THOUSEP, locale)};
    freelocale(locale);
    return format;
}

std::variant<std::string, NumberLocale> userRegionalSettings() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return std::string(value);
    }
    return std::string();
}

}  // namespace thalmuro::cli
