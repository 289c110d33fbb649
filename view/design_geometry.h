// Rectangles and fonts in design pixels, the units every window of the
// program is laid out in; each front end places its controls from them.
#pragma once

namespace quorbals {

struct DesignRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return x + width; }
    constexpr int Bottom() const { return y + height; }
    constexpr bool Contains(int px, int py) const {
        return px >= x && px < Right() && py >= y && py < Bottom();
    }
    // The same rectangle moved by the origin of its parent.
    constexpr DesignRect In(const DesignRect& parent) const {
        return {parent.x + x, parent.y + y, width, height};
    }
    friend constexpr bool operator==(const DesignRect&, const DesignRect&) = default;
};

// The whole number of screen pixels a design pixel takes on a screen of
// `dpi` dots per inch (96 at 100 %): the multiple nearest to its scale,
// halves rounded up, and never below 1. 125 % gives 1, 150 % and 200 % 2.
constexpr int WholeScaleForDpi(int dpi) {
    const int multiple = (dpi + 48) / 96;
    return multiple < 1 ? 1 : multiple;
}

// The device pixels a design pixel takes where a window of width x height
// design pixels must fit a view of viewWidth x viewHeight device pixels (a
// browser's viewport): the largest whole number at which it fits, never
// below 1, so that every design pixel stays a crisp square; only where not
// even 1 fits, the fraction at which it just does.
constexpr double FittedScale(double viewWidth, double viewHeight, int width, int height) {
    if (width <= 0 || height <= 0 || viewWidth <= 0 || viewHeight <= 0) {
        return 1;
    }
    const double across = viewWidth / width;
    const double down = viewHeight / height;
    const double fits = across < down ? across : down;
    if (fits < 1) {
        return fits;
    }
    return static_cast<double>(static_cast<int>(fits));
}

// A font by family, character height in pixels and weight.
struct DesignFont {
    const char* family = "";
    int pixelHeight = 0;
    bool bold = false;
};

// 0xRRGGBB.
using DesignColour = unsigned int;
inline constexpr DesignColour kBlack = 0x000000;
inline constexpr DesignColour kBlue = 0x0000FF;

}  // namespace quorbals
