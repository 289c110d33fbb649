// The cycle that follows every move, row by row of the turn outcomes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/random.h"
#include "game/turn_cycle.h"
#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"

namespace quorbals {
namespace {

using testing::EmptyGame;
using testing::FakeEffects;
using testing::FillExcept;
using testing::PutBall;
using testing::PutBalls;
using testing::StateGiving;
using Events = std::vector<std::string>;

void RunTurn(GameState& state, FakeEffects& effects) {
    state.turnPhase = 0;  // as the move animation does on arrival
    WaitTimerTick(state, effects);
}

TEST(TurnCycle, MoveThatCompletesALineKeepsThePreview) {
    GameState state = EmptyGame();
    PutBalls(state, {{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}, 0);
    PutBall(state, 7, 7, 2);
    state.nextBalls = {1, 2, 3};
    state.randomState = 5;
    FakeEffects effects;
    RunTurn(state, effects);

    const Events expected = {
        "DrawEmptyTile(1,4)", "DrawEmptyTile(2,4)", "DrawEmptyTile(3,4)", "DrawEmptyTile(4,4)",
        "DrawEmptyTile(5,4)", "SetScoreText(10)",   "RepaintDesk",        "PlaySound(Remove)",
        "SetScoreText(10)",   "RepaintDesk",        "StopTimer(Wait)",
    };
    EXPECT_EQ(effects.events, expected);
    EXPECT_EQ(state.randomState, 5u);  // nothing placed, nothing dealt
    EXPECT_EQ(state.nextBalls, (std::array<BallColor, 3>{1, 2, 3}));
    EXPECT_EQ(state.freeCount, 80);
    EXPECT_EQ(state.turnPhase, 3);
    // The second scan found nothing, yet no deal followed.
    EXPECT_FALSE(state.linesRemoved);
}

TEST(TurnCycle, MoveThatCompletesNothingPlacesAndDeals) {
    GameState state = EmptyGame();
    PutBall(state, 0, 0, 4);
    state.nextBalls = {1, 2, 3};
    state.randomState = 31337;
    FakeEffects effects;
    RunTurn(state, effects);

    ASSERT_EQ(effects.events.size(), 12u);
    EXPECT_EQ(Events(effects.events.begin(), effects.events.begin() + 2),
              (Events{"SetScoreText(0)", "RepaintDesk"}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(effects.events[2 + k].starts_with("DrawBallTile(")) << effects.events[2 + k];
        EXPECT_TRUE(effects.events[2 + k].ends_with("," + std::to_string(k + 1) + ",0)"));
    }
    EXPECT_EQ(Events(effects.events.begin() + 5, effects.events.begin() + 10),
              (Events{"PlaySound(Add)", "SetScoreText(0)", "RepaintDesk", "StopTimer(Wait)",
                      "DrawPreviewTile(0," + std::to_string(state.nextBalls[0]) + ")"}));
    EXPECT_EQ(state.freeCount, 77);
    EXPECT_EQ(effects.Sounds(), (Events{"PlaySound(Add)"}));

    // Three placement draws, then three colour draws.
    GameState replay;
    replay.randomState = 31337;
    RandomBelow(replay, 80);
    RandomBelow(replay, 79);
    RandomBelow(replay, 78);
    const std::array<BallColor, 3> dealt = {RandomBelow(replay, 6), RandomBelow(replay, 6),
                                            RandomBelow(replay, 6)};
    EXPECT_EQ(state.nextBalls, dealt);
    EXPECT_EQ(state.randomState, replay.randomState);
}

// Free cells (4,0), (0,8) and (8,8); (0..3,0) hold colour 0; the first
// placement draw takes (4,0), so the first colour completes the row.
GameState PlacementCompletesRow() {
    GameState state = EmptyGame();
    PutBalls(state, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, 0);
    FillExcept(state, {{4, 0}, {0, 8}, {8, 8}});
    state.nextBalls = {0, 3, 5};
    state.randomState = StateGiving(3, 0);
    return state;
}

TEST(TurnCycle, PlacedBallsThatCompleteALineKeepTheirColoursInThePreview) {
    GameState state = PlacementCompletesRow();
    state.score = 40;
    FakeEffects effects;
    RunTurn(state, effects);

    EXPECT_EQ(effects.Sounds(), (Events{"PlaySound(Add)", "PlaySound(Remove)"}));
    EXPECT_EQ(effects.Count("DrawBallTile"), 3);
    EXPECT_EQ(effects.events[2], "DrawBallTile(4,0,0,0)");
    EXPECT_EQ(effects.Count("DrawPreviewTile"), 0);
    EXPECT_EQ(effects.Count("ShowGameOver"), 0);
    // The placement filled the last free cell; the removal opened five.
    EXPECT_EQ(state.freeCount, 5);
    EXPECT_EQ(state.score, 50);
    EXPECT_EQ(state.nextBalls, (std::array<BallColor, 3>{0, 3, 5}));
    EXPECT_TRUE(state.linesRemoved);

    // The next move that completes nothing places the same three colours.
    FakeEffects next;
    RunTurn(state, next);
    const Events balls = next.Matching("DrawBallTile");
    ASSERT_EQ(balls.size(), 3u);
    EXPECT_TRUE(balls[0].ends_with(",0,0)"));
    EXPECT_TRUE(balls[1].ends_with(",3,0)"));
    EXPECT_TRUE(balls[2].ends_with(",5,0)"));
    EXPECT_EQ(next.Count("DrawPreviewTile"), 3);
}

// Two free cells far apart; whatever lands there completes nothing.
GameState TwoCellsLeft() {
    GameState state = EmptyGame();
    FillExcept(state, {{0, 0}, {8, 8}});
    state.nextBalls = {0, 0, 0};
    state.score = 123;
    state.randomState = 4242;
    return state;
}

TEST(TurnCycle, FullDeskEndsTheGameInOrder) {
    GameState state = TwoCellsLeft();
    FakeEffects effects;
    int scoreSeen = -1;
    int freeSeen = -1;
    effects.onEnterHighScore = [&] {
        scoreSeen = state.score;
        freeSeen = state.freeCount;
    };
    RunTurn(state, effects);

    // Fewer than three placed before the end; NewGame then deals three.
    const int over0 = effects.IndexOf("ShowGameOver");
    ASSERT_GE(over0, 0);
    int placed = 0;
    for (int i = 0; i < over0; ++i) {
        placed += effects.events[i].starts_with("DrawBallTile");
    }
    EXPECT_EQ(placed, 2);
    EXPECT_EQ(effects.Sounds(), (Events{"PlaySound(Add)", "PlaySound(End)"}));
    const int stop = effects.IndexOf("StopTimer(Wait)");
    const int end = effects.IndexOf("PlaySound(End)");
    const int over = effects.IndexOf("ShowGameOver");
    const int enter = effects.IndexOf("EnterHighScore");
    const int reset = effects.IndexOf("ResetDesk");
    ASSERT_GE(stop, 0);
    EXPECT_EQ(end, stop + 1);
    EXPECT_EQ(over, end + 1);
    EXPECT_EQ(enter, over + 1);
    EXPECT_GT(reset, enter);  // NewGame follows the high-score entry
    EXPECT_EQ(scoreSeen, 123);
    EXPECT_EQ(freeSeen, 0);

    // A fresh game: two placement draws (no third), then the nine of NewGame.
    GameState replay;
    replay.randomState = 4242;
    for (int i = 0; i < 11; ++i) {
        RandomBelow(replay, 2);
    }
    EXPECT_EQ(state.randomState, replay.randomState);
    EXPECT_EQ(state.score, 0);
    EXPECT_EQ(state.freeCount, 78);
    EXPECT_EQ(effects.events.back().rfind("DrawPreviewTile(2,", 0), 0u);
}

TEST(TurnCycle, FailedHighScoreEntryLeavesTheFullDesk) {
    GameState state = TwoCellsLeft();
    FakeEffects effects;
    effects.enterHighScoreResult = false;
    RunTurn(state, effects);

    EXPECT_EQ(effects.events.back(), "EnterHighScore");
    EXPECT_EQ(effects.Count("ResetDesk"), 0);
    EXPECT_EQ(effects.Count("StopTimer(Wait)"), 1);
    EXPECT_EQ(state.freeCount, 0);
    EXPECT_EQ(state.score, 123);
    EXPECT_EQ(state.turnPhase, 3);
}

TEST(TurnCycle, EveryPhaseRunsInOneTick) {
    GameState state = EmptyGame();
    PutBall(state, 3, 3, 1);
    state.randomState = 1;
    FakeEffects effects;
    RunTurn(state, effects);
    EXPECT_EQ(state.turnPhase, 3);
    EXPECT_EQ(effects.Count("RepaintDesk"), 2);
    EXPECT_EQ(effects.Count("StopTimer(Wait)"), 1);
}

}  // namespace
}  // namespace quorbals
