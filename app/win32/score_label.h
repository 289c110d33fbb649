// L_Scores on Win32: the score in the strip above the Desk, in the shared
// score font for this system and aligned as the shared rule says.
#pragma once

#include <string>

#include "platform/win32/win32_headers.h"

namespace quorbals {

// "System" where the system has it, else the shared fallback, at `scale`.
HFONT CreateScoreFont(int scale);

// Draws `score` in the label's rectangle of a window at `scale`, with
// `font` (CreateScoreFont's) selected for the drawing.
void PaintScore(HDC dc, HFONT font, const std::string& score, int scale);

}  // namespace quorbals
