// Text is UTF-8 in the game and UTF-16 for the wide Windows calls, so that
// names outside the system's code page work. The one conversion both ways.
#pragma once

#include <optional>
#include <string>

namespace quorbals {

// Nothing for text that is not UTF-8.
std::optional<std::wstring> WideText(const std::string& utf8);

// Malformed UTF-16 gives U+FFFD in its place.
std::string Utf8Path(const std::wstring& wide);

}  // namespace quorbals
