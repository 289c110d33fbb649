// Drawing and erasing the route, and the ball travelling along it, on
// route grids written by hand.
#include "view/arrows.h"

#include <gtest/gtest.h>

#include "game/path_search.h"
#include "tests/view/timed_fake_effects.h"
#include "view/move_animation.h"

namespace quorbals {
namespace {

using testing::EmptyDesk;
using testing::PutBall;
using testing::TimedFakeEffects;
using Calls = std::vector<std::string>;

ViewTables ActiveTables() {
    ViewTables tables;
    SetUpViewTables(tables);
    return tables;
}

void SetCode(GameState& state, int x, int y, Direction back, Direction forward) {
    state.path.grid[CellIndex(x, y)] = PathCode(back, forward);
}

// The ball at (0,0) selected, route (1,0) (2,0) (3,0) (3,1) (3,2) found.
GameState GameWithLRoute() {
    GameState state = EmptyDesk();
    PutBall(state, 0, 0, 3);
    state.path.grid[CellIndex(0, 0)] = kPathBlocked;
    SetCode(state, 1, 0, kLeft, kRight);
    SetCode(state, 2, 0, kLeft, kRight);
    SetCode(state, 3, 0, kLeft, kDown);
    SetCode(state, 3, 1, kUp, kDown);
    SetCode(state, 3, 2, kUp, kNone);
    state.path.start = Cell{0, 0};
    state.path.target = Cell{3, 2};
    state.path.firstStep = Cell{1, 0};
    return state;
}

TEST(Arrows, RouteIsDrawnWithOneSpritePerCellAndOneRepaint) {
    GameState state = GameWithLRoute();
    TimedFakeEffects fx;
    DrawArrows(state, fx, ActiveTables());
    // I_ArLR, I_ArLR, I_ArLD, I_ArUD, I_ArUC.
    EXPECT_EQ(fx.events,
              (Calls{"DrawArrowSprite(1,0,2)", "DrawArrowSprite(2,0,2)", "DrawArrowSprite(3,0,4)",
                     "DrawArrowSprite(3,1,14)", "DrawArrowSprite(3,2,10)", "RepaintDesk"}));
    EXPECT_EQ(state.path.ready, 1);
    int marked = 0;
    for (int i = 0; i < kCellCount; ++i) {
        marked += state.arrowMarks[i] == -2 ? 1 : 0;
    }
    EXPECT_EQ(marked, 5);
    EXPECT_EQ(state.arrowMarks[CellIndex(0, 0)], -1);  // the ball keeps showing
    EXPECT_EQ(state.arrowMarks[CellIndex(3, 2)], -2);
}

TEST(Arrows, EveryRouteCodeHasItsSprite) {
    const ViewTables tables = ActiveTables();
    const Direction dirs[] = {kLeft, kRight, kUp, kDown};  // the sheet's order of sides
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(ArrowSpriteFor(tables, PathCode(dirs[row], kNone)), row * 5);
        for (int column = 1; column < 5; ++column) {
            if (column - 1 == row) {
                continue;  // leaving by the side it came in
            }
            EXPECT_EQ(ArrowSpriteFor(tables, PathCode(dirs[row], dirs[column - 1])),
                      row * 5 + column);
        }
    }
    EXPECT_EQ(ArrowSpriteFor(tables, PathCode(kLeft, kLeft)), -1);
}

TEST(Arrows, UnknownCodeIsMarkedButNotDrawn) {
    GameState state = EmptyDesk();
    state.path.grid[CellIndex(4, 4)] = PathCode(kLeft, kLeft);
    TimedFakeEffects fx;
    DrawArrows(state, fx, ActiveTables());
    EXPECT_EQ(fx.events, (Calls{"RepaintDesk"}));
    EXPECT_EQ(state.arrowMarks[CellIndex(4, 4)], -2);
}

TEST(Arrows, EraseBlanksEveryMarkedCellRowByRowWithoutRepaint) {
    GameState state = GameWithLRoute();
    TimedFakeEffects fx;
    DrawArrows(state, fx, ActiveTables());
    state.arrowMarks[CellIndex(8, 8)] = -2;  // an earlier route of this selection
    fx.Clear();
    EraseArrows(state, fx);
    EXPECT_EQ(fx.events, (Calls{"DrawEmptyTile(1,0)", "DrawEmptyTile(2,0)", "DrawEmptyTile(3,0)",
                                "DrawEmptyTile(3,1)", "DrawEmptyTile(3,2)", "DrawEmptyTile(8,8)"}));
    EXPECT_EQ(state.arrowMarks[CellIndex(3, 2)], -2);
    EXPECT_EQ(state.path.ready, 1);
}

// A move as the release starts it: the Desk already holds the ball at the
// target, the selection is gone and the move timer runs.
void StartMoveByHand(GameState& state, TimedFakeEffects& fx, BallColor color) {
    state.desk[CellIndex(state.path.start.x, state.path.start.y)] = kNoBall;
    state.desk[CellIndex(state.path.target.x, state.path.target.y)] = color;
    state.move = MoveState{state.path.start, state.path.firstStep, color};
    state.turnPhase = 3;
    fx.moveTimer = true;
}

TEST(MoveAnimation, BallPassesEveryRouteCellInFiveTicks) {
    GameState state = GameWithLRoute();
    TimedFakeEffects fx;
    StartMoveByHand(state, fx, 3);
    const Cell passed[] = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}};
    Cell from{0, 0};
    for (int tick = 0; tick < 5; ++tick) {
        ASSERT_TRUE(fx.moveTimer) << "tick " << tick;
        fx.Clear();
        MoveTimerTick(state, fx);
        const Cell to = passed[tick];
        Calls expected{
            "DrawEmptyTile(" + std::to_string(from.x) + "," + std::to_string(from.y) + ")",
            "DrawBallTile(" + std::to_string(to.x) + "," + std::to_string(to.y) + ",3,0)",
            "RepaintDesk", "PlaySound(Move)"};
        if (tick == 4) {
            expected.insert(expected.end(), {"StopTimer(Move)", "StartTimer(Wait)"});
        }
        EXPECT_EQ(fx.events, expected) << "tick " << tick;
        from = to;
    }
    EXPECT_FALSE(fx.moveTimer);
    EXPECT_TRUE(fx.waitTimer);
    EXPECT_EQ(state.turnPhase, 0);
}

