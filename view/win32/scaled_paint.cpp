#include "view/win32/scaled_paint.h"

namespace quorbals {

PixelRect DesignRectCovering(const RECT& screen, int scale) {
    const int left = ToDesignPixel(screen.left, scale);
    const int top = ToDesignPixel(screen.top, scale);
    // The last screen pixel's design pixel, plus one.
    const int right = ToDesignPixel(screen.right - 1, scale) + 1;
    const int bottom = ToDesignPixel(screen.bottom - 1, scale) + 1;
    return PixelRect{left, top, right - left, bottom - top};
}

void CopyScaled(HDC target, int x, int y, HDC source, PixelRect r, int scale) {
    if (scale <= 1) {
        BitBlt(target, x, y, r.width, r.height, source, r.x, r.y, SRCCOPY);
        return;
    }
    const int previousMode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, x, y, r.width * scale, r.height * scale, source, r.x, r.y, r.width, r.height,
               SRCCOPY);
    if (previousMode) {
        SetStretchBltMode(target, previousMode);
    }
}

DesignCanvas::DesignCanvas(HDC target, int width, int height)
    : width_(width), height_(height), memory_(target, width, height) {
    RECT whole{0, 0, width, height};
    FillRect(memory_.Dc(), &whole, GetSysColorBrush(COLOR_BTNFACE));
}

void DesignCanvas::CopyTo(HDC target, int scale) const {
    CopyScaled(target, 0, 0, memory_.Dc(), PixelRect{0, 0, width_, height_}, scale);
}

}  // namespace quorbals
