// The regional number format of a QLocale, in the form the engine takes it.
#pragma once

#include <QLocale>

#include "thalmuro/engine.h"

namespace thalmuro {

// The decimal separator and the digit-grouping character of `locale`, as UTF-8.
NumberLocale numberLocaleOf(const QLocale& locale);

// The user's regional settings: QLocale::system(), which follows LC_ALL, then LC_NUMERIC, then
// LANG. The C library's locale is neither read nor changed.
NumberLocale systemNumberLocale();

}  // namespace thalmuro
