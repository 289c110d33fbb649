// The simulator's bot: gains, tie-breaking, reachability, stuck Desks.
#include <gtest/gtest.h>

#include <deque>

#include "game/random.h"
#include "tests/game/desk_builder.h"
#include "tools/sim/bot.h"

namespace quorbals::sim {
namespace {

using quorbals::testing::EmptyGame;
using quorbals::testing::PutBall;
using quorbals::testing::PutBalls;

// The rule as stated, pair by pair, with a fresh flood fill for every ball.
std::optional<BotMove> ReferenceChoice(const GameState& state) {
    std::optional<BotMove> best;
    for (int b = 0; b < kCellCount; ++b) {
        if (state.desk[b] == kNoBall) {
            continue;
        }
        std::array<bool, kCellCount> reach{};
        std::deque<int> queue{b};
        while (!queue.empty()) {
            const int c = queue.front();
            queue.pop_front();
            const int x = c % 9, y = c / 9;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (OnDesk(n[0], n[1]) && state.desk[CellIndex(n[0], n[1])] == kNoBall &&
                    !reach[CellIndex(n[0], n[1])]) {
                    reach[CellIndex(n[0], n[1])] = true;
                    queue.push_back(CellIndex(n[0], n[1]));
                }
            }
        }
        for (int t = 0; t < kCellCount; ++t) {
            if (!reach[t]) {
                continue;
            }
            const Cell from{b % 9, b / 9}, to{t % 9, t / 9};
            const int gain = MoveGain(state, from, to);
            if (!best || gain > best->gain) {
                best = BotMove{from, to, gain};
            }
        }
    }
    return best;
}

TEST(MoveGain, CountsBothSidesAndTheTarget) {
    GameState state = EmptyGame();
    PutBalls(state, {{0, 4}, {1, 4}, {3, 4}}, 2);  // a gap at (2,4)
    PutBall(state, 8, 8, 2);
    EXPECT_EQ(MoveGain(state, {8, 8}, {2, 4}), 4);
    // Diagonals both ways.
    PutBalls(state, {{5, 1}, {7, 3}}, 2);
    EXPECT_EQ(MoveGain(state, {8, 8}, {6, 2}), 3);
    PutBalls(state, {{5, 3}, {7, 1}, {8, 0}}, 2);
    EXPECT_EQ(MoveGain(state, {8, 8}, {6, 2}), 4);
}

TEST(MoveGain, TheMovingBallDoesNotCountForItself) {
    GameState state = EmptyGame();
    PutBalls(state, {{0, 0}, {1, 0}, {2, 0}}, 1);
    // (2,0) moving to (3,0) leaves (2,0) empty behind it.
    EXPECT_EQ(MoveGain(state, {2, 0}, {3, 0}), 1);
    // (0,0) moving there joins the other two.
    EXPECT_EQ(MoveGain(state, {0, 0}, {3, 0}), 3);
    // Other colours do not count.
    PutBall(state, 4, 0, 3);
    EXPECT_EQ(MoveGain(state, {0, 0}, {3, 0}), 3);
}

TEST(ChooseMove, FirstPairWinsATie) {
    GameState state = EmptyGame();
    PutBall(state, 4, 4, 0);
    PutBall(state, 6, 7, 1);
    const auto move = ChooseMove(state);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->from, (Cell{4, 4}));
    EXPECT_EQ(move->to, (Cell{0, 0}));
    EXPECT_EQ(move->gain, 1);
}

TEST(ChooseMove, PrefersTheLongestRunAndOnlyReachableCells) {
    GameState state = EmptyGame();
    PutBalls(state, {{0, 8}, {1, 8}, {2, 8}, {3, 8}}, 5);
    PutBall(state, 8, 0, 5);
    // (4,8) would give five, but a wall of colour 4 cuts it off from (8,0).
    PutBalls(state, {{4, 7}, {5, 7}, {5, 8}}, 4);
    auto move = ChooseMove(state);
    ASSERT_TRUE(move);
    EXPECT_NE(move->to, (Cell{4, 8}));
    EXPECT_EQ(move->gain, 3);  // the wall itself now offers the longest run
    // Open the wall: now the five is reachable.
    state.desk[CellIndex(4, 7)] = kNoBall;
    state.freeCellList[CellIndex(4, 7)].free = 1;
    ++state.freeCount;
    move = ChooseMove(state);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->from, (Cell{8, 0}));
    EXPECT_EQ(move->to, (Cell{4, 8}));
    EXPECT_EQ(move->gain, 5);
}

TEST(ChooseMove, NothingToMoveOnAnEmptyOrFullDesk) {
    GameState state = EmptyGame();
    EXPECT_FALSE(ChooseMove(state));
    quorbals::testing::FillExcept(state, {});
    EXPECT_FALSE(ChooseMove(state));
}

TEST(ChooseMove, AgreesWithThePlainRuleOnRandomBoards) {
    GameState rng;
    rng.randomState = 5;
    for (int board = 0; board < 400; ++board) {
        GameState state = EmptyGame();
        const int fill = 3 + board % 75;
        for (int i = 0; i < fill; ++i) {
            const int cell = RandomBelow(rng, kCellCount);
            // Few colours make long runs and many ties.
            PutBall(state, cell % 9, cell / 9, RandomBelow(rng, 1 + board % 6));
        }
        const auto fast = ChooseMove(state);
        const auto plain = ReferenceChoice(state);
        ASSERT_EQ(fast.has_value(), plain.has_value()) << board;
        if (fast) {
            EXPECT_EQ(fast->from, plain->from) << board;
            EXPECT_EQ(fast->to, plain->to) << board;
            EXPECT_EQ(fast->gain, plain->gain) << board;
        }
    }
}

}  // namespace
}  // namespace quorbals::sim
