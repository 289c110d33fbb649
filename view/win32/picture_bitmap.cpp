#include "view/win32/picture_bitmap.h"

#include <algorithm>
#include <cstring>

#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

// A top-down 32-bit DIB section; `bits` points at its pixels.
HBITMAP TopDownDib(int width, int height, Pixel** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top to bottom, as in the pictures
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* raw = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0);
    *bits = bitmap ? static_cast<Pixel*>(raw) : nullptr;
    return bitmap;
}

}  // namespace

PictureBitmap::PictureBitmap(int width, int height)
    : width_(width), height_(height), memory_(TopDownDib(width, height, &bits_)) {
    if (!memory_.Valid()) {
        bits_ = nullptr;
    }
}

void PictureBitmap::Load(const PixelPicture& from, PixelRect r) {
    if (!bits_ || from.width != width_ || from.height != height_) {
        return;
    }
    const int x0 = std::max(r.x, 0);
    const int y0 = std::max(r.y, 0);
    const int x1 = std::min(r.x + r.width, width_);
    const int y1 = std::min(r.y + r.height, height_);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    // Drawing GDI may still hold in its batch must land before the pixels change.
    GdiFlush();
    for (int y = y0; y < y1; ++y) {
        std::memcpy(bits_ + static_cast<std::size_t>(y) * width_ + x0, from.Row(y) + x0,
                    static_cast<std::size_t>(x1 - x0) * sizeof(Pixel));
    }
}

void PictureBitmap::CopyTo(HDC target, int x, int y, PixelRect r, int scale) const {
    CopyScaled(target, x, y, memory_.Dc(), r, scale);
}

Pixel PictureBitmap::At(int x, int y) const {
    GdiFlush();
    return bits_ ? bits_[static_cast<std::size_t>(y) * width_ + x] : 0;
}

}  // namespace quorbals
