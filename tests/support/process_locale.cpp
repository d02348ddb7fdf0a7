#include "process_locale.h"

#include <clocale>
#include <string>

namespace thalmuro::testing {

bool useDecimalCommaLocale() {
    for (const char* name : {"el_GR.UTF-8", "el_GR.utf8", "de_DE.UTF-8", "fr_FR.UTF-8",
                             "Greek_Greece.1253", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::string(std::localeconv()->decimal_point) == ",") {
            return true;
        }
    }
    std::setlocale(LC_ALL, "C");
    return false;
}

}  // namespace thalmuro::testing
