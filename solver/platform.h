// What the engine needs of the operating system beyond standard C++. Besides the function here,
// each system gives engine.h's encodeWindows1253 and decodeWindows1253 (its converter) and
// writeFileSafely (its way of replacing a file whole): on POSIX systems platform_posix.cpp,
// windows1253.cpp (iconv) and safe_file.cpp; on Windows platform_windows.cpp. File names are
// UTF-8 throughout the engine.
#pragma once

#include <cstdio>
#include <string>

namespace thalmuro {

// Opens the file named `fileName` (UTF-8) for reading bytes, as std::fopen with "rb" does: null
// with errno set when it cannot.
std::FILE* openForReading(const std::string& fileName);

}  // namespace thalmuro
