// The generated artwork, pixel by pixel.
#include "view/sprite_sheets.h"

#include <gtest/gtest.h>

#include <set>

#include "view/desk_geometry.h"
#include "view/tile_copy.h"

namespace quorbals {
namespace {

constexpr Pixel kGrey = Rgb(192, 192, 192);
constexpr Pixel kMid = Rgb(128, 128, 128);
constexpr Pixel kBlack = Rgb(0, 0, 0);
constexpr Pixel kWhitePx = Rgb(255, 255, 255);

struct Point {
    int x;
    int y;
};

const SpriteSheets& Sheets() {
    static const SpriteSheets sheets;
    return sheets;
}

Pixel At(const PixelPicture& image, int x, int y) {
    return image.At(x, y);
}

// The 22 x 22 square at a sheet position as its own picture.
PixelPicture Square(const PixelPicture& sheet, int column, int row) {
    return sheet.Copy(PixelRect{column * 23, row * 23, 22, 22});
}

PixelPicture ArrowSprite(int index) {
    return Square(Sheets().arrows, index % 5, index / 5);
}

bool AllPixels(const PixelPicture& image, Pixel color) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (At(image, x, y) != color) {
                return false;
            }
        }
    }
    return true;
}

TEST(StoreDesk, GreyCellsInBlackFrames) {
    const PixelPicture& desk = Sheets().storeDesk;
    ASSERT_EQ(desk.width, 262);
    ASSERT_EQ(desk.height, 262);
    EXPECT_EQ(desk.pixels.size(), 262u * 262u);  // rows without padding
    for (int y = 0; y < 262; ++y) {
        for (int x = 0; x < 262; ++x) {
            const bool line = x % 29 == 0 || y % 29 == 0;
            ASSERT_EQ(At(desk, x, y), line ? kBlack : kGrey) << x << "," << y;
        }
    }
}

TEST(TileSheet, LayoutAndSeparatorStrips) {
    const PixelPicture& tiles = Sheets().tiles;
    ASSERT_EQ(tiles.width, 91);
    ASSERT_EQ(tiles.height, 137);
    EXPECT_EQ(tiles.pixels.size(), 91u * 137u);  // rows without padding
    for (int y = 0; y < 137; ++y) {
        for (int x : {22, 45, 68}) {
            ASSERT_EQ(At(tiles, x, y), kWhitePx);
        }
    }
    for (int y : {22, 45, 68, 91, 114}) {
        for (int x = 0; x < 91; ++x) {
            ASSERT_EQ(At(tiles, x, y), kWhitePx);
        }
    }
}

TEST(TileSheet, NestedSquaresInEveryColourFrameAndShade) {
    const Pixel kFull[6] = {Rgb(0, 0, 255),   Rgb(0, 255, 255), Rgb(0, 255, 0),
                            Rgb(255, 0, 255), Rgb(255, 0, 0),   Rgb(255, 255, 0)};
    const int kLevels[4] = {128, 170, 213, 255};
    for (int color = 0; color < 6; ++color) {
        std::set<Pixel> seen;
        for (int frame = 0; frame < 4; ++frame) {
            const PixelPicture tile = Square(Sheets().tiles, frame, color);
            // A pixel on each ring, away from the dot: outline, 20 x 20, 18 x 18, middle.
            const Point onDepth[4] = {{0, 5}, {1, 5}, {2, 5}, {5, 5}};
            for (int depth = 0; depth < 4; ++depth) {
                const int v = kLevels[(depth + frame) % 4];
                const Pixel full = kFull[color];
                const Pixel expected = Rgb((full >> 16 & 0xFF) ? v : 0, (full >> 8 & 0xFF) ? v : 0,
                                           (full & 0xFF) ? v : 0);
                EXPECT_EQ(At(tile, onDepth[depth].x, onDepth[depth].y), expected)
                    << "colour " << color << " frame " << frame << " depth " << depth;
                seen.insert(expected);
            }
            // Rings are whole squares: the four sides of each ring agree.
            for (int d = 0; d < 3; ++d) {
                for (int i = d; i < 22 - d; ++i) {
                    const Pixel ring = At(tile, d, d);
                    ASSERT_EQ(At(tile, i, d), ring);
                    ASSERT_EQ(At(tile, d, i), ring);
                    ASSERT_EQ(At(tile, i, 21 - d), ring);
                    ASSERT_EQ(At(tile, 21 - d, i), ring);
                }
            }
        }
        EXPECT_EQ(seen.size(), 4u) << "four shade levels of colour " << color;
    }
    // Frame 0 rises from the darkest outline to the brightest middle.
    EXPECT_EQ(At(Square(Sheets().tiles, 0, 0), 0, 0), Rgb(0, 0, 128));
    EXPECT_EQ(At(Square(Sheets().tiles, 0, 0), 10, 10), Rgb(0, 0, 255));
    EXPECT_EQ(At(Square(Sheets().tiles, 0, 5), 3, 18), Rgb(255, 255, 0));
    EXPECT_EQ(At(Square(Sheets().tiles, 3, 1), 0, 21), Rgb(0, 255, 255));
}

