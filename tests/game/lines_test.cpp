// Finding, removing and scoring runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/lines.h"
#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"

namespace quorbals {
namespace {

using testing::EmptyGame;
using testing::FakeEffects;
using testing::PutBall;
using testing::PutBalls;

struct ScanOutcome {
    int removed;
    FakeEffects effects;
};

ScanOutcome Scan(GameState& state) {
    ScanOutcome out{0, {}};
    out.removed = ScanLines(state, out.effects);
    return out;
}

std::vector<std::string> EmptyTiles(const FakeEffects& effects) {
    return effects.Matching("DrawEmptyTile");
}

TEST(PointsForPass, FollowsTheTable) {
    const int expected[] = {0, 0, 0, 0, 0, 10, 22, 34, 46, 58, 70};
    for (int n = 0; n <= 10; ++n) {
        EXPECT_EQ(PointsForPass(n), expected[n]) << n;
    }
    EXPECT_EQ(PointsForPass(20), 10 + 12 * 15);
}

TEST(ScanLines, RowOfFiveIsRemovedAndScored) {
    GameState state = EmptyGame();
    state.score = 7;
    PutBalls(state, {{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}, 2);
    const int freeBefore = state.freeCount;
    ScanOutcome out = Scan(state);

    EXPECT_EQ(out.removed, 5);
    EXPECT_TRUE(state.linesRemoved);
    EXPECT_EQ(state.score, 17);
    EXPECT_EQ(state.freeCount, freeBefore + 5);
    for (int x = 2; x <= 6; ++x) {
        EXPECT_EQ(state.desk[CellIndex(x, 3)], kNoBall);
        EXPECT_EQ(state.freeCellList[CellIndex(x, 3)].free, 1);
    }
    const std::vector<std::string> expected = {
        "DrawEmptyTile(2,3)", "DrawEmptyTile(3,3)", "DrawEmptyTile(4,3)", "DrawEmptyTile(5,3)",
        "DrawEmptyTile(6,3)", "SetScoreText(17)",   "RepaintDesk",        "PlaySound(Remove)",
    };
    EXPECT_EQ(out.effects.events, expected);
}

TEST(ScanLines, RowOfFourStillShowsScoreAndRepaints) {
    GameState state = EmptyGame();
    PutBalls(state, {{0, 8}, {1, 8}, {2, 8}, {3, 8}}, 1);
    const auto desk = state.desk;
    state.linesRemoved = true;
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 0);
    EXPECT_FALSE(state.linesRemoved);
    EXPECT_EQ(state.desk, desk);
    EXPECT_EQ(out.effects.events, (std::vector<std::string>{"SetScoreText(0)", "RepaintDesk"}));
}

TEST(ScanLines, RowOfNineScoresFiftyEight) {
    GameState state = EmptyGame();
    for (int x = 0; x < 9; ++x) {
        PutBall(state, x, 6, 0);
    }
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 9);
    EXPECT_EQ(state.score, 58);
    EXPECT_EQ(EmptyTiles(out.effects).front(), "DrawEmptyTile(0,6)");
    EXPECT_EQ(state.freeCount, 81);
}

TEST(ScanLines, LWithCornerTopLeftRemovesOnlyTheColumn) {
    GameState state = EmptyGame();
    PutBalls(state, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}, 3);  // column
    PutBalls(state, {{2, 1}, {3, 1}, {4, 1}, {5, 1}}, 3);          // rest of the row
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 5);
    EXPECT_EQ(state.score, 10);
    EXPECT_EQ(state.desk[CellIndex(1, 1)], kNoBall);
    EXPECT_EQ(state.desk[CellIndex(1, 5)], kNoBall);
    for (int x = 2; x <= 5; ++x) {
        EXPECT_EQ(state.desk[CellIndex(x, 1)], 3);
    }
}

TEST(ScanLines, TWithRowOnTopRemovesTheRowFirst) {
    GameState state = EmptyGame();
    PutBalls(state, {{2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}}, 5);  // row
    PutBalls(state, {{4, 1}, {4, 2}, {4, 3}, {4, 4}}, 5);          // column below the middle
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 5);
    EXPECT_EQ(state.score, 10);
    EXPECT_EQ(EmptyTiles(out.effects).front(), "DrawEmptyTile(2,0)");
    for (int y = 1; y <= 4; ++y) {
        EXPECT_EQ(state.desk[CellIndex(4, y)], 5);
    }
}

