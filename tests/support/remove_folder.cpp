#include "remove_folder.h"

#include <chrono>
#include <system_error>
#include <thread>
#include <vector>

namespace thalmuro::testing {
namespace {

namespace fs = std::filesystem;

// One pass over `path`: whatever can be removed now, the contents of a folder before it.
void removeOnce(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(path, error))) {
        std::vector<fs::path> entries;
        for (fs::directory_iterator entry(path, error), end; !error && entry != end;
             entry.increment(error))
            entries.push_back(entry->path());
        for (const fs::path& entry : entries)
            removeOnce(entry);
    }
    fs::remove(path, error);
}

}  // namespace

void removeFolder(const fs::path& folder) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        removeOnce(folder);
        std::error_code error;
        if (fs::symlink_status(folder, error).type() == fs::file_type::not_found) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace thalmuro::testing
