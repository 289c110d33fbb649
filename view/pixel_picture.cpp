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

void CopyRect(const PixelPicture& source, PixelPicture& target, PixelRect r) {
    assert(source.width == target.width && source.height == target.height);
    for (int y = r.y; y < r.y + r.height; ++y) {
        std::copy_n(source.Row(y) + r.x, r.width, target.Row(y) + r.x);
    }
}

}  // namespace quorbals
