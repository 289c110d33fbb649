#include "app/qt/desk_keys.h"

#include <QKeyEvent>

namespace quorbals {

std::optional<DeskKey> DeskKeyFor(const QKeyEvent& event) {
    DeskKey key;
    switch (event.key()) {
        case Qt::Key_Left:
            key = DeskKey::Left;
            break;
        case Qt::Key_Right:
            key = DeskKey::Right;
            break;
        case Qt::Key_Up:
            key = DeskKey::Up;
            break;
        case Qt::Key_Down:
            key = DeskKey::Down;
            break;
        case Qt::Key_Home:
            key = DeskKey::RowStart;
            break;
        case Qt::Key_End:
            key = DeskKey::RowEnd;
            break;
        case Qt::Key_PageUp:
            key = DeskKey::ColumnTop;
            break;
        case Qt::Key_PageDown:
            key = DeskKey::ColumnBottom;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            key = DeskKey::Act;
            break;
        case Qt::Key_Escape:
            key = DeskKey::Deselect;
            break;
        default:
            return std::nullopt;
    }
    const bool command =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!DeskKeyCounts(key, event.isAutoRepeat(), command)) {
        return std::nullopt;
    }
    return key;
}

}  // namespace quorbals
