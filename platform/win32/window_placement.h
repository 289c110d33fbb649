// Giving a window a client area of an exact size, and a place in the
// middle of the screen.
#pragma once

#include "platform/win32/win32_headers.h"

namespace quorbals {

// Grows or shrinks the window, keeping its place, until its client area is
// `width` by `height`. The frame is measured, not estimated, so a menu bar
// wrapped onto two lines or a border style changed at run time is allowed
// for.
void FitClientArea(HWND hwnd, int width, int height);

// Moves the window, keeping its size, to the middle of the primary screen.
void CentreOnScreen(HWND hwnd);

}  // namespace quorbals
