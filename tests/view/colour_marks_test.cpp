// Colour marks: six shapes a player tells apart, in every glow frame and in
// the previews, only in the middle of the tiles; off, every pixel is as
// designed; switching redraws what the Desk shows, glow frames included.
#include "view/colour_marks.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "view/cell_names.h"
#include "view/play_pictures.h"
#include "view/sprite_sheets.h"

namespace quorbals {
namespace {

PixelPicture Tile(const PixelPicture& sheet, int color, int frame) {
    return sheet.Copy({frame * 23, color * 23, 22, 22});
}

// Which pixels of a marked tile are the mark's black ink.
std::vector<bool> Ink(const PixelPicture& tile) {
    std::vector<bool> ink;
    for (Pixel p : tile.pixels) {
        ink.push_back(p == kFrameBlack);
    }
    return ink;
}

TEST(ColourMarks, OffLeavesEveryPixelAsDesigned) {
    EXPECT_EQ(MakeTileSheet(false), MakeTileSheet());
    EXPECT_EQ(SpriteSheets{}.tiles, MakeTileSheet(false));
}

TEST(ColourMarks, SixShapesInTheMiddleOfEveryFrame) {
    const PixelPicture plain = MakeTileSheet(false);
    const PixelPicture marked = MakeTileSheet(true);
    std::set<std::vector<bool>> shapes;
    for (int color = 0; color < 6; ++color) {
        const std::vector<bool> ink = Ink(Tile(marked, color, 0));
        shapes.insert(ink);
        for (int frame = 0; frame < 4; ++frame) {
            const PixelPicture a = Tile(plain, color, frame);
            const PixelPicture b = Tile(marked, color, frame);
            EXPECT_EQ(Ink(b), ink) << "the same shape in frame " << frame;
            for (int y = 0; y < 22; ++y) {
                for (int x = 0; x < 22; ++x) {
                    const bool middle = x >= 5 && x <= 16 && y >= 5 && y <= 16;
                    if (!middle) {
                        ASSERT_EQ(a.At(x, y), b.At(x, y)) << color << "/" << frame;
                    }
                }
            }
            // Black ink always has white next to it somewhere: it shows on
            // dark shades as on bright ones.
            int white = 0;
            for (Pixel p : b.pixels) {
                white += p == kWhite;
            }
            EXPECT_GT(white, 10);
        }
    }
    EXPECT_EQ(shapes.size(), 6u) << "every colour has a shape of its own";
    EXPECT_EQ(ColourMarkName(4), "cross");
}

TEST(ColourMarks, SwitchingRedrawsBallsInTheirFramesAndLeavesTheRest) {
    ViewTables tables;
    SetUpViewTables(tables);
    PlayPictures pictures(tables);
    pictures.desk.DrawBallTile(0, 0, 4, 0);
    pictures.desk.DrawBallTile(3, 2, 1, 2);  // a selected ball mid-glow
    pictures.desk.DrawArrowSprite(5, 5, 2);
    pictures.previews[1].DrawPreviewTile(5);
    pictures.desk.Flush();
    const PixelPicture before = pictures.desk.Picture();

    ASSERT_TRUE(SetColourMarks(pictures, true));
    EXPECT_FALSE(SetColourMarks(pictures, true)) << "already on";
    const PixelPicture& desk = pictures.desk.Picture();
    EXPECT_EQ(desk.Copy({4, 4, 22, 22}), Tile(pictures.sheets.tiles, 4, 0));
    EXPECT_EQ(desk.Copy({3 * 29 + 4, 2 * 29 + 4, 22, 22}), Tile(pictures.sheets.tiles, 1, 2));
    EXPECT_EQ(desk.Copy({5 * 29 + 4, 5 * 29 + 4, 22, 22}),
              before.Copy({5 * 29 + 4, 5 * 29 + 4, 22, 22}));
    EXPECT_EQ(pictures.previews[1].Picture(), Tile(pictures.sheets.tiles, 5, 0));
    EXPECT_EQ(pictures.desk.PendingRects().size(), 2u) << "the two balls reach the screen";

    ASSERT_TRUE(SetColourMarks(pictures, false));
    EXPECT_EQ(pictures.desk.Picture(), before) << "off again, every pixel as it was";
}

TEST(CellNames, SayWhatACellHoldsAndWhere) {
    GameState state;
    state.desk.fill(kNoBall);
    state.desk[CellIndex(4, 2)] = 4;
    EXPECT_EQ(CellName(state, {4, 2}, false), "red ball, row 3, column 5");
    EXPECT_EQ(CellName(state, {4, 2}, true), "red ball with a cross, row 3, column 5");
    EXPECT_EQ(CellName(state, {0, 0}, true), "empty, row 1, column 1");
    state.nextBalls = {0, 5, 2};
    state.score = 34;
    EXPECT_EQ(PreviewNames(state, false), "Next: blue, yellow, green");
    EXPECT_EQ(PreviewNames(state, true), "Next: blue ring, yellow diamond, green plus");
    EXPECT_EQ(ScoreName(state), "Score: 34");
}

TEST(CellNames, WhileABallIsSelectedFreeCellsSayWhetherItCanGetThere) {
    GameState state;
    state.desk.fill(kNoBall);
    // A red ball in the top left corner; the bottom right corner walled off.
    state.desk[CellIndex(0, 0)] = 4;
    state.desk[CellIndex(7, 8)] = 1;
    state.desk[CellIndex(8, 7)] = 1;
    EXPECT_EQ(CellName(state, {8, 8}, false), "empty, row 9, column 9") << "nothing selected";
    state.selection = {0, 0, 4, 2};
    EXPECT_EQ(CellName(state, {3, 2}, false), "empty, row 3, column 4, reachable");
    EXPECT_EQ(CellName(state, {8, 8}, false), "empty, row 9, column 9, no route");
    EXPECT_EQ(CellName(state, {7, 8}, false), "cyan ball, row 9, column 8");
    // Where the reader says the place itself from the grid.
    const auto names = CellNames(state, true, Place::kLeftToReader);
    EXPECT_EQ(names[CellIndex(0, 0)], "red ball with a cross");
    EXPECT_EQ(names[CellIndex(8, 8)], "empty, no route");
    EXPECT_EQ(names[CellIndex(1, 0)], "empty, reachable");
    EXPECT_EQ(state.path.grid, GameState{}.path.grid) << "asking changed nothing";
}

TEST(CellNames, TheSelectedCellIsTheSelectedBallsWhileItLiesOnTheDesk) {
    GameState state;
    EXPECT_FALSE(SelectedCell(state)) << "nothing selected";
    state.selection = {6, 1, 3, 0};
    ASSERT_TRUE(SelectedCell(state));
    EXPECT_EQ(SelectedCell(state)->x, 6);
    EXPECT_EQ(SelectedCell(state)->y, 1);
    // A loaded game may hold a selection outside the Desk: readers hear none.
    state.selection = {9, 1, 3, 0};
    EXPECT_FALSE(SelectedCell(state));
}

}  // namespace
}  // namespace quorbals
