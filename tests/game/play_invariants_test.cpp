// Whole games of random moves: the records stay consistent after every step.
#include <gtest/gtest.h>

#include <vector>

#include "game/invariants.h"
#include "game/move.h"
#include "game/path_search.h"
#include "game/random.h"
#include "game/spawning.h"
#include "game/turn_cycle.h"
#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"

namespace quorbals {
namespace {

using testing::FakeEffects;

TEST(MoveBall, FreesTheSourceTakesTheTargetAndKeepsFreeCount) {
    GameState state = testing::EmptyGame();
    testing::PutBall(state, 2, 3, 4);
    const int freeCount = state.freeCount;
    MoveBall(state, {2, 3}, {7, 0});
    EXPECT_EQ(state.desk[CellIndex(2, 3)], kNoBall);
    EXPECT_EQ(state.freeCellList[CellIndex(2, 3)].free, 1);
    EXPECT_EQ(state.desk[CellIndex(7, 0)], 4);
    EXPECT_EQ(state.freeCellList[CellIndex(7, 0)].free, 0);
    EXPECT_EQ(state.freeCount, freeCount);
    EXPECT_EQ(CheckStateInvariants(state), "");

    // Nonsense requests change nothing.
    const GameState before = state;
    MoveBall(state, {7, 0}, {7, 0});
    MoveBall(state, {7, 0}, {9, 0});
    MoveBall(state, {-1, 0}, {1, 0});
    EXPECT_EQ(state.desk, before.desk);
    EXPECT_EQ(state.freeCount, before.freeCount);
}

TEST(Invariants, DescribeTheFirstFault) {
    GameState state = testing::EmptyGame();
    EXPECT_EQ(CheckStateInvariants(state), "");
    state.freeCount = 80;
    EXPECT_EQ(CheckStateInvariants(state), "FreeCount is 80 but 81 cells are empty");
    state.freeCount = 81;
    state.desk[5] = 2;
    EXPECT_NE(CheckStateInvariants(state), "");
    state.desk[5] = kNoBall;
    state.freeCellList[9].x = 3;
    EXPECT_NE(CheckStateInvariants(state), "");

    GameState lines = testing::EmptyGame();
    testing::PutBalls(lines, {{8, 0}, {7, 1}, {6, 2}, {5, 3}, {4, 4}}, 1);
    EXPECT_EQ(CheckNoLineLeft(lines), "a run of 5 starts at (8,0)");
}

TEST(RandomPlay, KeepsEveryInvariantThroughWholeGames) {
    GameState state;
    state.randomState = 1;
    GameState chooser;  // a separate source for the moves
    chooser.randomState = 99;
    FakeEffects effects;
    NewGame(state, effects);

    int games = 0;
    int moves = 0;
    while (games < 40) {
        // A random ball and a random reachable free cell for it.
        std::vector<int> balls;
        for (int i = 0; i < kCellCount; ++i) {
            if (state.desk[i] != kNoBall) {
                balls.push_back(i);
            }
        }
        bool moved = false;
        for (int attempt = 0; attempt < 40 && !moved; ++attempt) {
            const int from = balls[RandomBelow(chooser, static_cast<int>(balls.size()))];
            const int to = RandomBelow(chooser, kCellCount);
            if (state.desk[to] != kNoBall) {
                continue;
            }
            state.path.start = {from % 9, from / 9};
            const PathResult result = FindPath(state, effects, {to % 9, to / 9});
            ASSERT_NE(result, PathResult::CountError);
            if (result != PathResult::Found) {
                continue;
            }
            ASSERT_GT(FollowRoute(state.path).length, 0);
            const int freeBefore = state.freeCount;
            const int scoreBefore = state.score;
            MoveBall(state, state.path.start, state.path.target);
            ASSERT_EQ(state.freeCount, freeBefore);
            ASSERT_EQ(CheckStateInvariants(state), "");

            effects.Clear();
            state.turnPhase = 0;
            WaitTimerTick(state, effects);
            ++moves;
            moved = true;
            ASSERT_EQ(CheckStateInvariants(state), "") << "move " << moves;
            ASSERT_EQ(CheckNoLineLeft(state), "") << "move " << moves;
            if (effects.Count("ShowGameOver") > 0) {
                ++games;
                ASSERT_EQ(state.freeCount, 78);
                ASSERT_EQ(state.score, 0);
            } else {
                ASSERT_GT(state.freeCount, 0);
                ASSERT_GE(state.score, scoreBefore);
            }
        }
        if (!moved) {
            NewGame(state, effects);  // nothing movable found: start again
            ++games;
        }
    }
    EXPECT_GT(moves, 400);
}

}  // namespace
}  // namespace quorbals
