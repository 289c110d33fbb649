// A picture as plain 32-bit pixels, the form every piece of board artwork
// is drawn in. Rows run top to bottom with no padding, one 0xFFRRGGBB word
// per pixel: the layout of a top-down 32-bit DIB section and of a
// QImage::Format_RGB32, so either front end shows the buffer as it is. The
// top byte is 0xFF because Qt's RGB32 asks for it; GDI ignores it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorbals {

using Pixel = std::uint32_t;

constexpr Pixel Rgb(int red, int green, int blue) {
    return 0xFF000000u | static_cast<Pixel>(red) << 16 | static_cast<Pixel>(green) << 8 |
           static_cast<Pixel>(blue);
}

// A rectangle in picture pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelPicture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // width * height, row by row

    PixelPicture() = default;
    PixelPicture(int w, int h, Pixel fill)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    Pixel At(int x, int y) const { return pixels[Offset(x, y)]; }
    void Set(int x, int y, Pixel p) { pixels[Offset(x, y)] = p; }
    const Pixel* Row(int y) const { return pixels.data() + Offset(0, y); }
    Pixel* Row(int y) { return pixels.data() + Offset(0, y); }
    int BytesPerLine() const { return width * static_cast<int>(sizeof(Pixel)); }

    // A rectangle that lies inside the picture, as a picture of its own.
    PixelPicture Copy(PixelRect r) const;
    void FillRect(PixelRect r, Pixel p);

    friend bool operator==(const PixelPicture&, const PixelPicture&) = default;

private:
    std::size_t Offset(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

// Whether the same rectangle of two pictures of one size holds the same pixels.
bool SamePixels(const PixelPicture& a, const PixelPicture& b, PixelRect r);
// A picture whose top bytes are opacities (0 clear, 255 solid) laid over a
// ground of one colour: each pixel mixed with the ground by its opacity,
// the result opaque, as GDI's block copies show it.
PixelPicture OverGround(const PixelPicture& picture, Pixel ground);
// Copies a rectangle between two pictures of one size, in place.
void CopyRect(const PixelPicture& source, PixelPicture& target, PixelRect r);

}  // namespace quorbals
