// Keys as Windows reports them, handed over to the shared commands as they
// take every front end's keys.
#pragma once

#include <optional>

#include "app/key_commands.h"
#include "platform/win32/win32_headers.h"

namespace quorbals {

// A WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP as a key, with the
// modifiers held as it came; nothing for any other message.
std::optional<KeyEvent> KeyEventOf(UINT message, WPARAM virtualKey, LPARAM keyData);

}  // namespace quorbals
