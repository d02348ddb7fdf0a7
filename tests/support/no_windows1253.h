// Running a program as on a system whose C library has no Windows-1253 converter.
#pragma once

#include <string>
#include <utility>

namespace thalmuro::testing {

// The environment variable that makes a child program lose the converter: the test preload
// library, whose iconv_open fails for Windows-1253. Add it to the child's environment.
inline std::pair<std::string, std::string> withoutWindows1253Converter() {
    return {"LD_PRELOAD", THALMURO_NO_WINDOWS1253_PRELOAD};
}

}  // namespace thalmuro::testing
