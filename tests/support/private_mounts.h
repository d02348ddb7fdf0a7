// Mounts for tests that need a file system to misbehave or a device kept safe. They live in a
// mount namespace private to the test program, entered on first use: the rest of the machine
// never sees them, they go when the test program ends, and the programs the test starts
// afterwards see them. Making them needs root (CAP_SYS_ADMIN).
#pragma once

#include <sys/resource.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

namespace thalmuro::testing {

// A small file system of its own (tmpfs) mounted on a test's folder, to fill up or make
// read-only.
class SmallFileSystem {
  public:
    // Creates `folder` and mounts a file system of `bytes` on it.
    SmallFileSystem(std::filesystem::path folder, std::size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    // Empty once mounted; otherwise why it could not be, for the test's skip message.
    const std::string& unavailable() const { return unavailable_; }

    // Fills it with a file "filler" until only `left` bytes (whole pages) are free.
    std::error_code fillLeaving(std::size_t left) const;

    std::error_code makeReadOnly() const;

  private:
    std::filesystem::path folder_;
    std::string unavailable_;
};

// What keeps a new version of an existing file from being written.
enum class Obstacle { full_disk, read_only_folder, file_size_limit };

// One obstacle, and the error a writer must then report.
struct ObstacleCase {
    std::string name;
    Obstacle obstacle;
    int error;
};

inline void PrintTo(const ObstacleCase& c, std::ostream* out) {
    *out << c.name;
}

// The three obstacles: a full disk (ENOSPC), a read-only folder (EROFS), and a file-size limit
// (EFBIG) smaller than the new version.
const std::vector<ObstacleCase>& obstacles();

// A folder `folder` holding the file `fileName` with `oldBytes`, set up so that writing a new
// version of that file (a few kilobytes) meets `obstacle`: a small file system, mounted on the
// folder, filled up to one page or made read-only; or, for the file-size limit, a plain folder
// and a limit of 4096 bytes that the writing process must be given.
class ObstructedFolder {
  public:
    ObstructedFolder(std::filesystem::path folder, Obstacle obstacle, const std::string& fileName,
                     const std::string& oldBytes);

    // Empty when set up; otherwise why the obstacle cannot be had here, for a skip message.
    const std::string& unavailable() const { return unavailable_; }
    // Empty unless setting up failed once the file system was there: a test failure.
    const std::string& failure() const { return failure_; }
    // The file-size limit for the writing process, bytes; none for the other obstacles.
    std::optional<rlim_t> fileSizeLimit() const { return fileSizeLimit_; }
    // The names in the folder and below it, sorted: the same after a failed write.
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path folder_;
    std::optional<SmallFileSystem> small_;
    std::string unavailable_;
    std::string failure_;
    std::optional<rlim_t> fileSizeLimit_;
};

// Makes /dev read-only in the test program's namespace, once; its devices can still be written.
// A writer that wrongly put a file in place of /dev/null or /dev/stdout then fails instead of
// replacing the machine's. Empty when done, or when this process could not change /dev anyway
// (not root); otherwise why not, for the test's skip message.
const std::string& guardDev();

}  // namespace thalmuro::testing
