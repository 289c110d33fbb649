#include "view/bevel.h"

namespace quorbals {

std::vector<BevelLine> BevelRing(PixelRect r, Bevel bevel) {
    if (bevel == Bevel::None) {
        return {};
    }
    const BevelShade topLeft = bevel == Bevel::Raised ? BevelShade::Light : BevelShade::Dark;
    const BevelShade bottomRight = bevel == Bevel::Raised ? BevelShade::Dark : BevelShade::Light;
    const int left = r.x;
    const int top = r.y;
    const int right = r.x + r.width - 1;
    const int bottom = r.y + r.height - 1;
    return {
        BevelLine{left, top, right - 1, top, topLeft},
        BevelLine{left, top, left, bottom - 1, topLeft},
        BevelLine{left, bottom, right, bottom, bottomRight},
        BevelLine{right, top, right, bottom, bottomRight},
    };
}

PixelRect InsideRing(PixelRect r, Bevel bevel) {
    if (bevel == Bevel::None) {
        return r;
    }
    return PixelRect{r.x + 1, r.y + 1, r.width - 2, r.height - 2};
}

}  // namespace quorbals
