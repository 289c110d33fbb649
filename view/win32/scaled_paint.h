// Windows laid out in design pixels on a screen that shows each design
// pixel as a square of `scale` by `scale` screen pixels: rectangles are
// multiplied, pointer positions divided, and pictures copied pixel for
// pixel, never smoothed.
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/design_geometry.h"
#include "view/pixel_picture.h"
#include "view/win32/memory_dc.h"

namespace quorbals {

// The design pixel under a screen pixel. Rounds down, left of and above the
// window too, so that a position outside the picture stays outside it.
constexpr int ToDesignPixel(int screen, int scale) {
    return screen >= 0 ? screen / scale : -((-screen + scale - 1) / scale);
}

constexpr PixelRect ToPixelRect(const DesignRect& r) {
    return PixelRect{r.x, r.y, r.width, r.height};
}

constexpr RECT ScaledRect(PixelRect r, int scale) {
    return RECT{r.x * scale, r.y * scale, (r.x + r.width) * scale, (r.y + r.height) * scale};
}

// The design pixels that a rectangle of screen pixels touches.
PixelRect DesignRectCovering(const RECT& screen, int scale);

// Copies `r` of `source` to `target` at (x, y), each pixel as a square of
// `scale` pixels: a plain block copy at 1, a stretch that repeats pixels
// (COLORONCOLOR) above.
void CopyScaled(HDC target, int x, int y, HDC source, PixelRect r, int scale);

// A picture of `width` by `height` design pixels on the button face, drawn
// through Dc() and then copied to the top left of a window at its scale.
class DesignCanvas {
public:
    DesignCanvas(HDC target, int width, int height);
    DesignCanvas(const DesignCanvas&) = delete;
    DesignCanvas& operator=(const DesignCanvas&) = delete;

    HDC Dc() const { return memory_.Dc(); }
    void CopyTo(HDC target, int scale) const;

private:
    int width_;
    int height_;
    MemoryDc memory_;
};

}  // namespace quorbals
