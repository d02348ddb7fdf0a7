// The results report's code page, Windows-1253 (Greek), through the C library's converter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace thalmuro {

// UTF-8 to Windows-1253; a character the code page lacks (or a byte that is not UTF-8) becomes
// "?". Nothing when the C library has no Windows-1253 converter.
std::optional<std::string> encodeWindows1253(std::string_view utf8);

}  // namespace thalmuro
