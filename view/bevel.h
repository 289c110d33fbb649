// The classic one-pixel bevels of the panels: which lines a ring has and in
// which shade, for a front end to draw in its light and dark colours.
#pragma once

#include <vector>

#include "view/pixel_picture.h"

namespace quorbals {

enum class Bevel { None, Raised, Lowered };

// Every ring is one pixel wide: a panel's content lies this far in per ring.
inline constexpr int kBevelWidth = 1;
enum class BevelShade { Light, Dark };

// A line of a ring, both end pixels included.
struct BevelLine {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    BevelShade shade = BevelShade::Light;

    friend bool operator==(const BevelLine&, const BevelLine&) = default;
};

// The ring on the outermost pixels of r: top and left in one shade, bottom
// and right (which own the two far corners) in the other; none for
// Bevel::None.
std::vector<BevelLine> BevelRing(PixelRect r, Bevel bevel);

// What a ring leaves inside it: r one pixel smaller on every side, or r
// itself when there is no ring.
PixelRect InsideRing(PixelRect r, Bevel bevel);

}  // namespace quorbals
