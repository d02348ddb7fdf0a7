// A test's files as bytes: written and read back exactly, and the names a folder holds.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace thalmuro::testing {

// The whole file; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// `size` bytes of every value, so that a byte written twice or left out shows.
std::string someBytes(std::size_t size);

// Every name in the folder and below it, relative to it (UTF-8), sorted.
std::vector<std::string> tree(const std::filesystem::path& folder);

}  // namespace thalmuro::testing
