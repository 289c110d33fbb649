#include "view/pixel_picture.h"

#include <algorithm>
#include <cassert>

namespace quorbals {

PixelPicture PixelPicture::Copy(PixelRect r) const {
    PixelPicture part(r.width, r.height, 0);
    for (int y = 0; y < r.height; ++y) {
        std::copy_n(Row(r.y + y) + r.x, r.width, part.Row(y));
    }
    return part;
}

void PixelPicture::FillRect(PixelRect r, Pixel p) {
    for (int y = r.y; y < r.y + r.height; ++y) {
        std::fill_n(Row(y) + r.x, r.width, p);
    }
}

bool SamePixels(const PixelPicture& a, const PixelPicture& b, PixelRect r) {
    assert(a.width == b.width && a.height == b.height);
    for (int y = r.y; y < r.y + r.height; ++y) {
        if (!std::equal(a.Row(y) + r.x, a.Row(y) + r.x + r.width, b.Row(y) + r.x)) {
            return false;
        }
    }
    return true;
}

PixelPicture OverGround(const PixelPicture& picture, Pixel ground) {
    PixelPicture laid(picture.width, picture.height, 0);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const Pixel p = picture.pixels[i];
        const Pixel alpha = p >> 24;
        Pixel mixed = 0xFF000000u;
        for (const int shift : {16, 8, 0}) {
            const Pixel over = p >> shift & 0xFF;
            const Pixel under = ground >> shift & 0xFF;
            mixed |= (over * alpha + under * (255 - alpha) + 127) / 255 << shift;
        }
        laid.pixels[i] = mixed;
    }
    return laid;
}

void CopyRect(const PixelPicture& source, PixelPicture& target, PixelRect r) {
    assert(source.width == target.width && source.height == target.height);
    for (int y = r.y; y < r.y + r.height; ++y) {
        std::copy_n(source.Row(y) + r.x, r.width, target.Row(y) + r.x);
    }
}

}  // namespace quorbals
