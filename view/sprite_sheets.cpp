#include "view/sprite_sheets.h"

#include <algorithm>

#include "game/state.h"
#include "view/colour_marks.h"
#include "view/desk_geometry.h"

namespace quorbals {

namespace {

constexpr int kArrowRows = 4;
constexpr int kArrowColumns = 5;

// A sheet of rows x columns squares; the white ground shows as the 1-pixel
// strips between squares.
PixelPicture BlankSheet(int columns, int rows) {
    return PixelPicture(columns * kSheetPitch - 1, rows * kSheetPitch - 1, kWhite);
}

// Corners inclusive, as the artwork is measured.
void FillRect(PixelPicture& image, int x0, int y0, int x1, int y1, Pixel color) {
    image.FillRect(PixelRect{x0, y0, x1 - x0 + 1, y1 - y0 + 1}, color);
}

// ---- ball tiles ----

void DrawBall(PixelPicture& sheet, int color, int frame) {
    const int ox = frame * kSheetPitch;
    const int oy = color * kSheetPitch;
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            // Depth of the nested square: the outline is 0, the 16 x 16 middle 3.
            int depth = std::min(std::min(x, y), std::min(kTileSize - 1 - x, kTileSize - 1 - y));
            depth = std::min(depth, 3);
            const int level = (depth + frame) % kGlowFrameCount;
            sheet.Set(ox + x, oy + y, BallPixel(color, kShades[level]));
        }
    }
    if (frame == 1 || frame == 3) {
        FillRect(sheet, ox + 10, oy + 10, ox + 11, oy + 11, kWhite);
    } else if (frame == 2) {
        FillRect(sheet, ox + 9, oy + 9, ox + 12, oy + 12, kWhite);
    }
}

// ---- arrow sprites ----

enum Edge { kLeftEdge, kRightEdge, kTopEdge, kBottomEdge };
constexpr int kEndsHere = -1;

// A sprite square, drawn in tile coordinates 0..21.
class Sprite {
public:
    Sprite(PixelPicture& sheet, int index)
        : sheet_(sheet),
          ox_((index % kArrowColumns) * kSheetPitch),
          oy_((index / kArrowColumns) * kSheetPitch) {}

    void Fill(Pixel color) { Rect(0, 0, kTileSize - 1, kTileSize - 1, color); }

    void Rect(int x0, int y0, int x1, int y1, Pixel color) {
        FillRect(sheet_, ox_ + x0, oy_ + y0, ox_ + x1, oy_ + y1, color);
    }

    // The 2-pixel line along rows or columns 10..11, between two offsets
    // along the direction of that side.
    void Line(Edge side, int from, int to) {
        if (side == kLeftEdge || side == kRightEdge) {
            Rect(from, 10, to, 11, kRouteGrey);
        } else {
            Rect(10, from, 11, to, kRouteGrey);
        }
    }

    // From the entering edge to the middle (or to the target ring).
    void Entry(Edge side, bool toRing) {
        const int inner = toRing ? 6 : 11;
        switch (side) {
            case kLeftEdge:
            case kTopEdge:
                Line(side, 0, inner);
                break;
            case kRightEdge:
            case kBottomEdge:
                Line(side, kTileSize - 1 - inner, kTileSize - 1);
                break;
        }
    }

    // From the middle to the leaving edge, ending in a head whose tip
    // touches that edge: 4 deep, 8 wide at its base, 2 at its tip.
    void Exit(Edge side) {
        for (int i = 0; i < 4; ++i) {
            const int lo = 7 + i;
            const int hi = 14 - i;
            switch (side) {
                case kLeftEdge:
                    Rect(3 - i, lo, 3 - i, hi, kRouteGrey);
                    break;
                case kRightEdge:
                    Rect(18 + i, lo, 18 + i, hi, kRouteGrey);
                    break;
                case kTopEdge:
                    Rect(lo, 3 - i, hi, 3 - i, kRouteGrey);
                    break;
                case kBottomEdge:
                    Rect(lo, 18 + i, hi, 18 + i, kRouteGrey);
                    break;
            }
        }
        switch (side) {
            case kLeftEdge:
            case kTopEdge:
                Line(side, 4, 11);
                break;
            case kRightEdge:
            case kBottomEdge:
                Line(side, 10, 17);
                break;
        }
    }

