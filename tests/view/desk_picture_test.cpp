// The Desk picture and the previews as plain pixels: drawing, and what each
// flush hands to the screen.
#include "view/desk_picture.h"

#include <gtest/gtest.h>

#include "view/bevel.h"
#include "view/preview_picture.h"

namespace quorbals {
namespace {

using Rects = std::vector<PixelRect>;

PixelRect Tile(int x, int y) {
    return PixelRect{x * 29 + 4, y * 29 + 4, 22, 22};
}

class DeskPictureTest : public ::testing::Test {
protected:
    DeskPictureTest() { SetUpViewTables(tables); }

    PixelPicture TileAt(int x, int y) const { return desk.Picture().Copy(Tile(x, y)); }
    static PixelPicture SheetSquare(const PixelPicture& sheet, int px, int py) {
        return sheet.Copy(PixelRect{px, py, 22, 22});
    }

    const SpriteSheets sheets;
    ViewTables tables;
    DeskPicture desk{sheets, tables};
};

bool InsideSomeTile(int x, int y) {
    const int cx = (x - 4) % 29;
    const int cy = (y - 4) % 29;
    return x >= 4 && y >= 4 && x < 258 && y < 258 && cx < 22 && cy < 22;
}

TEST_F(DeskPictureTest, StartsAsTheCleanDeskWithNothingPending) {
    EXPECT_EQ(desk.Picture(), sheets.storeDesk);
    EXPECT_TRUE(desk.PendingRects().empty());
}

TEST_F(DeskPictureTest, EachDrawCopiesItsSquareAndDirtiesOnlyThatCell) {
    desk.DrawBallTile(2, 3, 4, 2);
    EXPECT_EQ(desk.PendingRects(), (Rects{PixelRect{62, 91, 22, 22}}));
    EXPECT_EQ(TileAt(2, 3), SheetSquare(sheets.tiles, 2 * 23, 4 * 23));

    desk.DrawArrowSprite(8, 0, 14);
    EXPECT_EQ(TileAt(8, 0), SheetSquare(sheets.arrows, 92, 46));
    const Rects twoCells{PixelRect{236, 4, 22, 22}, PixelRect{62, 91, 22, 22}};
    EXPECT_EQ(desk.PendingRects(), twoCells);
    // Blanking a cell that is blank already changes nothing on screen.
    desk.DrawEmptyTile(0, 8);
    EXPECT_EQ(desk.PendingRects(), twoCells);

    EXPECT_EQ(desk.Flush(), twoCells);
    EXPECT_TRUE(desk.PendingRects().empty());
    EXPECT_EQ(desk.RepaintedPixels(), 2 * 484);
    EXPECT_TRUE(desk.Flush().empty());  // nothing new: nothing flushed
    EXPECT_EQ(desk.RepaintedPixels(), 2 * 484);

    desk.DrawEmptyTile(2, 3);
    EXPECT_EQ(desk.PendingRects(), (Rects{PixelRect{62, 91, 22, 22}}));
    EXPECT_EQ(TileAt(2, 3), SheetSquare(sheets.storeDesk, 62, 91));
    desk.Flush();
    EXPECT_EQ(desk.RepaintedPixels(), 3 * 484);

    // Drawing one cell twice flushes it once.
    desk.DrawBallTile(5, 5, 0, 0);
    desk.DrawBallTile(5, 5, 0, 1);
    desk.Flush();
    EXPECT_EQ(desk.RepaintedPixels(), 4 * 484);
}

TEST_F(DeskPictureTest, DirtyRegionCoversEveryChangedCell) {
    const Cell cells[] = {{0, 0}, {1, 0}, {8, 0}, {4, 4}, {5, 4}, {0, 8}, {8, 8}};
    Rects expected;
    for (const Cell& c : cells) {
        desk.DrawBallTile(c.x, c.y, 1, 0);
        expected.push_back(Tile(c.x, c.y));
    }
    EXPECT_EQ(desk.PendingRects(), expected);
    desk.Flush();
    EXPECT_EQ(desk.RepaintedPixels(), 7 * 484);
}

TEST_F(DeskPictureTest, ResetRestoresTheCleanDeskAndDirtiesAll) {
    desk.DrawBallTile(1, 1, 3, 0);
    desk.DrawArrowSprite(4, 4, 2);
    desk.Flush();
    const Pixel* buffer = desk.Picture().pixels.data();
    desk.ResetDesk();
    EXPECT_EQ(desk.Picture(), sheets.storeDesk);
    EXPECT_EQ(desk.Picture().pixels.data(), buffer);  // a front end's view of it stays valid
    const Rects whole{PixelRect{0, 0, 262, 262}};
    EXPECT_EQ(desk.PendingRects(), whole);
    desk.DrawBallTile(4, 4, 2, 0);  // a new game places its balls after the reset
    const std::int64_t before = desk.RepaintedPixels();
    EXPECT_EQ(desk.Flush(), whole);
    EXPECT_EQ(desk.RepaintedPixels() - before, 262 * 262);
    EXPECT_TRUE(desk.Flush().empty());
}

TEST_F(DeskPictureTest, FramesAndBordersAreNeverDrawnOver) {
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            desk.DrawBallTile(x, y, (x + y) % 6, (x * y) % 4);
            desk.DrawArrowSprite(x, y, (x * 9 + y) % 20);
        }
    }
    const PixelPicture& picture = desk.Picture();
    for (int y = 0; y < 262; ++y) {
        for (int x = 0; x < 262; ++x) {
            if (!InsideSomeTile(x, y)) {
                ASSERT_EQ(picture.At(x, y), sheets.storeDesk.At(x, y)) << x << "," << y;
            }
        }
    }
    // Emptying every cell gives back exactly the clean Desk.
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            desk.DrawEmptyTile(x, y);
        }
    }
    EXPECT_EQ(desk.Picture(), sheets.storeDesk);
}

