#include "number_locale.h"

namespace thalmuro {

NumberLocale numberLocaleOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

NumberLocale systemNumberLocale() {
    return numberLocaleOf(QLocale::system());
}

}  // namespace thalmuro
