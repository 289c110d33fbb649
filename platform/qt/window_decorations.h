// Asks the X11 window manager for the frame a window should have, through
// the Motif hints it reads: which border icons to draw (decorations) and
// what the user may do (functions). Qt sends no decorations at all for a
// title-only frame, so a window manager falls back to its full set.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace quorbals {

struct FrameRequest {
    bool systemMenu = false;
    bool minimise = false;
    bool close = false;
};

// Call from the window's first show event, before it is mapped. Does
// nothing off X11. The frame is never resizable and never maximised.
void RequestFrame(QWidget& window, const FrameRequest& request);

// The frame (left, top, right, bottom) the window manager puts around
// `window`: read from the window once it has been mapped, and before that
// asked of the window manager (which answers for the frame the window's hints
// ask for, so call after RequestFrame). Empty off X11, without a window
// manager that tells, or when it does not answer within a moment.
std::optional<QMargins> FrameExtents(QWidget& window);

}  // namespace quorbals
