// The random source, dealing a new game, and placing the previewed balls.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/random.h"
#include "game/spawning.h"
#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"

namespace quorbals {
namespace {

using testing::EmptyGame;
using testing::FakeEffects;
using testing::PutBall;
using testing::StateGiving;

std::uint32_t Advance(std::uint32_t s) {
    return s * 134775813u + 1u;
}

TEST(RandomBelow, IsTheUpperHalfOfTheProductWithTheAdvancedState) {
    GameState state;
    state.randomState = 0;
    EXPECT_EQ(RandomBelow(state, 6), 0);  // state 1
    EXPECT_EQ(state.randomState, 1u);
    EXPECT_EQ(RandomBelow(state, 6), 0);  // state 134775814
    EXPECT_EQ(state.randomState, 134775814u);

    state.randomState = 0xFFFFFFFEu;  // advances to 0xFFFFFFFF * ... mod 2^32
    const std::uint32_t next = Advance(0xFFFFFFFEu);
    const auto expected = static_cast<std::int32_t>((std::uint64_t{81} * next) >> 32);
    EXPECT_EQ(RandomBelow(state, 81), expected);
    EXPECT_LT(expected, 81);
}

TEST(RandomBelow, OfOneIsZeroButStillAdvances) {
    GameState state;
    state.randomState = 12345;
    for (int i = 0; i < 5; ++i) {
        const std::uint32_t before = state.randomState;
        EXPECT_EQ(RandomBelow(state, 1), 0);
        EXPECT_EQ(state.randomState, Advance(before));
    }
}

TEST(RandomBelow, StaysInRangeAndHitsBothEnds) {
    GameState state;
    state.randomState = 7;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int r = RandomBelow(state, 6);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 6);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(RandomBelow(state, 0), 0);  // an empty range never yields garbage
}

TEST(RandomSeed, IsMillisecondsOfTheDay) {
    EXPECT_LT(MillisecondsSinceMidnightUtc(), 86400000u);
    GameState state;
    SeedRandomFromClock(state);
    EXPECT_LT(state.randomState, 86400000u);
}

TEST(NewGame, FromStateZeroDealsTheKnownOpening) {
    GameState state;
    state.randomState = 0;
    state.turnPhase = 2;
    state.linesRemoved = true;
    state.selection = {4, 5, 3, 2};
    state.freeCellList[17].fill[1] = 0x5A;
    state.path.firstStep = {6, 6};
    FakeEffects effects;
    NewGame(state, effects);

    const std::vector<std::string> expected = {
        "StopTimer(Wait)",       "StopTimer(Move)",
        "SetScoreText(0)",       "ResetDesk",
        "DrawPreviewTile(0,0)",  "DrawPreviewTile(1,0)",
        "DrawPreviewTile(2,5)",  "DrawBallTile(7,1,0,0)",
        "DrawBallTile(4,2,0,0)", "DrawBallTile(1,6,5,0)",
        "DrawPreviewTile(0,1)",  "DrawPreviewTile(1,0)",
        "DrawPreviewTile(2,2)",
    };
    EXPECT_EQ(effects.events, expected);

    EXPECT_EQ(state.desk[CellIndex(7, 1)], 0);
    EXPECT_EQ(state.desk[CellIndex(4, 2)], 0);
    EXPECT_EQ(state.desk[CellIndex(1, 6)], 5);
    int balls = 0;
    for (BallColor c : state.desk) {
        balls += c != kNoBall;
    }
    EXPECT_EQ(balls, 3);
    EXPECT_EQ(state.freeCount, 78);
    EXPECT_EQ(state.freeCellList[CellIndex(7, 1)].free, 0);
    EXPECT_EQ(state.freeCellList[CellIndex(0, 0)].free, 1);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.nextBalls, (std::array<BallColor, 3>{1, 0, 2}));

    // Exactly nine draws: 6, 6, 6, 81, 80, 79, 6, 6, 6.
    std::uint32_t s = 0;
    for (int i = 0; i < 9; ++i) {
        s = Advance(s);
    }
    EXPECT_EQ(state.randomState, s);

    // Only the selection colour is touched among the things NewGame leaves.
    EXPECT_EQ(state.selection.color, kNoBall);
    EXPECT_EQ(state.selection.x, 4);
    EXPECT_EQ(state.selection.y, 5);
    EXPECT_EQ(state.selection.glowFrame, 2);
    EXPECT_EQ(state.turnPhase, 2);
    EXPECT_TRUE(state.linesRemoved);
    EXPECT_EQ(state.path.firstStep, (Cell{6, 6}));
    EXPECT_EQ(state.freeCellList[17].fill[1], 0x5A);
}

TEST(NewGame, DrawsInTheDocumentedOrder) {
    // Replay the draws by hand from the same state.
    GameState replay;
    replay.randomState = 99;
    const int d1 = RandomBelow(replay, 6), d2 = RandomBelow(replay, 6), d3 = RandomBelow(replay, 6);
    const int r1 = RandomBelow(replay, 81), r2 = RandomBelow(replay, 80),
              r3 = RandomBelow(replay, 79);
    const int n1 = RandomBelow(replay, 6), n2 = RandomBelow(replay, 6), n3 = RandomBelow(replay, 6);

    GameState state;
    state.randomState = 99;
    FakeEffects effects;
    NewGame(state, effects);
    EXPECT_EQ(state.randomState, replay.randomState);
    EXPECT_EQ(state.nextBalls, (std::array<BallColor, 3>{n1, n2, n3}));

    // The ranks r1..r3 count free cells in cell order as the Desk fills.
    std::array<bool, kCellCount> taken{};
    const int ranks[] = {r1, r2, r3};
    const int colors[] = {d1, d2, d3};
    for (int k = 0; k < 3; ++k) {
        int seen = 0;
        for (int i = 0; i < kCellCount; ++i) {
            if (taken[i]) {
                continue;
            }
            if (seen++ == ranks[k]) {
                taken[i] = true;
                EXPECT_EQ(state.desk[i], colors[k]) << "ball " << k;
                break;
            }
        }
    }
}

