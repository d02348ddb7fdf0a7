#include "small_drive.h"

#include <cstdlib>
#include <fstream>

namespace thalmuro::testing {

std::string smallDrive() {
    const char* drive = std::getenv("THALMURO_SMALL_DRIVE");
    return drive != nullptr ? drive : "";
}

void fillDrive(const std::filesystem::path& folder) {
    std::ofstream filler(folder / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size()))
        filler.flush();
}

}  // namespace thalmuro::testing
