// Children of a test program on Windows: CreateProcessW with the standard handles redirected to
// files, waited for a bounded time.
#include <windows.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "child_process.h"

namespace thalmuro::testing {
namespace {

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        length);
    return text;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

// One argument quoted as the C runtime's command-line parser takes it apart again.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, L'\\');
    return text + L"\"";
}

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != INVALID_HANDLE_VALUE && handle != nullptr) CloseHandle(handle);
    }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

// A file the child inherits as a standard handle.
OwnedHandle inheritable(const std::string& path, DWORD access, DWORD creation) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return OwnedHandle(CreateFileW(wide(path).c_str(), access,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                                   creation, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Waits, for at most `timeout`, until no program has the file `path` open any more. Wine closes
// the handles of a child a moment after the child is seen to end; until then its output files
// cannot be created again, and once removed they stay listed in their folder.
void waitUntilReleased(const std::string& path, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const HANDLE alone = CreateFileW(wide(path).c_str(), GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (alone != INVALID_HANDLE_VALUE) {
            CloseHandle(alone);
            return;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION ||
            std::chrono::steady_clock::now() >= deadline)
            return;
        Sleep(5);
    }
}

}  // namespace

std::string ChildEnd::describe() const {
    if (timedOut) return "still running at the time limit, killed";
    return "exit status " + std::to_string(status);
}

ChildEnd runProgram(const Program& program, std::chrono::milliseconds timeout) {
    std::wstring commandLine;
    for (const std::string& argument : program.args)
        commandLine += (commandLine.empty() ? L"" : L" ") + quoted(wide(argument));
    std::wstring environment;
    for (const std::string& entry : program.environment)
        environment += wide(entry) + L'\0';
    environment += L'\0';

    OwnedHandle in = inheritable("NUL", GENERIC_READ, OPEN_EXISTING);
    OwnedHandle out = inheritable(program.out, GENERIC_WRITE, CREATE_ALWAYS);
    OwnedHandle err = inheritable(program.err, GENERIC_WRITE, CREATE_ALWAYS);
    for (const auto& [handle, name] : {std::pair{in.get(), "NUL"},
                                       {out.get(), program.out.c_str()},
                                       {err.get(), program.err.c_str()}}) {
        if (handle == INVALID_HANDLE_VALUE) {
            std::cerr << "cannot open " << name << " for " << program.args.front() << ": error "
                      << GetLastError() << '\n';
            return {};
        }
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION process{};
    const std::wstring folder = wide(program.folder);
    // Wine now and then fails to start a child while the machine is busy, without an error code
    // (seen once in some thousand starts); a few more tries start it.
    constexpr int tries = 4;
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                           CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(),
                           folder.empty() ? nullptr : folder.c_str(), &startup, &process))
            break;
        const DWORD error = GetLastError();
        std::cerr << "cannot start " << program.args.front() << " (try " << attempt << " of "
                  << tries << "): error " << error << '\n';
        if (attempt == tries) return {};
        Sleep(200 * attempt);
    }
    const OwnedHandle child(process.hProcess);
    CloseHandle(process.hThread);
    // The child has its own copies now.
    in.reset();
    out.reset();
    err.reset();
    ChildEnd end;
    if (WaitForSingleObject(child.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        end.timedOut = true;
        TerminateProcess(child.get(), 1);
        WaitForSingleObject(child.get(), INFINITE);
    } else {
        DWORD status = 0;
        if (GetExitCodeProcess(child.get(), &status)) end.status = static_cast<int>(status);
    }
    for (const std::string& file : {program.out, program.err})
        waitUntilReleased(file, std::chrono::seconds(5));
    return end;
}

std::vector<std::string> currentEnvironment() {
    std::vector<std::string> environment;
    const std::unique_ptr<wchar_t, decltype(&FreeEnvironmentStringsW)> block(
        GetEnvironmentStringsW(), &FreeEnvironmentStringsW);
    for (const wchar_t* entry = block.get(); entry != nullptr && *entry != L'\0';
         entry += wcslen(entry) + 1) {
        // Entries such as "=C:=C:\folder" keep the current folder of each drive, not variables.
        if (*entry != L'=') environment.push_back(utf8(entry));
    }
    return environment;
}

std::string posixFeatureMissing() {
    return "a feature of POSIX systems, which Windows does not have";
}

}  // namespace thalmuro::testing
