// The process's C locale as a GUI toolkit leaves it under regional settings with a decimal comma.
#pragma once

namespace thalmuro::testing {

// Switches the process's C locale to one whose decimal separator is a comma: Greek, German or
// French, by their POSIX names, then by their Windows names. False, with the C locale back, when
// none of them is installed.
bool useDecimalCommaLocale();

}  // namespace thalmuro::testing
