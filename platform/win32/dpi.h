// The dots per inch of the monitor a window lies on, for a program that
// declares itself aware of each monitor's own. The calls of newer systems
// are looked up when first needed, so that older ones still run the game
// at their system-wide setting.
#pragma once

#include "platform/win32/win32_headers.h"

namespace quorbals {

// Sent when a window moves to a monitor of another scale (Windows 8.1 and
// later), and, before that, to ask for the size it wants there (Windows 10
// 1703 and later).
inline constexpr UINT kDpiChangedMessage = 0x02E0;        // WM_DPICHANGED
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;  // WM_GETDPISCALEDSIZE

// The monitor's dots per inch for this window (96 at 100 %); the system's
// where the system cannot tell a window's own.
UINT WindowDpi(HWND hwnd);

// The answer to kDpiChangedMessage: the window takes the rectangle the
// system suggests (lParam); returns the monitor's new dots per inch.
UINT TakeSuggestedRect(HWND hwnd, WPARAM wParam, LPARAM lParam);

// The outer rectangle of a window whose client area is `client`, with a
// frame of the given style drawn at `dpi`.
RECT OuterRectForDpi(RECT client, DWORD style, bool menu, DWORD exStyle, UINT dpi);

}  // namespace quorbals
