#include "app/win32/file_dialogs.h"

#include <algorithm>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/wide_path.h"
#include "storage/game_file_dialog_texts.h"
#include "storage/win32/system_file_error.h"

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
    // The one filter: its description and its pattern, each ended by a zero.
    std::wstring filter = Wide(kGameFileKind);
    filter += L'\0';
    filter += Wide(kGameFilePattern);
    filter += L'\0';
    const std::wstring suffix = Wide(kGameFileSuffix);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
    ofn.lpstrDefExt = suffix.c_str();
    // The current folder stays: the sounds are found there by their bare names.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    BOOL chosen = FALSE;
    const std::wstring title = Wide(save ? kSaveGameTitle : kLoadGameTitle);
    ofn.lpstrTitle = title.c_str();
    if (save) {
        ofn.Flags |= OFN_OVERWRITEPROMPT;
        chosen = GetSaveFileNameW(&ofn);
    } else {
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
