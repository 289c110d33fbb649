// The keys of keyboard play as Windows reports them to the main window.
#pragma once

#include <optional>

#include "platform/win32/win32_headers.h"
#include "view/keyboard_play.h"

namespace quorbals {

// The arrows, Home, End, Page Up, Page Down, Enter, Space and Escape of a
// WM_KEYDOWN, whatever modifiers are held. A held Enter or Space acts once:
// its repeats are no keys of the Desk's.
std::optional<DeskKey> DeskKeyOf(WPARAM virtualKey, LPARAM keyData);

}  // namespace quorbals