TEST(MoveAnimation, OneCellRouteArrivesInOneTick) {
    GameState state = EmptyDesk();
    PutBall(state, 4, 4, 1);
    state.path.grid[CellIndex(4, 4)] = kPathBlocked;
    SetCode(state, 4, 5, kUp, kNone);
    state.path.start = Cell{4, 4};
    state.path.target = Cell{4, 5};
    state.path.firstStep = Cell{4, 5};
    TimedFakeEffects fx;
    StartMoveByHand(state, fx, 1);
    MoveTimerTick(state, fx);
    EXPECT_EQ(fx.events, (Calls{"DrawEmptyTile(4,4)", "DrawBallTile(4,5,1,0)", "RepaintDesk",
                                "PlaySound(Move)", "StopTimer(Move)", "StartTimer(Wait)"}));
    EXPECT_EQ(fx.Count("PlaySound(Move)"), 1);
    EXPECT_EQ(state.turnPhase, 0);
}

TEST(MoveAnimation, NeverStepsOffTheDesk) {
    // A grid whose forward direction points off the Desk keeps the ball put.
    GameState state = EmptyDesk();
    SetCode(state, 8, 0, kLeft, kRight);
    state.move = MoveState{Cell{7, 0}, Cell{8, 0}, 2};
    state.path.target = Cell{0, 8};
    TimedFakeEffects fx;
    MoveTimerTick(state, fx);
    EXPECT_EQ(state.move.to, (Cell{8, 0}));
}

}  // namespace
}  // namespace quorbals
