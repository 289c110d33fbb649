// The frame of the page's desktop-like windows, in design pixels: the page's
// style sheet takes these numbers from the tables, and the main window's
// outer size, by which every window's scale is fitted to the viewport,
// follows from them.
#pragma once

#include "app/main_window_layout.h"

namespace quorbals {

struct PageFrame {
    int border = 2;    // the outer bevel
    int padding = 2;   // the face between the bevel and the caption
    int caption = 18;  // the caption bar
    int menuBar = 19;  // the main window's menu bar
    constexpr int Ring() const { return border + padding; }
};
inline constexpr PageFrame kPageFrame{};

// The main window with its frame, caption and menu bar: 281 x 351.
inline constexpr int kPageMainWidth = kPlayWidth + 2 * kPageFrame.Ring();
inline constexpr int kPageMainHeight =
    kPlayHeight + kPageFrame.caption + kPageFrame.menuBar + 2 * kPageFrame.Ring();

}  // namespace quorbals
