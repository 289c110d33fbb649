// A plain pixel picture's twin as a bitmap: a top-down 32-bit DIB section
// selected into a memory device context, so that the screen is painted
// from it with BitBlt and SRCCOPY.
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/pixel_picture.h"
#include "view/win32/memory_dc.h"

namespace quorbals {

class PictureBitmap {
public:
    PictureBitmap(int width, int height);
    PictureBitmap(const PictureBitmap&) = delete;
    PictureBitmap& operator=(const PictureBitmap&) = delete;

    // Copies a rectangle of `from` (of the bitmap's size) into the bitmap,
    // clipped to it. The two share one pixel layout: rows are copied as they are.
    void Load(const PixelPicture& from, PixelRect r);
    void Load(const PixelPicture& from) { Load(from, PixelRect{0, 0, width_, height_}); }

    // A block copy of a rectangle of the bitmap to `target` at (x, y), each
    // pixel as a square of `scale` pixels.
    void CopyTo(HDC target, int x, int y, PixelRect r, int scale = 1) const;

    HDC Dc() const { return memory_.Dc(); }
    bool Valid() const { return bits_ != nullptr; }
    // The pixel at (x, y) as the bitmap holds it, for checks.
    Pixel At(int x, int y) const;

private:
    int width_;
    int height_;
    // Filled in while memory_ is made, which it precedes.
    Pixel* bits_ = nullptr;
    MemoryDc memory_;
};

}  // namespace quorbals
