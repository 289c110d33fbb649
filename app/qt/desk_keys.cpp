#include "app/qt/desk_keys.h"

#include <QKeyEvent>

namespace quorbals {

std::optional<DeskKey> DeskKeyFor(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    std::optional<DeskKey> key;
    switch (event.key()) {
        case Qt::Key_Left:
            return DeskKey::Left;
        case Qt::Key_Right:
            return DeskKey::Right;
        case Qt::Key_Up:
            return DeskKey::Up;
        case Qt::Key_Down:
            return DeskKey::Down;
        case Qt::Key_Home:
            return DeskKey::RowStart;
        case Qt::Key_End:
            return DeskKey::RowEnd;
        case Qt::Key_PageUp:
            return DeskKey::ColumnTop;
        case Qt::Key_PageDown:
            return DeskKey::ColumnBottom;
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
    if (event.isAutoRepeat()) {
        return std::nullopt;
    }
    return key;
}

}  // namespace quorbals
