// The engine on Windows: file names are UTF-8 in the engine and UTF-16 at the Win32 calls, the
// Windows-1253 bytes come from the system's code page 1253, and the safe writer replaces a file
// with a flushed temporary file moved over it.

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "platform.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

// The UTF-16 form of a UTF-8 name; none when the name is not UTF-8.
std::optional<std::wstring> wideName(const std::string& name) {
    if (name.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(),
                                           static_cast<int>(name.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()),
                        wide.data(), length);
    return wide;
}

// The errno value of a Win32 error, so that callers see the same errors as on POSIX systems.
int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return 0;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_INVALID_NAME:
            return EINVAL;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
            return EPIPE;
        default:
            return EIO;
    }
}

std::error_code systemError(DWORD error) {
    const int code = errnoOf(error);
    return code != 0 ? std::error_code(code, std::generic_category()) : std::error_code();
}

std::error_code lastError() {
    return systemError(GetLastError());
}

// The longest name of one file or folder that Windows' file systems (NTFS, FAT32, exFAT) keep,
// in UTF-16 units.
constexpr std::size_t kLongestNameInFolder = 255;

// Whether a file or folder of `name` is named beyond what a file system keeps. Windows then
// says the path was not found, which would tell the user of a missing folder.
bool nameTooLong(const std::wstring& name) {
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of(L"\\/", start), name.size());
        if (end - start > kLongestNameInFolder) return true;
        start = end + 1;
    }
    return false;
}

// Closes a handle when it goes.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes it now; false when closing failed.
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

// Writes all of `bytes`, going on after a short write.
std::error_code writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return lastError();
        if (written == 0) return systemError(ERROR_WRITE_FAULT);
        bytes.remove_prefix(written);
    }
    return {};
}

// The final path of an open file, links resolved; none when the system cannot tell.
std::optional<std::wstring> finalPath(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
        if (length == 0) return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length + 1);
    }
}

std::wstring::size_type lastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

// Creates a new file ".NAME.XXXXXX" beside `target` (X random letters and digits) and opens it
// for writing.
HANDLE createTemporary(const std::wstring& target, std::wstring& temporary) {
    static constexpr wchar_t kLetters[] =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const std::wstring::size_type separator = lastSeparator(target);
    const std::wstring folder =
        separator == std::wstring::npos ? std::wstring() : target.substr(0, separator + 1);
    const std::wstring name =
        separator == std::wstring::npos ? target : target.substr(separator + 1);
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, std::size(kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + L"." + name + L".";
        for (int k = 0; k < 6; ++k)
            temporary += kLetters[letter(random)];
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Writes the bytes to a temporary file beside `target`, flushes it and moves it over `target`
// in one step; on any failure the temporary file goes and `target` stays as it was.
std::error_code replaceFile(const std::wstring& target, std::string_view bytes) {
    std::wstring temporary;
    Handle file(createTemporary(target, temporary));
    if (!file.valid()) return lastError();
    std::error_code error = writeAll(file.get(), bytes);
    if (!error && !FlushFileBuffers(file.get())) error = lastError();
    if (!file.close() && !error) error = lastError();
    if (!error && !MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = lastError();
    }
    if (error) DeleteFileW(temporary.c_str());
    return error;
}

// A device (NUL, CON) or a pipe: the bytes go straight to it.
std::error_code writeInPlace(const std::wstring& path, std::string_view bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return lastError();
    std::error_code error = writeAll(file.get(), bytes);
    if (!file.close() && !error) error = lastError();
    return error;
}

}  // namespace

std::FILE* openForReading(const std::string& fileName) {
    const std::optional<std::wstring> wide = wideName(fileName);
    if (!wide) {
        errno = EINVAL;
        return nullptr;
    }
    std::FILE* file = _wfopen(wide->c_str(), L"rb");
    // A folder cannot be opened as a file here; elsewhere it opens and cannot be read, and the
    // reason is the same everywhere.
    const DWORD attributes = file == nullptr ? GetFileAttributesW(wide->c_str()) : 0;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        errno = EISDIR;
    }
    return file;
}

std::error_code writeFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty()) return systemError(ERROR_PATH_NOT_FOUND);
    const std::optional<std::wstring> wide = wideName(path);
    if (!wide) return systemError(ERROR_INVALID_NAME);
    if (nameTooLong(*wide)) return systemError(ERROR_FILENAME_EXCED_RANGE);
    // What the name is: opened without access, following links, folders included.
    Handle existing(CreateFileW(wide->c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!existing.valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? replaceFile(*wide, bytes) : systemError(error);
    }
    if (GetFileType(existing.get()) != FILE_TYPE_DISK) {
        existing.close();
        return writeInPlace(*wide, bytes);
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(existing.get(), &information)) return lastError();
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {EISDIR, std::generic_category()};
    // A read-only file is not to be replaced, even where moving over it would succeed.
    if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return systemError(ERROR_ACCESS_DENIED);
    // Through a link, its final target is replaced and the link stays.
    const std::wstring target = finalPath(existing.get()).value_or(*wide);
    existing.close();
    return replaceFile(target, bytes);
}

std::optional<std::string> encodeWindows1253(std::string_view utf8) {
    // The characters one by one as the system reads them; a byte sequence that is not one
    // character (its lead byte tells the length, cut short at the first byte that cannot
    // continue it) and a character beyond the 16-bit plane, never in the code page, count as
    // one unknown character.
    constexpr wchar_t kUnknown = 0xFFFD;
    std::wstring wide;
    wide.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto lead = static_cast<unsigned char>(utf8.front());
        if (lead < 0x80) {
            wide += static_cast<wchar_t>(lead);
            utf8.remove_prefix(1);
            continue;
        }
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        for (std::size_t k = 1; k < length && k < utf8.size(); ++k) {
            if ((static_cast<unsigned char>(utf8[k]) & 0xC0) != 0x80) length = k;
        }
        length = std::min(length, utf8.size());
        wchar_t character[2] = {};
        const int got = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                            static_cast<int>(length), character, 2);
        wide += got == 1 ? character[0] : kUnknown;
        utf8.remove_prefix(length);
    }
    if (wide.empty()) return std::string();
    char unknown = '?';
    const int size =
        WideCharToMultiByte(1253, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                            nullptr, 0, &unknown, nullptr);
    if (size <= 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1253, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        bytes.data(), size, &unknown, nullptr);
    return bytes;
}

std::optional<std::string> decodeWindows1253(std::string_view bytes) {
    if (bytes.empty()) return std::string();
    // One character per byte: the code page is a single-byte one.
    const int length =
        MultiByteToWideChar(1253, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1253, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    // The system maps a byte to which the code page gives no character (0x81, 0xAA, 0xD2,
    // 0xFF...) to a control character of 0x80..0x9F or to a private-use character: that is
    // U+FFFD, the replacement character, as everywhere else.
    for (wchar_t& c : wide) {
        if ((c >= 0x80 && c <= 0x9F) || (c >= 0xE000 && c <= 0xF8FF)) c = 0xFFFD;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::nullopt;
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

}  // namespace thalmuro
