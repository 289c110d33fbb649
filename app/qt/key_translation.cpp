#include "app/qt/key_translation.h"

#include <QKeyEvent>

namespace quorbals {

namespace {

int CodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:  // the keypad's
            return key::kEnter;
        case Qt::Key_Escape:
            return key::kEscape;
        case Qt::Key_Space:
            return key::kSpace;
        case Qt::Key_PageUp:
            return key::kPageUp;
        case Qt::Key_PageDown:
            return key::kPageDown;
        case Qt::Key_End:
            return key::kEnd;
        case Qt::Key_Home:
            return key::kHome;
        case Qt::Key_Left:
            return key::kLeft;
        case Qt::Key_Up:
            return key::kUp;
        case Qt::Key_Right:
            return key::kRight;
        case Qt::Key_Down:
            return key::kDown;
        case Qt::Key_F1:
            return key::kF1;
        case Qt::Key_F2:
            return key::kF2;
        default:
            // Letters are their capitals, as Qt's codes for them are.
            return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z ? qtKey : 0;
    }
}

}  // namespace

std::optional<KeyEvent> KeyEventOf(const QKeyEvent& event) {
    const int code = CodeOf(event.key());
    if (code == 0) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers held = event.modifiers();
    KeyEvent k;
    k.code = code;
    k.ctrl = held.testFlag(Qt::ControlModifier);
    k.alt = held.testFlag(Qt::AltModifier);
    k.shift = held.testFlag(Qt::ShiftModifier);
    k.system = held.testFlag(Qt::MetaModifier);
    k.repeat = event.isAutoRepeat();
    k.down = event.type() == QEvent::KeyPress;
    return k;
}

}  // namespace quorbals
