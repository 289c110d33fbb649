// Asks the X11 window manager for the frame a window should have, through
// the Motif hints it reads: which border icons to draw (decorations) and
// what the user may do (functions). Qt sends no decorations at all for a
// title-only frame, so a window manager falls back to its full set.
#pragma once

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

}  // namespace quorbals
