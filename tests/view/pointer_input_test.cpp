// Selecting, showing routes, starting moves and the glow, driven with pixel
// positions as the Desk image reports them.
#include "view/pointer_input.h"

#include <gtest/gtest.h>

#include "tests/view/timed_fake_effects.h"
#include "view/move_animation.h"

namespace quorbals {
namespace {

using testing::EmptyDesk;
using testing::PutBall;
using testing::TimedFakeEffects;
using Calls = std::vector<std::string>;

// The middle of a cell's tile, in Desk picture pixels.
int Px(int cell) {
    return cell * 29 + 15;
}

class PointerInput : public ::testing::Test {
protected:
    PointerInput() {
        SetUpViewTables(tables);
        state = EmptyDesk();
    }

    void Move(int x, int y) { DeskMouseMove(state, fx, tables, Px(x), Px(y), fx.Busy()); }
    void Release(int x, int y) { DeskMouseUp(state, fx, tables, Px(x), Px(y), fx.Busy()); }
    void SelectAt(int x, int y) {
        Release(x, y);
        ASSERT_EQ(state.selection.color, state.desk[CellIndex(x, y)]);
        fx.Clear();
    }
    int MarkedCells() const {
        int n = 0;
        for (std::int32_t m : state.arrowMarks) {
            n += m == -2 ? 1 : 0;
        }
        return n;
    }

