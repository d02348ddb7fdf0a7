#include "file_bytes.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace thalmuro::testing {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string someBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t k = 0; k < size; ++k)
        bytes[k] = static_cast<char>((k * 7 + k / 251) & 0xFF);
    return bytes;
}

std::vector<std::string> tree(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(entry.path().lexically_relative(folder).u8string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace thalmuro::testing