    // A round ring 8 across (7..14) around a dot 4 across (9..12), both
    // with their corners cut.
    void TargetMark() {
        Rect(9, 7, 12, 7, kRouteGrey);
        Rect(9, 14, 12, 14, kRouteGrey);
        Rect(7, 9, 7, 12, kRouteGrey);
        Rect(14, 9, 14, 12, kRouteGrey);
        Rect(8, 8, 8, 8, kRouteGrey);
        Rect(13, 8, 13, 8, kRouteGrey);
        Rect(8, 13, 8, 13, kRouteGrey);
        Rect(13, 13, 13, 13, kRouteGrey);
        Rect(10, 9, 11, 12, kRouteGrey);
        Rect(9, 10, 12, 11, kRouteGrey);
    }

private:
    PixelPicture& sheet_;
    int ox_;
    int oy_;
};

void DrawArrow(PixelPicture& sheet, int index, Edge entry, int exit) {
    Sprite sprite(sheet, index);
    sprite.Fill(kDeskGrey);
    if (exit == kEndsHere) {
        sprite.Entry(entry, true);
        sprite.TargetMark();
    } else {
        sprite.Entry(entry, false);
        sprite.Exit(static_cast<Edge>(exit));
    }
}

}  // namespace

Pixel BallPixel(int color, int shade) {
    switch (color) {
        case 0:
            return Rgb(0, 0, shade);
        case 1:
            return Rgb(0, shade, shade);
        case 2:
            return Rgb(0, shade, 0);
        case 3:
            return Rgb(shade, 0, shade);
        case 4:
            return Rgb(shade, 0, 0);
        default:
            return Rgb(shade, shade, 0);
    }
}

PixelPicture MakeStoreDesk() {
    PixelPicture desk(kDeskPixels, kDeskPixels, kDeskGrey);
    for (int line = 0; line < kDeskPixels; line += kCellPitch) {
        FillRect(desk, line, 0, line, kDeskPixels - 1, kFrameBlack);
        FillRect(desk, 0, line, kDeskPixels - 1, line, kFrameBlack);
    }
    return desk;
}

PixelPicture MakeTileSheet(bool marks) {
    PixelPicture sheet = BlankSheet(kGlowFrameCount, kColorCount);
    for (int color = 0; color < kColorCount; ++color) {
        for (int frame = 0; frame < kGlowFrameCount; ++frame) {
            DrawBall(sheet, color, frame);
            if (marks) {
                DrawColourMark(sheet, frame * kSheetPitch, color * kSheetPitch, color);
            }
        }
    }
    return sheet;
}

PixelPicture MakeArrowSheet() {
    PixelPicture sheet = BlankSheet(kArrowColumns, kArrowRows);
    // Rows: the side the route enters by. Columns: ends here, then leaves
    // by the left, right, top, bottom; leaving by the entered side is blank.
    constexpr Edge kEntries[kArrowRows] = {kLeftEdge, kRightEdge, kTopEdge, kBottomEdge};
    constexpr int kExits[kArrowColumns] = {kEndsHere, kLeftEdge, kRightEdge, kTopEdge, kBottomEdge};
    for (int row = 0; row < kArrowRows; ++row) {
        for (int column = 0; column < kArrowColumns; ++column) {
            const int index = row * kArrowColumns + column;
            if (index == kEmptySpriteIndex) {
                Sprite(sheet, index).Fill(kDeskGrey);
            } else if (kExits[column] != static_cast<int>(kEntries[row])) {
                DrawArrow(sheet, index, kEntries[row], kExits[column]);
            }
        }
    }
    return sheet;
}

}  // namespace quorbals
