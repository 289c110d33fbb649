#include "app/win32/key_translation.h"

namespace quorbals {

std::optional<KeyEvent> KeyEventOf(UINT message, WPARAM virtualKey, LPARAM keyData) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (!down && message != WM_KEYUP && message != WM_SYSKEYUP) {
        return std::nullopt;
    }
    KeyEvent k;
    k.code = static_cast<int>(virtualKey);
    k.ctrl = GetKeyState(VK_CONTROL) < 0;
    // Alt comes as the system keys' messages.
    k.alt = message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || GetKeyState(VK_MENU) < 0;
    k.shift = GetKeyState(VK_SHIFT) < 0;
    k.system = GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0;
    // Bit 30 of a press: the key was already down, so this is its repeat.
    k.repeat = down && (keyData & (LPARAM{1} << 30)) != 0;
    k.down = down;
    return k;
}

}  // namespace quorbals
