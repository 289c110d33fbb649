// The system's save and open dialogs for saved games ("Save game" and
// "Load game"), on paths in UTF-8.
#pragma once

#include <optional>
#include <string>

#include "platform/win32/win32_headers.h"

namespace quorbals {

// Offers `fileName` in `folder` (the system's own choice when empty). The
// chosen full path, or nothing when cancelled.
std::optional<std::string> AskGameSavePath(HWND owner, const std::string& folder,
                                           const std::string& fileName);
std::optional<std::string> AskGameLoadPath(HWND owner, const std::string& folder,
                                           const std::string& fileName);

}  // namespace quorbals
