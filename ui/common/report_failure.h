// What the windows tell the user when a file they write (the results report, an exported
// table) could not be written.
#pragma once

#include <QString>
#include <string>
#include <system_error>

#include "file_saving.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// The file's name as the user typed it and the reason, in the language shown, as
// writeFailureReason (file_saving.h) gives it.
QString reportFailureText(const std::string& fileName, std::error_code error);

}  // namespace thalmuro
