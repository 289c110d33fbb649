// The Desk picture: the 262 x 262 board as the player sees it, with the
// bookkeeping of what the screen still has to be given. Drawing replaces
// 22 x 22 squares and only remembers their cells; Flush() hands the screen
// the squares that differ from what it last got. A front end keeps one,
// paints from Picture() and calls MarkShown() for what it painted.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "game/state.h"
#include "view/desk_geometry.h"
#include "view/pixel_picture.h"
#include "view/sprite_sheets.h"

namespace quorbals {

class DeskPicture {
public:
    // Both must outlive the picture; the tables are read at every draw, so
    // the margin set at the first activation applies from then on. Starts as
    // the clean Desk, already shown.
    DeskPicture(const SpriteSheets& sheets, const ViewTables& tables);
    DeskPicture(const DeskPicture&) = delete;
    DeskPicture& operator=(const DeskPicture&) = delete;

    // Opaque tile copies into the picture at a cell; none reaches the
    // screen by itself. Values outside their ranges (cell 0..8, colour 0..5,
    // frame 0..3, sprite 0..19) draw nothing.
    void DrawBallTile(int x, int y, int color, int frame);
    void DrawArrowSprite(int x, int y, int index);
    void DrawEmptyTile(int x, int y);
    // The picture becomes the clean Desk, and the next flush hands over all of it.
    void ResetDesk();
    // The ball sheet has changed (colour marks on or off): every cell that
    // shows a tile of `oldTiles` is drawn again from the new sheet, glow
    // frame and all. Arrows and empty cells stay.
    void RedrawBalls(const PixelPicture& oldTiles);

    // What the next Flush() hands over, row by row and left to right: the
    // whole picture after a reset, otherwise the squares of the cells drawn
    // since the last flush whose pixels differ from what the screen last
    // got. A route drawn again over itself leaves nothing.
    std::vector<PixelRect> PendingRects() const;
    // Hands those rectangles to the caller, which must have them repainted,
    // and takes their pixels as shown.
    std::vector<PixelRect> Flush();
    // The screen painted this rectangle from the picture. A paint may come
    // after further drawing, or from an exposure, so it can show newer
    // pixels than the flush that asked for it.
    void MarkShown(PixelRect r);

    const PixelPicture& Picture() const { return picture_; }
    // Pixels handed over by Flush() since construction.
    std::int64_t RepaintedPixels() const { return repaintedPixels_; }

private:
    void CopyToCell(const PixelPicture& sheet, int sx, int sy, int x, int y);
    PixelRect CellRect(int index) const;

    const SpriteSheets& sheets_;
    const ViewTables& tables_;
    PixelPicture picture_;
    // The pixels the screen was last given, to compare drawn cells against.
    PixelPicture shown_;
    std::bitset<kCellCount> drawnCells_;
    bool wholePending_ = false;
    std::int64_t repaintedPixels_ = 0;
};

}  // namespace quorbals
