#include "app/win32/file_dialogs.h"

#include <algorithm>
#include <vector>

#include "storage/win32/wide_path.h"

namespace quorbals {

namespace {

// Room for long paths; the dialog writes the chosen name here.
constexpr std::size_t kNameRoom = 32768;

std::optional<std::string> RunGameFileDialog(HWND owner, bool save, const std::string& folder,
                                             const std::string& fileName) {
    std::vector<wchar_t> name(kNameRoom, L'\0');
    const std::wstring offered = WidePath(fileName);
    offered.copy(name.data(), std::min(offered.size(), kNameRoom - 1));
    const std::wstring startFolder = WidePath(folder);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = L"Quorbals game\0*.kvx\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
    ofn.lpstrDefExt = L"kvx";
    // The current folder stays: the sounds are found there by their bare names.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    BOOL chosen = FALSE;
    if (save) {
        ofn.lpstrTitle = L"Save game";
        ofn.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameW(&ofn);
    } else {
        ofn.lpstrTitle = L"Load game";
        ofn.Flags |= OFN_FILEMUSTEXIST;
        chosen = GetOpenFileNameW(&ofn);
    }
    if (!chosen || name[0] == L'\0') {
        return std::nullopt;
    }
    return Utf8Path(std::wstring(name.data()));
}

}  // namespace

std::optional<std::string> AskGameSavePath(HWND owner, const std::string& folder,
                                           const std::string& fileName) {
    return RunGameFileDialog(owner, true, folder, fileName);
}

std::optional<std::string> AskGameLoadPath(HWND owner, const std::string& folder,
                                           const std::string& fileName) {
    return RunGameFileDialog(owner, false, folder, fileName);
}

}  // namespace quorbals
