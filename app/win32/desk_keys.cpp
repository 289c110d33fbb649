#include "app/win32/desk_keys.h"

namespace quorbals {

std::optional<DeskKey> DeskKeyOf(WPARAM virtualKey, LPARAM keyData) {
    DeskKey key;
    switch (virtualKey) {
        case VK_LEFT:
            key = DeskKey::Left;
            break;
        case VK_RIGHT:
            key = DeskKey::Right;
            break;
        case VK_UP:
            key = DeskKey::Up;
            break;
        case VK_DOWN:
            key = DeskKey::Down;
            break;
        case VK_HOME:
            key = DeskKey::RowStart;
            break;
        case VK_END:
            key = DeskKey::RowEnd;
            break;
        case VK_PRIOR:
            key = DeskKey::ColumnTop;
            break;
        case VK_NEXT:
            key = DeskKey::ColumnBottom;
            break;
        case VK_RETURN:
        case VK_SPACE:
            key = DeskKey::Act;
            break;
        case VK_ESCAPE:
            key = DeskKey::Deselect;
            break;
        default:
            return std::nullopt;
    }
    // Bit 30: the key was already down, so this is its repeat. Alt comes
    // as WM_SYSKEYDOWN and never reaches here.
    const bool repeat = (keyData & (LPARAM{1} << 30)) != 0;
    const bool command =
        GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0;
    if (!DeskKeyCounts(key, repeat, command)) {
        return std::nullopt;
    }
    return key;
}

}  // namespace quorbals