    ViewTables tables;
    GameState state;
    TimedFakeEffects fx;
};

TEST_F(PointerInput, ReleaseOnBallSelectsIt) {
    PutBall(state, 2, 5, 4);
    state.arrowMarks[CellIndex(7, 7)] = -2;  // left over from an earlier move
    state.path.ready = 1;
    Release(2, 5);
    EXPECT_EQ(fx.events, (Calls{"DrawBallTile(2,5,4,0)", "PlaySound(Select)", "RepaintDesk"}));
    EXPECT_EQ(state.selection.x, 2);
    EXPECT_EQ(state.selection.y, 5);
    EXPECT_EQ(state.selection.color, 4);
    EXPECT_EQ(state.selection.glowFrame, 0);
    EXPECT_EQ(state.path.start, (Cell{2, 5}));
    EXPECT_EQ(state.path.target, (Cell{2, 5}));
    EXPECT_EQ(state.path.ready, 0);
    EXPECT_EQ(MarkedCells(), 0);
}

TEST_F(PointerInput, ReleaseOnFreeCellWithoutSelectionOnlyRepaints) {
    PutBall(state, 2, 5, 4);
    const GameState before = state;
    Release(6, 6);
    EXPECT_EQ(fx.events, (Calls{"RepaintDesk"}));
    EXPECT_EQ(state.desk, before.desk);
    EXPECT_EQ(state.selection.color, kNoBall);
}

TEST_F(PointerInput, ReleaseOffTheDeskDoesNothingAtAll) {
    PutBall(state, 0, 0, 1);
    DeskMouseUp(state, fx, tables, -25, 10, false);
    DeskMouseUp(state, fx, tables, 10, 265, false);
    EXPECT_TRUE(fx.events.empty());
    SelectAt(0, 0);
    DeskMouseUp(state, fx, tables, 300, 300, false);
    EXPECT_TRUE(fx.events.empty());
    EXPECT_EQ(state.selection.color, 1);
}

TEST_F(PointerInput, PointerOverFreeCellShowsTheRoute) {
    PutBall(state, 0, 0, 3);
    SelectAt(0, 0);
    Move(3, 2);
    EXPECT_EQ(fx.events,
              (Calls{"DrawArrowSprite(1,0,2)", "DrawArrowSprite(2,0,2)", "DrawArrowSprite(3,0,4)",
                     "DrawArrowSprite(3,1,14)", "DrawArrowSprite(3,2,10)", "RepaintDesk"}));
    EXPECT_EQ(state.path.target, (Cell{3, 2}));
    EXPECT_EQ(state.path.ready, 1);
    EXPECT_EQ(MarkedCells(), 5);

    // The same spot again: erase, then the same route once more.
    fx.Clear();
    DeskMouseMove(state, fx, tables, Px(3) + 3, Px(2) - 2, false);
    ASSERT_EQ(fx.events.size(), 11u);
    EXPECT_EQ(fx.events[0], "DrawEmptyTile(1,0)");
    EXPECT_EQ(fx.events[5], "DrawArrowSprite(1,0,2)");
}

TEST_F(PointerInput, PointerOntoBallOrOffTheDeskErasesAndKeepsTheRoute) {
    PutBall(state, 0, 0, 3);
    PutBall(state, 6, 6, 2);
    SelectAt(0, 0);
    Move(3, 2);
    for (int pass = 0; pass < 2; ++pass) {
        fx.Clear();
        if (pass == 0) {
            Move(6, 6);
        } else {
            DeskMouseMove(state, fx, tables, 100, -30, false);
        }
        EXPECT_EQ(fx.events,
                  (Calls{"DrawEmptyTile(1,0)", "DrawEmptyTile(2,0)", "DrawEmptyTile(3,0)",
                         "DrawEmptyTile(3,1)", "DrawEmptyTile(3,2)"}));
        EXPECT_EQ(MarkedCells(), 5);
        EXPECT_EQ(state.path.ready, 1);
        EXPECT_EQ(state.path.target, (Cell{3, 2}));
    }
}

TEST_F(PointerInput, LeavingTheDeskErasesTheRouteAndRepaints) {
    PutBall(state, 0, 0, 3);
    DeskMouseLeave(state, fx, fx.Busy());  // nothing selected: nothing to erase
    EXPECT_TRUE(fx.events.empty());
    SelectAt(0, 0);
    Move(3, 2);
    fx.Clear();
    fx.moveTimer = true;  // a travelling ball keeps its route
    DeskMouseLeave(state, fx, fx.Busy());
    EXPECT_TRUE(fx.events.empty());
    fx.moveTimer = false;
    DeskMouseLeave(state, fx, fx.Busy());
    EXPECT_EQ(fx.events, (Calls{"DrawEmptyTile(1,0)", "DrawEmptyTile(2,0)", "DrawEmptyTile(3,0)",
                                "DrawEmptyTile(3,1)", "DrawEmptyTile(3,2)", "RepaintDesk"}));
    // As after a move off the Desk, the route is remembered.
    EXPECT_EQ(state.path.ready, 1);
    EXPECT_EQ(state.path.target, (Cell{3, 2}));
}

TEST_F(PointerInput, UnreachableCellErasesWithoutRepaint) {
    PutBall(state, 0, 0, 3);
    // Wall off the corner (8,8).
    PutBall(state, 7, 8, 1);
    PutBall(state, 8, 7, 1);
    SelectAt(0, 0);
    Move(2, 0);
    fx.Clear();
    Move(8, 8);
    EXPECT_EQ(fx.events, (Calls{"DrawEmptyTile(1,0)", "DrawEmptyTile(2,0)"}));
    EXPECT_EQ(state.path.target, (Cell{8, 8}));
    EXPECT_EQ(state.path.ready, 0);
}

TEST_F(PointerInput, ReleaseOnRouteEndStartsTheMove) {
    PutBall(state, 0, 0, 3);
    PutBall(state, 5, 5, 1);
    const int freeCount = state.freeCount;
    SelectAt(0, 0);
    Move(3, 2);
    fx.Clear();
    Release(3, 2);
    EXPECT_EQ(fx.events, (Calls{"StartTimer(Move)", "RepaintDesk"}));
    EXPECT_EQ(state.desk[CellIndex(0, 0)], kNoBall);
    EXPECT_EQ(state.desk[CellIndex(3, 2)], 3);
    EXPECT_EQ(state.freeCellList[CellIndex(0, 0)].free, 1);
    EXPECT_EQ(state.freeCellList[CellIndex(3, 2)].free, 0);
    EXPECT_EQ(state.freeCount, freeCount);
    EXPECT_EQ(state.selection.color, kNoBall);
    EXPECT_EQ(state.move.from, (Cell{0, 0}));
    EXPECT_EQ(state.move.to, (Cell{1, 0}));
    EXPECT_EQ(state.move.color, 3);
    // The route stays marked until the next selection.
    EXPECT_EQ(MarkedCells(), 5);

    // The ball travels the route; pointer input meanwhile is ignored.
    int ticks = 0;
    while (fx.moveTimer && ticks < 20) {
        fx.Clear();
        Release(5, 5);
        Move(4, 4);
        EXPECT_TRUE(fx.events.empty());
        MoveTimerTick(state, fx);
        ++ticks;
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_TRUE(fx.waitTimer);
    EXPECT_EQ(state.turnPhase, 0);

    // The turn is pending: still no input.
    fx.Clear();
    Release(5, 5);
    EXPECT_TRUE(fx.events.empty());
    EXPECT_EQ(state.selection.color, kNoBall);
}

TEST_F(PointerInput, OneCellRouteMovesInOneTick) {
    PutBall(state, 4, 4, 0);
    SelectAt(4, 4);
    Move(5, 4);
    EXPECT_EQ(state.path.firstStep, (Cell{5, 4}));
    Release(5, 4);
    fx.Clear();
    MoveTimerTick(state, fx);
    EXPECT_EQ(fx.events, (Calls{"DrawEmptyTile(4,4)", "DrawBallTile(5,4,0,0)", "RepaintDesk",
                                "PlaySound(Move)", "StopTimer(Move)", "StartTimer(Wait)"}));
}

TEST_F(PointerInput, BusyDeskIgnoresThePointer) {
    PutBall(state, 0, 0, 3);
    PutBall(state, 5, 5, 2);
    fx.waitTimer = true;  // a turn is pending
    Release(0, 0);
    EXPECT_TRUE(fx.events.empty());
    EXPECT_EQ(state.selection.color, kNoBall);

    fx.waitTimer = false;
    SelectAt(0, 0);
    const GameState before = state;
    fx.moveTimer = true;  // a ball travels
    Move(3, 2);
    Release(5, 5);
    Release(0, 0);
    GlowTimerTick(state, fx);  // the glow goes on regardless
    EXPECT_EQ(fx.events, (Calls{"DrawBallTile(0,0,3,1)", "RepaintDesk"}));
    EXPECT_EQ(state.path.grid, before.path.grid);
    EXPECT_EQ(state.path.target, before.path.target);
    EXPECT_EQ(state.path.ready, 0);
    EXPECT_EQ(state.selection.x, 0);
    EXPECT_EQ(state.selection.color, 3);
}

TEST_F(PointerInput, ReleaseOnFreeCellWithoutRouteKeepsTheSelection) {
    PutBall(state, 0, 0, 3);
    PutBall(state, 7, 8, 1);
    PutBall(state, 8, 7, 1);
    SelectAt(0, 0);
    Move(8, 8);  // unreachable
    fx.Clear();
    Release(8, 8);
    EXPECT_EQ(fx.events, (Calls{"RepaintDesk"}));
    EXPECT_EQ(state.selection.color, 3);
    EXPECT_EQ(state.path.target, (Cell{0, 0}));
    EXPECT_EQ(state.path.ready, 0);
    EXPECT_EQ(state.desk[CellIndex(8, 8)], kNoBall);
    EXPECT_FALSE(fx.moveTimer);
}

TEST_F(PointerInput, TapOnReachableCellFindsTheRouteAndMoves) {
    // A finger or a pen releases with no pointer move before it: the release
    // draws the route as a move there would have, then the ball goes.
    PutBall(state, 0, 0, 3);
    SelectAt(0, 0);
    Release(3, 2);
    EXPECT_EQ(fx.events,
              (Calls{"DrawArrowSprite(1,0,2)", "DrawArrowSprite(2,0,2)", "DrawArrowSprite(3,0,4)",
                     "DrawArrowSprite(3,1,14)", "DrawArrowSprite(3,2,10)", "RepaintDesk",
                     "StartTimer(Move)", "RepaintDesk"}));
    EXPECT_EQ(state.desk[CellIndex(3, 2)], 3);
    EXPECT_EQ(state.move.to, (Cell{1, 0}));
    EXPECT_EQ(state.selection.color, kNoBall);
}

TEST_F(PointerInput, ReleaseAwayFromTheDrawnRouteEndTakesTheRouteToItsOwnCell) {
    PutBall(state, 0, 0, 3);
    SelectAt(0, 0);
    Move(3, 2);
    fx.Clear();
    Release(6, 6);
    ASSERT_TRUE(fx.moveTimer);
    EXPECT_EQ(state.desk[CellIndex(6, 6)], 3);
    EXPECT_EQ(state.desk[CellIndex(3, 2)], kNoBall);
    EXPECT_EQ(state.path.target, (Cell{6, 6}));
    // The old route's arrows went before the new one was drawn.
    ASSERT_FALSE(fx.events.empty());
    EXPECT_EQ(fx.events.front(), "DrawEmptyTile(1,0)");
    int ticks = 0;
    while (fx.moveTimer && ticks < 20) {
        MoveTimerTick(state, fx);
        ++ticks;
    }
    EXPECT_EQ(ticks, 12);  // the animation ends on the released cell
}

TEST_F(PointerInput, TapOnUnreachableCellAfterARouteKeepsTheSelection) {
    PutBall(state, 0, 0, 3);
    PutBall(state, 7, 8, 1);
    PutBall(state, 8, 7, 1);
    SelectAt(0, 0);
    Move(2, 0);
    fx.Clear();
    Release(8, 8);
    EXPECT_FALSE(fx.moveTimer);
    EXPECT_EQ(state.selection.color, 3);
    EXPECT_EQ(state.path.target, (Cell{0, 0}));
    EXPECT_EQ(state.path.ready, 0);
    EXPECT_EQ(MarkedCells(), 0);
    EXPECT_EQ(fx.events.back(), "RepaintDesk");
}

TEST_F(PointerInput, ReleaseOnSelectedBallDeselectsSilently) {
    PutBall(state, 1, 1, 5);
    SelectAt(1, 1);
    GlowTimerTick(state, fx);
    fx.Clear();
    Release(1, 1);
    EXPECT_EQ(fx.events, (Calls{"DrawBallTile(1,1,5,0)", "RepaintDesk"}));
    EXPECT_EQ(state.selection.color, kNoBall);
    // Nothing is selected: pointer moves draw nothing.
    fx.Clear();
    Move(4, 4);
    EXPECT_TRUE(fx.events.empty());
}

TEST_F(PointerInput, ReleaseOnAnotherBallMovesTheSelection) {
    PutBall(state, 1, 1, 5);
    PutBall(state, 6, 2, 0);
    SelectAt(1, 1);
    GlowTimerTick(state, fx);
    GlowTimerTick(state, fx);
    Move(4, 4);
    Move(6, 2);  // onto the other ball: the route is erased
    fx.Clear();
    Release(6, 2);
    ASSERT_GE(fx.events.size(), 4u);
    EXPECT_EQ(Calls(fx.events.end() - 4, fx.events.end()),
              (Calls{"DrawBallTile(1,1,5,0)", "DrawBallTile(6,2,0,0)", "PlaySound(Select)",
                     "RepaintDesk"}));
    EXPECT_EQ(state.selection.x, 6);
    EXPECT_EQ(state.selection.y, 2);
    EXPECT_EQ(state.selection.color, 0);
    EXPECT_EQ(state.selection.glowFrame, 0);
    EXPECT_EQ(state.path.start, (Cell{6, 2}));
    EXPECT_EQ(state.path.target, (Cell{6, 2}));
    EXPECT_EQ(state.path.ready, 0);
    EXPECT_EQ(MarkedCells(), 0);
}

TEST_F(PointerInput, GlowCyclesThroughFourFrames) {
    PutBall(state, 3, 7, 2);
    GlowTimerTick(state, fx);
    EXPECT_TRUE(fx.events.empty());
    SelectAt(3, 7);
    for (int expected : {1, 2, 3, 0, 1}) {
        fx.Clear();
        GlowTimerTick(state, fx);
        EXPECT_EQ(state.selection.glowFrame, expected);
        EXPECT_EQ(fx.events,
                  (Calls{"DrawBallTile(3,7,2," + std::to_string(expected) + ")", "RepaintDesk"}));
    }
}

}  // namespace
}  // namespace quorbals
