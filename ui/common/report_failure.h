// What the windows tell the user when a file they write (the results report, an exported
// table) could not be written.
#pragma once

#include <QString>
#include <string>
#include <system_error>

#include "thalmuro/engine.h"

namespace thalmuro {

// The file's name as the user typed it and the reason, in Greek, for the usual causes
// (missing folder, no permission, a folder of that name, full or read-only disk, a name too
// long, the file-size limit, a FIFO nobody reads, no Windows-1253 converter), with a general
// sentence for any other.
QString reportFailureText(const std::string& fileName, std::error_code error);

// The reason alone, one Greek sentence, for any file the program writes.
QString writeFailureReason(std::error_code error);

}  // namespace thalmuro
