// Mounts for tests that need a file system to misbehave or a device kept safe. They live in a
// mount namespace private to the test program, entered on first use: the rest of the machine
// never sees them, they go when the test program ends, and the programs the test starts
// afterwards see them. Making them needs root (CAP_SYS_ADMIN).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

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

// Makes /dev read-only in the test program's namespace, once; its devices can still be written.
// A writer that wrongly put a file in place of /dev/null or /dev/stdout then fails instead of
// replacing the machine's. Empty when done, or when this process could not change /dev anyway
// (not root); otherwise why not, for the test's skip message.
const std::string& guardDev();

}  // namespace thalmuro::testing