TEST_F(DeskPictureTest, BallReplacesAnArrowCompletely) {
    desk.DrawArrowSprite(3, 6, 9);
    desk.DrawBallTile(3, 6, 5, 0);
    EXPECT_EQ(TileAt(3, 6), SheetSquare(sheets.tiles, 0, 5 * 23));
}

TEST_F(DeskPictureTest, ValuesOutOfRangeDrawNothing) {
    desk.DrawBallTile(9, 0, 0, 0);
    desk.DrawBallTile(0, -1, 0, 0);
    desk.DrawBallTile(0, 0, 6, 0);
    desk.DrawBallTile(0, 0, -1, 0);
    desk.DrawBallTile(0, 0, 0, 4);
    desk.DrawArrowSprite(0, 0, 20);
    desk.DrawArrowSprite(0, 0, -1);
    desk.DrawEmptyTile(-1, 3);
    EXPECT_EQ(desk.Picture(), sheets.storeDesk);
    EXPECT_TRUE(desk.PendingRects().empty());
}

// A pointer move within the route's end cell erases the route and draws it
// again: the screen already has every one of those squares.
TEST_F(DeskPictureTest, RouteDrawnAgainOverItselfFlushesNothing) {
    for (int x = 1; x < 9; ++x) {
        desk.DrawArrowSprite(x, 0, 2);
    }
    desk.Flush();
    const std::int64_t before = desk.RepaintedPixels();
    for (int x = 1; x < 9; ++x) {
        desk.DrawEmptyTile(x, 0);
    }
    for (int x = 1; x < 9; ++x) {
        desk.DrawArrowSprite(x, 0, 2);
    }
    desk.DrawBallTile(0, 0, 3, 1);  // the glow changes its own cell only
    EXPECT_EQ(desk.Flush(), (Rects{Tile(0, 0)}));
    EXPECT_EQ(desk.RepaintedPixels() - before, 484);
}

// A paint may show pixels drawn after the flush that asked for it; what it
// showed is what later draws are compared with.
TEST_F(DeskPictureTest, WhatAPaintShowedCountsAsShown) {
    desk.DrawBallTile(2, 2, 0, 0);
    desk.Flush();
    desk.DrawBallTile(2, 2, 1, 0);
    desk.MarkShown(PixelRect{-10, -10, 300, 300});  // an exposure paints it all
    EXPECT_TRUE(desk.PendingRects().empty());
    desk.DrawBallTile(2, 2, 0, 0);
    EXPECT_EQ(desk.Flush(), (Rects{Tile(2, 2)}));
}

TEST(PreviewPictureTest, ShowsFrameZeroOfItsColour) {
    const SpriteSheets sheets;
    PreviewPicture preview(sheets);
    // Blue before the first deal.
    EXPECT_EQ(preview.Picture(), sheets.tiles.Copy(PixelRect{0, 0, 22, 22}));
    for (int color = 0; color < 6; ++color) {
        EXPECT_TRUE(preview.DrawPreviewTile(color));
        EXPECT_EQ(preview.Picture(), sheets.tiles.Copy(PixelRect{0, color * 23, 22, 22}));
    }
    EXPECT_FALSE(preview.DrawPreviewTile(6));
    EXPECT_FALSE(preview.DrawPreviewTile(-1));
    EXPECT_EQ(preview.Picture(), sheets.tiles.Copy(PixelRect{0, 5 * 23, 22, 22}));
}

TEST(BevelTest, RingsAroundAndInside) {
    const PixelRect panel{0, 0, 10, 6};
    EXPECT_TRUE(BevelRing(panel, Bevel::None).empty());
    EXPECT_EQ(InsideRing(panel, Bevel::None), panel);
    const std::vector<BevelLine> raised{
        {0, 0, 8, 0, BevelShade::Light},
        {0, 0, 0, 4, BevelShade::Light},
        {0, 5, 9, 5, BevelShade::Dark},
        {9, 0, 9, 5, BevelShade::Dark},
    };
    EXPECT_EQ(BevelRing(panel, Bevel::Raised), raised);
    EXPECT_EQ(BevelRing(panel, Bevel::Lowered)[0].shade, BevelShade::Dark);
    EXPECT_EQ(BevelRing(panel, Bevel::Lowered)[3].shade, BevelShade::Light);
    EXPECT_EQ(InsideRing(panel, Bevel::Lowered), (PixelRect{1, 1, 8, 4}));
}

}  // namespace
}  // namespace quorbals
