// Rectangles in screen pixels, and centring a window on a screen.
#pragma once

#include <cstdint>

namespace quorbals {

// A rectangle in screen pixels.
struct ScreenRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The outer top-left corner and size of a window of width x height centred
// on `screen`, each offset truncated toward zero.
constexpr ScreenRect CentredOn(const ScreenRect& screen, int width, int height) {
    return {screen.x + (screen.width - width) / 2, screen.y + (screen.height - height) / 2, width,
            height};
}

}  // namespace quorbals