TEST(NewGame, AlwaysLeavesThreeBallsOnDistinctCells) {
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        GameState state;
        state.randomState = seed * 2654435761u;
        FakeEffects effects;
        NewGame(state, effects);
        int balls = 0;
        for (int i = 0; i < kCellCount; ++i) {
            if (state.desk[i] != kNoBall) {
                ++balls;
                EXPECT_EQ(state.freeCellList[i].free, 0);
            }
        }
        ASSERT_EQ(balls, 3) << "seed " << seed;
        ASSERT_EQ(state.freeCount, 78);
    }
}

TEST(PlaceNextBalls, RankCountsOnlyFreeRecords) {
    GameState state = EmptyGame();
    for (int i = 0; i < kCellCount; ++i) {
        if (i != 3 && i != 10 && i != 11) {
            PutBall(state, i % 9, i / 9, 4);
        }
    }
    ASSERT_EQ(state.freeCount, 3);
    state.nextBalls = {2, 3, 5};
    state.randomState = StateGiving(3, 1);
    FakeEffects effects;

    // The first draw picks the cell of rank 1; the others fill what is left.
    PlaceNextBalls(state, effects);
    ASSERT_FALSE(effects.events.empty());
    EXPECT_EQ(effects.events[0], "DrawBallTile(1,1,2,0)");  // record 10
    EXPECT_EQ(state.freeCount, 0);
}

TEST(PlaceNextBalls, RankZeroIsTheLowestAndTheLastRankTheHighestFreeCell) {
    for (const bool lowest : {true, false}) {
        GameState state = EmptyGame();
        PutBall(state, 0, 0, 1);  // record 0 taken; lowest free is (1,0)
        PutBall(state, 8, 8, 1);  // record 80 taken; highest free is (7,8)
        state.nextBalls = {3, 3, 3};
        const int n = state.freeCount;
        state.randomState = StateGiving(n, lowest ? 0 : n - 1);
        FakeEffects effects;
        PlaceNextBalls(state, effects);
        EXPECT_EQ(effects.events[0], lowest ? "DrawBallTile(1,0,3,0)" : "DrawBallTile(7,8,3,0)");
    }
}

TEST(PlaceNextBalls, WithTwoFreeCellsPlacesTwoAndDrawsTwice) {
    GameState state = EmptyGame();
    testing::FillExcept(state, {{2, 2}, {6, 6}});
    ASSERT_EQ(state.freeCount, 2);
    state.nextBalls = {0, 0, 4};
    state.randomState = 77;
    FakeEffects effects;
    PlaceNextBalls(state, effects);
    EXPECT_EQ(state.freeCount, 0);
    EXPECT_EQ(state.desk[CellIndex(2, 2)], 0);
    EXPECT_EQ(state.desk[CellIndex(6, 6)], 0);
    EXPECT_EQ(effects.Count("DrawBallTile"), 2);
    EXPECT_EQ(state.randomState, Advance(Advance(77)));
    EXPECT_EQ(state.nextBalls, (std::array<BallColor, 3>{0, 0, 4}));  // unchanged
}

TEST(PlaceNextBalls, WithNoFreeCellDrawsNothing) {
    GameState state = EmptyGame();
    testing::FillExcept(state, {});
    state.randomState = 77;
    const auto desk = state.desk;
    FakeEffects effects;
    PlaceNextBalls(state, effects);
    EXPECT_EQ(state.randomState, 77u);
    EXPECT_EQ(state.desk, desk);
    EXPECT_TRUE(effects.events.empty());
}

TEST(PlaceNextBalls, InconsistentRecordsNeverWriteOffTheDesk) {
    // FreeCount claims more free cells than there are records marked free.
    {
        GameState state = EmptyGame();
        testing::FillExcept(state, {{4, 4}});
        state.freeCount = 60;
        state.nextBalls = {0, 1, 2};
        state.randomState = StateGiving(60, 30);
        FakeEffects effects;
        PlaceNextBalls(state, effects);
        EXPECT_TRUE(effects.events.empty());  // rank 30 does not exist: stop
        EXPECT_EQ(state.freeCount, 60);
        EXPECT_EQ(state.desk[CellIndex(4, 4)], kNoBall);
    }
    // A free record naming a cell off the Desk.
    {
        GameState state = EmptyGame();
        state.freeCellList[0].x = 40;
        state.freeCellList[0].y = -3;
        state.nextBalls = {0, 1, 2};
        state.randomState = StateGiving(81, 0);
        const auto desk = state.desk;
        FakeEffects effects;
        PlaceNextBalls(state, effects);
        EXPECT_TRUE(effects.events.empty());
        EXPECT_EQ(state.desk, desk);
        EXPECT_EQ(state.freeCount, 81);
    }
    // Free bytes other than 1 do not count as free.
    {
        GameState state = EmptyGame();
        for (auto& record : state.freeCellList) {
            record.free = 7;
        }
        state.freeCellList[80].free = 1;
        FakeEffects effects;
        state.nextBalls = {5, 5, 5};
        state.randomState = StateGiving(81, 0);
        PlaceNextBalls(state, effects);
        ASSERT_EQ(effects.Count("DrawBallTile"), 1);
        EXPECT_EQ(effects.events[0], "DrawBallTile(8,8,5,0)");
    }
}

}  // namespace
}  // namespace quorbals
