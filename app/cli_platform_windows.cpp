#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>

#include "cli_platform.h"

namespace thalmuro::cli {
namespace {

std::string utf8Of(const wchar_t* text, int length) {
    if (length <= 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// One item of a locale's settings, as UTF-8; none when the locale has no such item.
std::optional<std::string> localeItem(const wchar_t* locale, LCTYPE item) {
    wchar_t value[16] = {};
    const int length = GetLocaleInfoEx(locale, item, value, 16);
    if (length <= 0) return std::nullopt;
    return utf8Of(value, length - 1);
}

std::optional<NumberLocale> numberLocaleOf(const wchar_t* locale) {
    const std::optional<std::string> decimal = localeItem(locale, LOCALE_SDECIMAL);
    const std::optional<std::string> grouping = localeItem(locale, LOCALE_STHOUSAND);
    if (!decimal || !grouping) return std::nullopt;
    return NumberLocale{*decimal, *grouping};
}

}  // namespace

void prepareStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

// From the command line as UTF-16, so that a Greek file name arrives whole whatever the
// system's code page.
std::vector<std::string> arguments(int, char**) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> list(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    std::vector<std::string> utf8;
    for (int i = 1; list && i < count; ++i)
        utf8.push_back(utf8Of(list.get()[i], static_cast<int>(wcslen(list.get()[i]))));
    return utf8;
}

bool standardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

// A POSIX-style name (el_GR, el_GR.UTF-8, de_CH@euro) as Windows names it (el-GR).
std::optional<NumberLocale> systemNamedNumberLocale(const std::string& name) {
    std::string base = name.substr(0, name.find_first_of(".@"));
    if (base.empty() || base.size() >= LOCALE_NAME_MAX_LENGTH) return std::nullopt;
    std::wstring wide;
    for (const char c : base) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
        wide += c == '_' ? L'-' : static_cast<wchar_t>(c);
    }
    if (!IsValidLocaleName(wide.c_str())) return std::nullopt;
    return numberLocaleOf(wide.c_str());
}

std::variant<std::string, NumberLocale> userRegionalSettings() {
    if (auto format = numberLocaleOf(LOCALE_NAME_USER_DEFAULT)) return *format;
    return std::string();
}

}  // namespace thalmuro::cli
