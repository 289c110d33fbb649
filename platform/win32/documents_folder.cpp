#include "platform/documents_folder.h"

#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/win32/wide_path.h"

namespace quorbals {

std::string UserDocumentsFolder() {
    PWSTR folder = nullptr;
    std::string text;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder)) && folder) {
        text = Utf8Path(folder);
    }
    // Freed whether or not the call succeeded, as the call asks.
    CoTaskMemFree(folder);
    return text;
}

}  // namespace quorbals
