#include "platform/win32/ansi_path.h"

#include <windows.h>

#include <optional>

#include "platform/win32/wide_path.h"

namespace quorbals {

namespace {

// The text in the ANSI code page, or nothing when a character has no exact
// counterpart there (a best-fit stand-in would name another file).
std::optional<std::string> InAnsiCodePage(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                         static_cast<int>(wide.size()), nullptr, 0, nullptr, &lost);
    if (size <= 0 || lost) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        ansi.data(), size, nullptr, &lost);
    // Read back, so that nothing that only looks converted gets through.
    const int back = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(),
                                         static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring again(static_cast<std::size_t>(back > 0 ? back : 0), L'\0');
    if (back > 0) {
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(),
                            static_cast<int>(ansi.size()), again.data(), back);
    }
    if (lost || again != wide) {
        return std::nullopt;
    }
    return ansi;
}

// The 8.3 name of an existing file. Where a volume keeps no short names the
// long one comes back, which then does not convert either.
std::optional<std::wstring> ShortPath(const std::wstring& wide) {
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring shortPath(size, L'\0');
    const DWORD got = GetShortPathNameW(wide.c_str(), shortPath.data(), size);
    if (got == 0 || got >= size) {
        return std::nullopt;
    }
    shortPath.resize(got);
    return shortPath;
}

}  // namespace

std::string AnsiPath(const std::string& utf8Path) {
    if (GetACP() == CP_UTF8) {
        return utf8Path;
    }
    const std::optional<std::wstring> converted = WideText(utf8Path);
    if (!converted) {
        return utf8Path;  // not UTF-8: nothing to convert
    }
    const std::wstring& wide = *converted;
    if (const auto ansi = InAnsiCodePage(wide)) {
        return *ansi;
    }
    if (const auto shortPath = ShortPath(wide)) {
        if (const auto ansi = InAnsiCodePage(*shortPath)) {
            return *ansi;
        }
    }
    return utf8Path;
}

}  // namespace quorbals
