#include "thalmuro/engine.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

namespace thalmuro {
namespace {

// Symbolic links followed before giving up with ELOOP, as the kernel does.
constexpr int kMaxLinks = 40;

// The error of a named pipe that no program has open for reading: the kernel's ENXIO, with a
// reason a user can act on.
class PipeErrorCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "named pipe"; }
    std::string message(int) const override { return "no program is reading from the named pipe"; }
    std::error_condition default_error_condition(int code) const noexcept override {
        return {code, std::generic_category()};
    }
};

std::error_code pipeWithoutReader() {
    static const PipeErrorCategory category;
    return {ENXIO, category};
}

std::error_code systemError(int code) {
    return code != 0 ? std::error_code(code, std::generic_category()) : std::error_code();
}

// Whether `path` names something under /dev or /proc, where names are links into the running
// process (/dev/stdout, /proc/self/fd/1) or devices, never files to replace.
bool underDevOrProc(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path full = std::filesystem::absolute(path, ignored).lexically_normal();
    auto part = full.begin();
    if (part == full.end() || *part != "/") return false;
    ++part;
    return part != full.end() && (*part == "dev" || *part == "proc");
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// The text of the symbolic link `link`, or empty with errno set.
std::string readLink(const std::string& link) {
    std::string text(PATH_MAX, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < text.size()) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// Where the bytes go.
struct Target {
    enum class Kind { replace, in_place } kind = Kind::in_place;
    std::string path;  // replace: the regular file to replace (existing or not)
    bool exists = false;
    struct stat status {};  // replace, when `exists`: the file being replaced
};

// Follows `path` through its symbolic links to the file the bytes belong to.
std::error_code findTarget(const std::string& path, Target& target) {
    std::string current = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (underDevOrProc(current)) return {};
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) return systemError(errno);
            target = {Target::Kind::replace, current, false, {}};
            return {};
        }
        if (S_ISREG(status.st_mode)) {
            target = {Target::Kind::replace, current, true, status};
            return {};
        }
        if (!S_ISLNK(status.st_mode)) return {};
        const std::string link = readLink(current);
        if (link.empty()) return systemError(errno);
        current = link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    return systemError(ELOOP);
}

// Blocks SIGXFSZ on this thread while it lives. With the signal blocked, a write past the
// file-size limit (ulimit -f) fails with EFBIG instead of ending the process; the kernel sends
// that signal to the writing thread, where it is left pending and is taken here before the old
// mask comes back. Blocking keeps the change to this thread: ignoring the signal instead would
// change its disposition for the whole process while the write lasts.
class FileSizeSignalHeld {
  public:
    FileSizeSignalHeld() {
        sigemptyset(&signal_);
        sigaddset(&signal_, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &signal_, &previous_);
    }
    ~FileSizeSignalHeld() {
        // Blocked by the caller already: the mask stays, and a pending signal is the caller's.
        if (sigismember(&previous_, SIGXFSZ) == 1) return;
        const timespec now{};
        while (sigtimedwait(&signal_, nullptr, &now) == SIGXFSZ) {
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
    FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

  private:
    sigset_t signal_{};
    sigset_t previous_{};
};

// Writes all of `bytes` to `fd`, going on after a short write or an interrupting signal.
int writeAll(int fd, std::string_view bytes) {
    const FileSizeSignalHeld held;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Closes `fd` and says what went wrong on the way, if anything.
int closeFile(int fd) {
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

// Creates a hidden ".NAME.XXXXXX" in `folder` with `mode` (less the umask) and opens it for
// writing; the X are random letters and digits. Returns -1 with errno set when it cannot.
int createTemporary(const std::string& folder, const std::string& name, mode_t mode,
                    std::string& temporary) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr std::size_t kRandom = 6;
    // Shortened so that the temporary name stays within NAME_MAX, at a UTF-8 character's start.
    std::size_t keep = std::min(name.size(), std::size_t{NAME_MAX} - kRandom - 2);
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    const std::string prefix = (folder == "/" ? "" : folder) + "/." + name.substr(0, keep) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kRandom];
        if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return -1;
        temporary = prefix;
        for (const unsigned char r : random)
            temporary += kLetters[r % (sizeof kLetters - 1)];
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Flushes the folder's entries to disk so that a rename in it lasts.
std::error_code syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder that may be written but not read cannot be flushed; the rename stands.
    if (fd < 0) return {};
    // File systems that cannot flush a folder say EINVAL.
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    closeFile(fd);
    return error != 0 ? systemError(error) : std::error_code{};
}

// Gives the new file the owner and group of the one it replaces where this process may (root,
// or the group alone for a member of it); elsewhere it stays ours, as a newly created file.
void keepOwner(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0 || (now.st_uid == old.st_uid && now.st_gid == old.st_gid)) return;
    static_cast<void>(::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                      ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0);
}

std::error_code replaceRegularFile(const Target& target, std::string_view bytes) {
    const std::string folder = folderOf(target.path);
    std::string temporary;
    const int fd =
        createTemporary(folder, fileNameOf(target.path), target.exists ? 0600 : 0666, temporary);
    if (fd < 0) return systemError(errno);
    int error = writeAll(fd, bytes);
    if (error == 0 && target.exists) {
        keepOwner(fd, target.status);
        // After the owner: changing it clears the set-user-ID and set-group-ID bits.
        if (::fchmod(fd, target.status.st_mode & 07777) != 0) error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    const int closeError = closeFile(fd);
    if (error == 0) error = closeError;
    if (error == 0 && std::rename(temporary.c_str(), target.path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return systemError(error);
    }
    return syncFolder(folder);
}

std::error_code writeInPlace(const std::string& path, std::string_view bytes) {
    // Not blocking on open: a named pipe without a reader then fails with ENXIO at once.
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        struct stat status {};
        if (error == ENXIO && ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode))
            return pipeWithoutReader();
        return systemError(error);
    }
    // The writes themselves wait for a slow reader as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    int error = flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ? errno : 0;
    if (error == 0) error = writeAll(fd, bytes);
    struct stat status {};
    if (error == 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::fsync(fd) != 0)
        error = errno;
    const int closeError = closeFile(fd);
    return systemError(error != 0 ? error : closeError);
}

}  // namespace

std::error_code writeFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty()) return systemError(ENOENT);
    Target target;
    if (const std::error_code error = findTarget(path, target)) return error;
    return target.kind == Target::Kind::replace ? replaceRegularFile(target, bytes)
                                                : writeInPlace(path, bytes);
}

}  // namespace thalmuro