TEST(ScanLines, SixInARowPlusFiveDownScoresSeventy) {
    for (int y = 0; y <= 4; ++y) {
        GameState state = EmptyGame();
        for (int x = 2; x <= 7; ++x) {
            PutBall(state, x, y, 1);
        }
        for (int k = 1; k <= 4; ++k) {
            PutBall(state, 2, y + k, 1);
        }
        ScanOutcome out = Scan(state);
        EXPECT_EQ(out.removed, 10) << y;
        EXPECT_EQ(state.score, 70) << y;
        EXPECT_EQ(state.freeCount, 81);
        // The column first at (2, y), then the row's remaining five from (3, y).
        const auto tiles = EmptyTiles(out.effects);
        ASSERT_EQ(tiles.size(), 10u);
        EXPECT_EQ(tiles[1], "DrawEmptyTile(2," + std::to_string(y + 1) + ")");
        EXPECT_EQ(tiles[5], "DrawEmptyTile(3," + std::to_string(y) + ")");
    }
}

TEST(ScanLines, TwoLinesInOnePassScoreSeventyWithOneSound) {
    GameState state = EmptyGame();
    PutBalls(state, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, 0);
    PutBalls(state, {{8, 2}, {8, 3}, {8, 4}, {8, 5}, {8, 6}}, 4);
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 10);
    EXPECT_EQ(state.score, 70);
    EXPECT_EQ(out.effects.Sounds(), (std::vector<std::string>{"PlaySound(Remove)"}));
    EXPECT_EQ(out.effects.Count("SetScoreText"), 1);
}

TEST(ScanLines, DiagonalsAreFoundFromTheirTopEnd) {
    struct Case {
        std::vector<std::pair<int, int>> cells;  // in the order they must be cleared
    };
    const Case cases[] = {
        {{{4, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 4}}},  // down-left from the top edge
        {{{8, 4}, {7, 5}, {6, 6}, {5, 7}, {4, 8}}},  // down-left from the right edge
        {{{0, 4}, {1, 5}, {2, 6}, {3, 7}, {4, 8}}},  // down-right to the bottom corner
        {{{4, 0}, {5, 1}, {6, 2}, {7, 3}, {8, 4}}},  // down-right to the right edge
    };
    for (const Case& c : cases) {
        GameState state = EmptyGame();
        std::vector<std::string> expected;
        for (const auto& [x, y] : c.cells) {
            PutBall(state, x, y, 2);
            expected.push_back("DrawEmptyTile(" + std::to_string(x) + "," + std::to_string(y) +
                               ")");
        }
        ScanOutcome out = Scan(state);
        EXPECT_EQ(EmptyTiles(out.effects), expected);
        EXPECT_EQ(state.score, 10);
    }
}

TEST(ScanLines, SixOnTheMainDiagonalScoreTwentyTwo) {
    GameState state = EmptyGame();
    for (int k = 0; k <= 5; ++k) {
        PutBall(state, k, k, 3);
    }
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 6);
    EXPECT_EQ(state.score, 22);
    EXPECT_EQ(EmptyTiles(out.effects).front(), "DrawEmptyTile(0,0)");
}

TEST(ScanLines, RunsStopAtOtherColoursAndTheEdge) {
    GameState state = EmptyGame();
    // Four of colour 1, one of colour 2, then four more of colour 1.
    for (int x = 0; x < 9; ++x) {
        PutBall(state, x, 2, x == 4 ? 2 : 1);
    }
    // A column of five touching the bottom edge, starting at row 4.
    for (int y = 4; y < 9; ++y) {
        PutBall(state, 0, y, 4);
    }
    // A diagonal that would need a sixth cell off the Desk.
    for (int k = 0; k < 4; ++k) {
        PutBall(state, 5 + k, 5 + k, 5);
    }
    ScanOutcome out = Scan(state);
    EXPECT_EQ(out.removed, 5);
    EXPECT_EQ(EmptyTiles(out.effects).front(), "DrawEmptyTile(0,4)");
    EXPECT_EQ(state.desk[CellIndex(0, 2)], 1);
    EXPECT_EQ(state.desk[CellIndex(8, 8)], 5);
}

TEST(ScanLines, SecondPassOnTheSameDeskFindsNothing) {
    GameState state = EmptyGame();
    testing::FillExcept(state, {});
    for (int x = 0; x < 7; ++x) {
        state.desk[CellIndex(x, 4)] = 0;
    }
    for (int y = 0; y < 9; ++y) {
        state.desk[CellIndex(8, y)] = 0;
    }
    Scan(state);
    const int score = state.score;
    ScanOutcome again = Scan(state);
    EXPECT_EQ(again.removed, 0);
    EXPECT_FALSE(state.linesRemoved);
    EXPECT_EQ(state.score, score);
}

TEST(ScanLines, ScoreStopsAtTheLargestValueInsteadOfWrapping) {
    GameState state = EmptyGame();
    state.score = 2147483640;
    PutBalls(state, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, 0);
    Scan(state);
    EXPECT_EQ(state.score, 2147483647);
}

}  // namespace
}  // namespace quorbals
