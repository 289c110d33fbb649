// The panels' one-pixel bevels, drawn with the system's 3D colours.
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/bevel.h"

namespace quorbals {

// One ring on the outermost pixels of r.
void PaintBevelRing(HDC dc, PixelRect r, Bevel bevel);

// A panel's outer ring and, inside it, its inner ring.
void PaintPanelBevels(HDC dc, PixelRect r, Bevel outer, Bevel inner = Bevel::None);

}  // namespace quorbals