TEST(TileSheet, WhiteDotsOfTheGlowFrames) {
    for (int color = 0; color < 6; ++color) {
        for (int frame = 0; frame < 4; ++frame) {
            const PixelPicture tile = Square(Sheets().tiles, frame, color);
            const int lo = frame == 2 ? 9 : 10;
            const int hi = frame == 2 ? 12 : 11;
            for (int y = 3; y < 19; ++y) {
                for (int x = 3; x < 19; ++x) {
                    const bool dot = frame != 0 && x >= lo && x <= hi && y >= lo && y <= hi;
                    ASSERT_EQ(At(tile, x, y) == kWhitePx, dot)
                        << "colour " << color << " frame " << frame << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(ArrowSheet, LayoutStripsBlanksAndEmptyTile) {
    const PixelPicture& arrows = Sheets().arrows;
    ASSERT_EQ(arrows.width, 114);
    ASSERT_EQ(arrows.height, 91);
    EXPECT_EQ(arrows.pixels.size(), 114u * 91u);  // rows without padding
    for (int y = 0; y < 91; ++y) {
        for (int x : {22, 45, 68, 91}) {
            ASSERT_EQ(At(arrows, x, y), kWhitePx);
        }
    }
    for (int y : {22, 45, 68}) {
        for (int x = 0; x < 114; ++x) {
            ASSERT_EQ(At(arrows, x, y), kWhitePx);
        }
    }
    for (int blank : {1, 7, 13}) {
        EXPECT_TRUE(AllPixels(ArrowSprite(blank), kWhitePx)) << blank;
    }
    const PixelPicture empty = arrows.Copy(PixelRect{92, 69, 22, 22});
    EXPECT_TRUE(AllPixels(empty, kGrey));
    EXPECT_EQ(empty, Sheets().storeDesk.Copy(PixelRect{4, 4, 22, 22}));
    EXPECT_EQ(empty, Sheets().storeDesk.Copy(PixelRect{236, 120, 22, 22}));
}

TEST(ArrowSheet, ExitRightHeadAndLine) {
    const PixelPicture lr = ArrowSprite(2);  // I_ArLR
    for (int y = 0; y < 22; ++y) {
        // The head: 8, 6, 4 and 2 pixels wide in columns 18..21.
        EXPECT_EQ(At(lr, 18, y) == kMid, y >= 7 && y <= 14) << y;
        EXPECT_EQ(At(lr, 19, y) == kMid, y >= 8 && y <= 13) << y;
        EXPECT_EQ(At(lr, 20, y) == kMid, y >= 9 && y <= 12) << y;
        EXPECT_EQ(At(lr, 21, y) == kMid, y >= 10 && y <= 11) << y;
        // The line: rows 10 and 11, from the left edge to the head.
        for (int x = 0; x < 18; ++x) {
            ASSERT_EQ(At(lr, x, y), (y == 10 || y == 11) ? kMid : kGrey) << x << "," << y;
        }
    }
    const PixelPicture ud = ArrowSprite(14);  // I_ArUD: the same turned a quarter
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 22; ++x) {
            ASSERT_EQ(At(ud, x, y), At(lr, y, x));
        }
    }
}

TEST(ArrowSheet, TurnsRunThroughTheMiddle) {
    const PixelPicture ld = ArrowSprite(4);  // I_ArLD: in from the left, out at the bottom
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(At(ld, x, 10), kMid);
        EXPECT_EQ(At(ld, x, 11), kMid);
    }
    for (int y = 10; y < 22; ++y) {
        EXPECT_EQ(At(ld, 10, y), kMid);
        EXPECT_EQ(At(ld, 11, y), kMid);
    }
    EXPECT_EQ(At(ld, 12, 10), kGrey);  // nothing beyond the corner
    EXPECT_EQ(At(ld, 10, 9), kGrey);
    EXPECT_EQ(At(ld, 7, 18), kMid);  // the head's base across the bottom exit
    EXPECT_EQ(At(ld, 14, 18), kMid);
}

TEST(ArrowSheet, TargetMark) {
    const PixelPicture lc = ArrowSprite(0);  // I_ArLC
    // The line from the left stops at the ring.
    for (int x = 0; x <= 7; ++x) {
        EXPECT_EQ(At(lc, x, 10), kMid) << x;
    }
    // Ring across 7..14 and dot across 9..12, each with its corners cut.
    EXPECT_EQ(At(lc, 14, 10), kMid);
    EXPECT_EQ(At(lc, 10, 7), kMid);
    EXPECT_EQ(At(lc, 10, 14), kMid);
    EXPECT_EQ(At(lc, 7, 7), kGrey);
    EXPECT_EQ(At(lc, 15, 10), kGrey);
    EXPECT_EQ(At(lc, 8, 10), kGrey);  // gap between ring and dot
    EXPECT_EQ(At(lc, 9, 10), kMid);
    EXPECT_EQ(At(lc, 12, 11), kMid);
    EXPECT_EQ(At(lc, 9, 9), kGrey);
    EXPECT_EQ(At(lc, 12, 12), kGrey);
    for (int x = 16; x < 22; ++x) {
        EXPECT_EQ(At(lc, x, 10), kGrey) << x;
    }
}

// Sides in the sheet's order: left, right, top, bottom; column 0 ends here.
enum { L, R, T, B, End };

int SpriteIndex(int entry, int exit) {
    return entry * 5 + (exit == End ? 0 : exit + 1);
}

int MirrorSide(int side) {  // left <-> right
    return side == L ? R : side == R ? L : side;
}
int TransposeSide(int side) {  // left <-> top, right <-> bottom
    const int kTo[] = {T, B, L, R, End};
    return kTo[side];
}

TEST(ArrowSheet, SpritesAreMirrorsAndTurnsOfEachOther) {
    for (int entry = 0; entry < 4; ++entry) {
        for (int exit = 0; exit < 5; ++exit) {
            if (exit == entry) {
                continue;
            }
            const PixelPicture sprite = ArrowSprite(SpriteIndex(entry, exit));
            const PixelPicture mirrored =
                ArrowSprite(SpriteIndex(MirrorSide(entry), exit == End ? End : MirrorSide(exit)));
            const PixelPicture transposed = ArrowSprite(
                SpriteIndex(TransposeSide(entry), exit == End ? End : TransposeSide(exit)));
            for (int y = 0; y < 22; ++y) {
                for (int x = 0; x < 22; ++x) {
                    ASSERT_EQ(At(sprite, x, y), At(mirrored, 21 - x, y))
                        << "sprite " << SpriteIndex(entry, exit);
                    ASSERT_EQ(At(sprite, x, y), At(transposed, y, x))
                        << "sprite " << SpriteIndex(entry, exit);
                }
            }
        }
    }
}

TEST(ArrowSheet, EveryArrowTouchesItsEdgesWithTwoPixelsOnly) {
    for (int entry = 0; entry < 4; ++entry) {
        for (int exit = 0; exit < 5; ++exit) {
            if (exit == entry) {
                continue;
            }
            const int index = SpriteIndex(entry, exit);
            const PixelPicture sprite = ArrowSprite(index);
            for (int side = 0; side < 4; ++side) {
                const bool used = side == entry || side == exit;
                for (int i = 0; i < 22; ++i) {
                    const Point p = side == L   ? Point{0, i}
                                    : side == R ? Point{21, i}
                                    : side == T ? Point{i, 0}
                                                : Point{i, 21};
                    const bool mid = used && (i == 10 || i == 11);
                    ASSERT_EQ(At(sprite, p.x, p.y), mid ? kMid : kGrey)
                        << "sprite " << index << " side " << side << " at " << i;
                }
            }
            // Only the two greys of the Desk.
            for (int y = 0; y < 22; ++y) {
                for (int x = 0; x < 22; ++x) {
                    const Pixel c = At(sprite, x, y);
                    ASSERT_TRUE(c == kMid || c == kGrey) << "sprite " << index;
                }
            }
        }
    }
}

TEST(ArrowSheet, CopyTileIsAnOpaqueSquareCopy) {
    PixelPicture target(30, 30, Rgb(1, 2, 3));
    EXPECT_TRUE(CopyTile(Sheets().tiles, 23, 46, target, 4, 5));
    EXPECT_EQ(target.Copy(PixelRect{4, 5, 22, 22}), Square(Sheets().tiles, 1, 2));
    // The same square again changes nothing and says so.
    EXPECT_FALSE(CopyTile(Sheets().tiles, 23, 46, target, 4, 5));
    EXPECT_EQ(At(target, 3, 5), Rgb(1, 2, 3));
    EXPECT_EQ(At(target, 26, 26), Rgb(1, 2, 3));
    EXPECT_EQ(At(target, 4, 27), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace quorbals
