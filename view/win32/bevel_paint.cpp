#include "view/win32/bevel_paint.h"

#include <algorithm>

namespace quorbals {

void PaintBevelRing(HDC dc, PixelRect r, Bevel bevel) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    for (const BevelLine& line : BevelRing(r, bevel)) {
        const COLORREF colour = line.shade == BevelShade::Light ? light : dark;
        // A line with both end pixels: one filled rectangle of width or height 1.
        RECT pixels{std::min(line.x0, line.x1), std::min(line.y0, line.y1),
                    std::max(line.x0, line.x1) + 1, std::max(line.y0, line.y1) + 1};
        SetBkColor(dc, colour);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &pixels, nullptr, 0, nullptr);
    }
}

void PaintPanelBevels(HDC dc, PixelRect r, Bevel outer, Bevel inner) {
    PaintBevelRing(dc, r, outer);
    PaintBevelRing(dc, InsideRing(r, outer), inner);
}

}  // namespace quorbals
