// AppDataFolder on Windows: the current user's "AppData" value of the shell
// folders, read as it stands. Windows keeps that folder, so nothing is made
// here; the data-location rules make the game's own level under it.
#include "platform/app_data_folder.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_path.h"

namespace quorbals {

namespace {
constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}  // namespace

std::string AppDataFolder() {
    HKEY key = nullptr;
    // Opened for reading only: a missing key must not be created.
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::wstring text;
    DWORD type = 0;
    DWORD bytes = 0;
    LSTATUS status = RegQueryValueExW(key, L"AppData", nullptr, &type, nullptr, &bytes);
    if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) && bytes > 0) {
        std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, L"AppData", nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (status == ERROR_SUCCESS) {
            buffer.resize(got / sizeof(wchar_t));
            // The stored text may or may not carry its terminating zero.
            const std::size_t end = buffer.find(L'\0');
            if (end != std::wstring::npos) {
                buffer.resize(end);
            }
            text = buffer;
        }
    }
    RegCloseKey(key);
    return Utf8Path(text);
}

}  // namespace quorbals
