#include "app/win32/desk_keys.h"

namespace quorbals {

std::optional<DeskKey> DeskKeyOf(WPARAM virtualKey, LPARAM keyData) {
    // Bit 30: the key was already down, so this is its repeat.
    const bool repeat = (keyData & (LPARAM{1} << 30)) != 0;
    switch (virtualKey) {
        case VK_LEFT:
            return DeskKey::Left;
        case VK_RIGHT:
            return DeskKey::Right;
        case VK_UP:
            return DeskKey::Up;
        case VK_DOWN:
            return DeskKey::Down;
        case VK_HOME:
            return DeskKey::RowStart;
        case VK_END:
            return DeskKey::RowEnd;
        case VK_PRIOR:
            return DeskKey::ColumnTop;
        case VK_NEXT:
            return DeskKey::ColumnBottom;
        case VK_RETURN:
        case VK_SPACE:
            return repeat ? std::nullopt : std::optional<DeskKey>(DeskKey::Act);
        case VK_ESCAPE:
            return DeskKey::Deselect;
        default:
            return std::nullopt;
    }
}

}  // namespace quorbals
