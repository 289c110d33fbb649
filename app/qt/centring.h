// Centring a Qt window on the primary screen by its outer (frame) size.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/front_end.h"

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

}  // namespace quorbals
