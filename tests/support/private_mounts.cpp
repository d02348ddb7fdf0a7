#include "private_mounts.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>

namespace thalmuro::testing {
namespace {

std::string failed(const std::string& call) {
    return call + ": " + std::strerror(errno);
}

// Enters a mount namespace of this test program's own, once; empty when it did.
const std::string& privateMountNamespace() {
    static const std::string why = []() -> std::string {
        if (unshare(CLONE_NEWNS) != 0) return failed("unshare(CLONE_NEWNS)");
        // Private, so that mounts made here do not spread back to the machine's namespace.
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return failed("making / private");
        return {};
    }();
    return why;
}

}  // namespace

SmallFileSystem::SmallFileSystem(std::filesystem::path folder, std::size_t bytes)
    : folder_(std::move(folder)) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        unavailable_ = "cannot create " + folder_.string() + ": " + error.message();
    } else if (!privateMountNamespace().empty()) {
        unavailable_ = "no mount namespace of the test's own: " + privateMountNamespace();
    } else if (mount("tmpfs", folder_.c_str(), "tmpfs", 0,
                     ("size=" + std::to_string(bytes) + ",mode=0755").c_str()) != 0) {
        unavailable_ = failed("mounting a tmpfs on " + folder_.string());
    }
}

SmallFileSystem::~SmallFileSystem() {
    if (unavailable_.empty()) umount2(folder_.c_str(), MNT_DETACH);
}

std::error_code SmallFileSystem::fillLeaving(std::size_t left) const {
    const std::string filler = (folder_ / "filler").string();
    const int fd = open(filler.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return {errno, std::generic_category()};
    const std::string page(static_cast<std::size_t>(sysconf(_SC_PAGESIZE)), 'f');
    off_t size = 0;
    int error = 0;
    for (;;) {
        const ssize_t written = write(fd, page.data(), page.size());
        if (written > 0) {
            size += written;
        } else {
            if (errno != ENOSPC) error = errno != 0 ? errno : EIO;
            break;
        }
    }
    if (error == 0 && size < static_cast<off_t>(left)) error = ENOSPC;
    if (error == 0 && ftruncate(fd, size - static_cast<off_t>(left)) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    return {error, std::generic_category()};
}

std::error_code SmallFileSystem::makeReadOnly() const {
    if (mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        return {errno, std::generic_category()};
    return {};
}

const std::string& guardDev() {
    static const std::string why = []() -> std::string {
        if (!privateMountNamespace().empty())
            return geteuid() == 0
                       ? "no mount namespace of the test's own: " + privateMountNamespace()
                       : std::string();
        // A read-only copy of /dev over itself, with the file systems mounted below it.
        if (mount("/dev", "/dev", nullptr, MS_BIND | MS_REC, nullptr) != 0)
            return failed("bind-mounting /dev on itself");
        if (mount(nullptr, "/dev", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            return failed("making /dev read-only");
        return {};
    }();
    return why;
}

const std::vector<ObstacleCase>& obstacles() {
    static const std::vector<ObstacleCase> cases = {
        {"FullDisk", Obstacle::full_disk, ENOSPC},
        {"ReadOnlyFolder", Obstacle::read_only_folder, EROFS},
        {"FileSizeLimit", Obstacle::file_size_limit, EFBIG},
    };
    return cases;
}

ObstructedFolder::ObstructedFolder(std::filesystem::path folder, Obstacle obstacle,
                                   const std::string& fileName, const std::string& oldBytes)
    : folder_(std::move(folder)) {
    if (obstacle == Obstacle::file_size_limit) {
        std::filesystem::create_directories(folder_);
        fileSizeLimit_ = 4096;
    } else {
        small_.emplace(folder_, 64 * 1024);
        unavailable_ = small_->unavailable();
        if (!unavailable_.empty()) return;
    }
    std::ofstream(folder_ / fileName, std::ios::binary) << oldBytes;
    std::error_code error;
    if (obstacle == Obstacle::full_disk) {
        // One page free: a new version of a few kilobytes starts to go in, then the disk is full.
        error = small_->fillLeaving(4096);
    } else if (obstacle == Obstacle::read_only_folder) {
        error = small_->makeReadOnly();
    }
    if (error) failure_ = "setting up the obstacle: " + error.message();
}

std::vector<std::string> ObstructedFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
        names.push_back(entry.path().lexically_relative(folder_).string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace thalmuro::testing
