// Removing a test's scratch folder without waiting forever.
#pragma once

#include <filesystem>

namespace thalmuro::testing {

// Removes `folder` and everything in it, trying again for about a second while something is
// left (on Windows a program that has just ended may still hold the folder it ran in), then
// leaving it. std::filesystem::remove_all of libstdc++ for Windows may instead never return: when
// a file it has listed is gone by the time it removes it, it tries that file again without end.
void removeFolder(const std::filesystem::path& folder);

}  // namespace thalmuro::testing
