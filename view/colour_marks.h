// Colour marks: a small shape of its own on each of the six ball colours,
// for players who cannot tell the colours apart. Each shape is drawn black
// with a one-pixel white halo, so it shows on every shade of every glow
// frame, in the middle of the tile. With marks off nothing of this is
// drawn and every tile is as designed.
#pragma once

#include <string_view>

#include "view/pixel_picture.h"

namespace quorbals {

// The shape a colour carries, by name: ring, triangle, plus, square, cross,
// diamond for colours 0..5.
std::string_view ColourMarkName(int color);

// Draws the mark of `color` onto the ball tile whose top-left pixel lies
// at (x, y) of `picture`.
void DrawColourMark(PixelPicture& picture, int x, int y, int color);

}  // namespace quorbals
