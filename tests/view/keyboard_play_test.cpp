// Keyboard play: the cursor's moves, Enter acting as a release on its cell
// (select, route, move, deselect) and Escape; nothing while busy; and the
// frame that stays in the cell's grey border.
#include "view/keyboard_play.h"

#include <gtest/gtest.h>

#include "tests/view/timed_fake_effects.h"
#include "view/sprite_sheets.h"

namespace quorbals {
namespace {

using testing::EmptyDesk;
using testing::PutBall;
using testing::TimedFakeEffects;

class KeyboardPlay : public ::testing::Test {
protected:
    KeyboardPlay() {
        SetUpViewTables(tables);
        state = EmptyDesk();
    }

    DeskKeyResult Key(DeskKey key) {
        return DeskKeyDown(state, fx, tables, cursor, key, fx.Busy());
    }
    void Keys(std::initializer_list<DeskKey> keys) {
        for (DeskKey key : keys) {
            Key(key);
        }
    }

    ViewTables tables;
    GameState state;
    TimedFakeEffects fx;
    KeyboardCursor cursor;
};

TEST_F(KeyboardPlay, FirstKeyShowsTheCursorOnTheCentreThenArrowsAndJumpsMoveIt) {
    EXPECT_FALSE(cursor.shown);
    DeskKeyResult r = Key(DeskKey::Right);
    EXPECT_TRUE(r.cursorMoved);
    EXPECT_TRUE(cursor.shown);
    EXPECT_EQ(cursor.cell, (Cell{4, 4})) << "the first key only shows it";
    Keys({DeskKey::Right, DeskKey::Down, DeskKey::Down});
    EXPECT_EQ(cursor.cell, (Cell{5, 6}));
    Key(DeskKey::RowStart);
    EXPECT_EQ(cursor.cell, (Cell{0, 6}));
    r = Key(DeskKey::Left);
    EXPECT_FALSE(r.cursorMoved) << "it stops at the edge";
    Key(DeskKey::ColumnTop);
    EXPECT_EQ(cursor.cell, (Cell{0, 0}));
    Keys({DeskKey::RowEnd, DeskKey::ColumnBottom, DeskKey::Down, DeskKey::Right});
    EXPECT_EQ(cursor.cell, (Cell{8, 8}));
    EXPECT_TRUE(fx.events.empty()) << "moving the cursor alone draws nothing";

    EXPECT_TRUE(HideKeyboardCursor(cursor));
    EXPECT_FALSE(HideKeyboardCursor(cursor));
    r = Key(DeskKey::Up);
    EXPECT_TRUE(cursor.shown);
    EXPECT_EQ(cursor.cell, (Cell{8, 8})) << "shown again where it was";
}

TEST_F(KeyboardPlay, EnterSelectsShowsTheRouteAndMovesAsAPointerWould) {
    PutBall(state, 4, 4, 3);
    Key(DeskKey::Act);  // shows the cursor only
    EXPECT_EQ(state.selection.color, kNoBall);
    Key(DeskKey::Act);
    EXPECT_EQ(state.selection.color, 3);
    EXPECT_EQ(fx.events.back(), "RepaintDesk");
    fx.Clear();
    Keys({DeskKey::Right, DeskKey::Right, DeskKey::Down});
    EXPECT_EQ(state.path.ready, 1);
    EXPECT_EQ(state.path.target, (Cell{6, 5}));
    EXPECT_EQ(fx.Count("DrawArrowSprite"), 1 + 2 + 3) << "three routes, one after another";
    Key(DeskKey::Act);
    EXPECT_EQ(state.selection.color, kNoBall);
    EXPECT_TRUE(fx.moveTimer) << "the ball is on its way";
    EXPECT_EQ(state.desk[CellIndex(6, 5)], 3);
    fx.Clear();
    Keys({DeskKey::Left, DeskKey::Act, DeskKey::Deselect});
    EXPECT_TRUE(fx.events.empty()) << "no key does anything while the ball travels";
    EXPECT_EQ(cursor.cell, (Cell{6, 5}));
}

TEST_F(KeyboardPlay, EscapeAndEnterOnTheSelectedBallDeselectWithoutSound) {
    PutBall(state, 4, 4, 1);
    PutBall(state, 0, 0, 2);
    Keys({DeskKey::Act, DeskKey::Act, DeskKey::Right});
    ASSERT_EQ(state.path.ready, 1);
    fx.Clear();
    Key(DeskKey::Deselect);
    EXPECT_EQ(state.selection.color, kNoBall);
    EXPECT_EQ(fx.Count("PlaySound"), 0);
    EXPECT_EQ(fx.Count("DrawEmptyTile"), 1) << "the route is erased";
    fx.Clear();
    Key(DeskKey::Deselect);
    EXPECT_TRUE(fx.events.empty()) << "nothing selected, nothing to do";
}

TEST(CursorFrame, StaysInTheGreyBorderOfItsCell) {
    const PixelPicture clean = MakeStoreDesk();
    for (const Cell cell : {Cell{0, 0}, Cell{4, 4}, Cell{8, 8}}) {
        PixelPicture desk = clean;
        for (const FilledRect& part : CursorFrame(cell)) {
            desk.FillRect(part.rect, part.colour);
        }
        const PixelRect tile{cell.x * 29 + 4, cell.y * 29 + 4, 22, 22};
        int changed = 0;
        for (int y = 0; y < 262; ++y) {
            for (int x = 0; x < 262; ++x) {
                if (desk.At(x, y) == clean.At(x, y)) {
                    continue;
                }
                ++changed;
                ASSERT_EQ(clean.At(x, y), kDeskGrey) << "over a line at " << x << "," << y;
                ASSERT_FALSE(x >= tile.x - 1 && x < tile.x + 23 && y >= tile.y - 1 &&
                             y < tile.y + 23)
                    << "over the tile or its last grey pixel at " << x << "," << y;
            }
        }
        EXPECT_EQ(changed, 2 * (28 * 4 - 4) - 8) << "two rings";
        EXPECT_EQ(CursorArea(cell), (PixelRect{cell.x * 29 + 1, cell.y * 29 + 1, 28, 28}));
    }
}

TEST(DeskKeyCounts, HeldArrowsMoveOnHeldActionsActOnceCommandKeysAreNotTheDesks) {
    EXPECT_TRUE(DeskKeyCounts(DeskKey::Left, true, false));
    EXPECT_TRUE(DeskKeyCounts(DeskKey::ColumnBottom, true, false));
    EXPECT_TRUE(DeskKeyCounts(DeskKey::Act, false, false));
    EXPECT_FALSE(DeskKeyCounts(DeskKey::Act, true, false));
    EXPECT_FALSE(DeskKeyCounts(DeskKey::Deselect, true, false));
    EXPECT_FALSE(DeskKeyCounts(DeskKey::Up, false, true));
    EXPECT_FALSE(DeskKeyCounts(DeskKey::Act, false, true));
}

}  // namespace
}  // namespace quorbals
