// The name a saved game is downloaded under, from what the player typed in
// the page's save dialog.
#pragma once

#include <string>

namespace quorbals {

// Without folders (the browser decides where downloads go), surrounding
// spaces trimmed, and ".kvx" appended when the name has no extension of its
// own, as the desktop save dialogs do. Empty when nothing is left.
std::string SaveFileName(const std::string& typed);

}  // namespace quorbals
