// Centring a Qt window on the primary screen by its outer (frame) size.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/qt/window_decorations.h"
#include "view/screen_rect.h"

namespace quorbals {

inline ScreenRect PrimaryScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect r = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    return {r.x(), r.y(), r.width(), r.height()};
}

// Before a window is mapped its frame is unknown and the window itself
// stands in for it; centre again once it is known.
inline void CentreOnPrimaryScreen(QWidget& w) {
    const QSize outer = w.frameGeometry().size().expandedTo(w.size());
    const ScreenRect at = CentredOn(PrimaryScreenRect(), outer.width(), outer.height());
    w.move(at.x, at.y);
}

// Centred by the frame the window manager gives the window, asked for
// before the window is mapped, so that even its first showing stands in the
// middle. False, leaving the window where it was, when the frame cannot be
// known.
inline bool CentreOnPrimaryScreenWithFrame(QWidget& w) {
    const std::optional<QMargins> frame = FrameExtents(w);
    if (!frame) {
        return false;
    }
    const QSize outer = w.size().grownBy(*frame);
    const ScreenRect at = CentredOn(PrimaryScreenRect(), outer.width(), outer.height());
    // The window's own rectangle, which does not depend on what Qt knows of
    // the frame yet.
    w.setGeometry(QRect(QPoint(at.x + frame->left(), at.y + frame->top()), w.size()));
    return true;
}

}  // namespace quorbals
