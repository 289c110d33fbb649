// The board artwork, drawn pixel by pixel in code: the clean Desk, the ball
// sheet and the arrow sheet, all in one image format so that every tile is
// a plain row copy.
#pragma once

#include <QImage>
#include <QRgb>

namespace quorbals {

constexpr QImage::Format kPictureFormat = QImage::Format_RGB32;

constexpr QRgb kDeskGrey = qRgb(192, 192, 192);
constexpr QRgb kRouteGrey = qRgb(128, 128, 128);
constexpr QRgb kFrameBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// Shade levels 0..3 of the ball tiles.
constexpr int kShades[4] = {128, 170, 213, 255};

// Pixel of a ball colour (0..5) at a shade value.
QRgb BallPixel(int color, int shade);

QImage MakeStoreDesk();   // 262 x 262, grey cells in black frames
QImage MakeTileSheet();   // 91 x 137, 6 colours x 4 glow frames
QImage MakeArrowSheet();  // 114 x 91, 16 arrows, 3 blanks, the empty tile

// The three pictures every cell is drawn from; made once, never changed.
struct SpriteSheets {
    QImage storeDesk = MakeStoreDesk();
    QImage tiles = MakeTileSheet();
    QImage arrows = MakeArrowSheet();
};

// Opaque copy of one 22 x 22 square between pictures of kPictureFormat.
// False when the target square already held exactly these pixels.
bool CopyTile(const QImage& source, int sx, int sy, QImage& target, int tx, int ty);

}  // namespace quorbals
