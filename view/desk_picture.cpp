#include "view/desk_picture.h"

#include <algorithm>

#include "view/tile_copy.h"

namespace quorbals {

DeskPicture::DeskPicture(const SpriteSheets& sheets, const ViewTables& tables)
    : sheets_(sheets), tables_(tables), picture_(sheets.storeDesk), shown_(sheets.storeDesk) {}

void DeskPicture::CopyToCell(const PixelPicture& sheet, int sx, int sy, int x, int y) {
    if (!OnDesk(x, y)) {
        return;
    }
    std::int32_t px = x;
    std::int32_t py = y;
    CellToPixel(tables_, px, py);
    if (CopyTile(sheet, sx, sy, picture_, px, py)) {
        drawnCells_.set(CellIndex(x, y));
    }
}

void DeskPicture::DrawBallTile(int x, int y, int color, int frame) {
    if (color < 0 || color >= kColorCount || frame < 0 || frame > 3) {
        return;
    }
    CopyToCell(sheets_.tiles, frame * kSheetPitch, color * kSheetPitch, x, y);
}

void DeskPicture::DrawArrowSprite(int x, int y, int index) {
    if (index < 0 || index >= kArrowSpriteCount) {
        return;
    }
    const Cell origin = tables_.arrowSpriteOrigins[index];
    CopyToCell(sheets_.arrows, origin.x, origin.y, x, y);
}

void DeskPicture::DrawEmptyTile(int x, int y) {
    CopyToCell(sheets_.arrows, kEmptyTileOrigin.x, kEmptyTileOrigin.y, x, y);
}

void DeskPicture::ResetDesk() {
    // Copied over in place: the buffer a front end shows stays where it is.
    std::copy(sheets_.storeDesk.pixels.begin(), sheets_.storeDesk.pixels.end(),
              picture_.pixels.begin());
    wholePending_ = true;
    drawnCells_.reset();
}

namespace {

// The ball tile of `tiles` that the square at (x, y) of `picture` shows.
bool FindBallTile(const PixelPicture& picture, int x, int y, const PixelPicture& tiles, int& color,
                  int& frame) {
    for (color = 0; color < kColorCount; ++color) {
        for (frame = 0; frame < kGlowFrameCount; ++frame) {
            bool same = true;
            for (int row = 0; row < kTileSize && same; ++row) {
                const Pixel* a = picture.Row(y + row) + x;
                const Pixel* b = tiles.Row(color * kSheetPitch + row) + frame * kSheetPitch;
                same = std::equal(a, a + kTileSize, b);
            }
            if (same) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void DeskPicture::RedrawBalls(const PixelPicture& oldTiles) {
    for (int i = 0; i < kCellCount; ++i) {
        const PixelRect r = CellRect(i);
        if (r.x < 0 || r.y < 0 || r.x + kTileSize > picture_.width ||
            r.y + kTileSize > picture_.height) {
            continue;
        }
        int color = 0;
        int frame = 0;
        if (FindBallTile(picture_, r.x, r.y, oldTiles, color, frame)) {
            DrawBallTile(i % kDeskSide, i / kDeskSide, color, frame);
        }
    }
}

PixelRect DeskPicture::CellRect(int index) const {
    std::int32_t px = index % kDeskSide;
    std::int32_t py = index / kDeskSide;
    CellToPixel(tables_, px, py);
    return PixelRect{px, py, kTileSize, kTileSize};
}

std::vector<PixelRect> DeskPicture::PendingRects() const {
    if (wholePending_) {
        return {PixelRect{0, 0, picture_.width, picture_.height}};
    }
    std::vector<PixelRect> rects;
    if (drawnCells_.none()) {
        return rects;
    }
    rects.reserve(drawnCells_.count());
    for (int i = 0; i < kCellCount; ++i) {
        if (drawnCells_.test(i)) {
            const PixelRect r = CellRect(i);
            if (!SamePixels(picture_, shown_, r)) {
                rects.push_back(r);
            }
        }
    }
    return rects;
}

std::vector<PixelRect> DeskPicture::Flush() {
    std::vector<PixelRect> rects = PendingRects();
    for (const PixelRect& r : rects) {
        CopyRect(picture_, shown_, r);
        repaintedPixels_ += std::int64_t{r.width} * r.height;
    }
    drawnCells_.reset();
    wholePending_ = false;
    return rects;
}

void DeskPicture::MarkShown(PixelRect r) {
    const int x0 = std::max(r.x, 0);
    const int y0 = std::max(r.y, 0);
    const int x1 = std::min(r.x + r.width, picture_.width);
    const int y1 = std::min(r.y + r.height, picture_.height);
    if (x0 < x1 && y0 < y1) {
        CopyRect(picture_, shown_, PixelRect{x0, y0, x1 - x0, y1 - y0});
    }
}

}  // namespace quorbals
