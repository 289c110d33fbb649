// The board artwork, drawn pixel by pixel in code: the clean Desk, the ball
// sheet and the arrow sheet, as plain pictures that both front ends show
// as they are, so every tile is a plain row copy.
#pragma once

#include "view/pixel_picture.h"

namespace quorbals {

constexpr Pixel kDeskGrey = Rgb(192, 192, 192);
constexpr Pixel kRouteGrey = Rgb(128, 128, 128);
constexpr Pixel kFrameBlack = Rgb(0, 0, 0);
constexpr Pixel kWhite = Rgb(255, 255, 255);

// Shade levels 0..3 of the ball tiles.
constexpr int kShades[4] = {128, 170, 213, 255};

// Pixel of a ball colour (0..5) at a shade value.
Pixel BallPixel(int color, int shade);

PixelPicture MakeStoreDesk();  // 262 x 262, grey cells in black frames
// 91 x 137, 6 colours x 4 glow frames; with `marks`, each colour's tiles
// carry its colour mark.
PixelPicture MakeTileSheet(bool marks = false);
PixelPicture MakeArrowSheet();  // 114 x 91, 16 arrows, 3 blanks, the empty tile

// The three pictures every cell is drawn from; made once. Only the colour
// marks switch changes the ball sheet.
struct SpriteSheets {
    PixelPicture storeDesk = MakeStoreDesk();
    PixelPicture tiles = MakeTileSheet();
    PixelPicture arrows = MakeArrowSheet();
};

}  // namespace quorbals
