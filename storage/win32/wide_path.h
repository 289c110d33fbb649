// Paths are UTF-8 text in the game and UTF-16 for the wide Windows calls,
// so that names outside the system's code page work.
#pragma once

#include <string>

namespace quorbals {

// Throws FileError "Invalid file name" for text that is not UTF-8.
std::wstring WidePath(const std::string& utf8);

// Malformed UTF-16 gives U+FFFD in its place.
std::string Utf8Path(const std::wstring& wide);

}  // namespace quorbals
