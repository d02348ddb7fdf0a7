#include <cstdio>

#include "platform.h"

namespace thalmuro {

// File names are bytes to the system, UTF-8 as the engine has them.
std::FILE* openForReading(const std::string& fileName) {
    return std::fopen(fileName.c_str(), "rb");
}

}  // namespace thalmuro
