// The small drive that tools/test-windows.sh gives the Windows tests to fill up: a file system of
// its own, so that a full disk can be shown without filling the machine's.
#pragma once

#include <filesystem>
#include <string>

namespace thalmuro::testing {

// Why a test that needs the drive is skipped when the run has none.
inline constexpr char kNoSmallDrive[] =
    "no small drive to fill: THALMURO_SMALL_DRIVE names one (tools/test-windows.sh gives it when "
    "run as root)";

// The drive's name, such as "T:"; empty when the run has none.
std::string smallDrive();

// Fills the folder's drive with the file "filler" until nothing more goes in.
void fillDrive(const std::filesystem::path& folder);

}  // namespace thalmuro::testing
