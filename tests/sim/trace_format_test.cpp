// The exact text of the trace lines.
#include <gtest/gtest.h>

#include "game/spawning.h"
#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"
#include "tools/sim/trace_format.h"

namespace quorbals::sim {
namespace {

TEST(TraceFormat, StartLineOfTheSeedZeroGame) {
    GameState state;
    state.randomState = 0;
    quorbals::testing::FakeEffects effects;
    NewGame(state, effects);
    std::string line;
    AppendStartLine(line, 0, state);
    std::string desk(81, '.');
    desk[CellIndex(7, 1)] = '0';
    desk[CellIndex(4, 2)] = '0';
    desk[CellIndex(1, 6)] = '5';
    EXPECT_EQ(line, "{\"g\":0,\"t\":0,\"score\":0,\"free\":78,\"next\":[1,0,2],\"desk\":\"" + desk +
                        "\"}\n");
}

TEST(TraceFormat, MoveLineListsTheRouteFromFirstStepToTarget) {
    GameState state = quorbals::testing::EmptyGame();
    quorbals::testing::PutBall(state, 3, 2, 4);
    state.score = 1234;
    state.nextBalls = {5, 3, 0};
    Route route;
    route.cells[0] = {1, 0};
    route.cells[1] = {2, 0};
    route.cells[2] = {3, 0};
    route.length = 3;
    std::string line;
    AppendMoveLine(line, 12, 7, {0, 0}, {3, 0}, route, state);
    std::string desk(81, '.');
    desk[CellIndex(3, 2)] = '4';
    EXPECT_EQ(line,
              "{\"g\":12,\"t\":7,\"from\":[0,0],\"to\":[3,0],\"route\":[[1,0],[2,0],[3,0]],"
              "\"score\":1234,\"free\":80,\"next\":[5,3,0],\"desk\":\"" +
                  desk + "\"}\n");
}

TEST(TraceFormat, EndLines) {
    std::string out;
    AppendOverLine(out, 3, 61, 154);
    AppendStuckLine(out, 4, 0, 10);
    EXPECT_EQ(out,
              "{\"g\":3,\"over\":true,\"turns\":61,\"score\":154}\n"
              "{\"g\":4,\"stuck\":true,\"turns\":0,\"score\":10}\n");
}

TEST(TraceFormat, DeskShowsEveryColourAndMarksNonsense) {
    GameState state = quorbals::testing::EmptyGame();
    for (int c = 0; c < 6; ++c) {
        state.desk[c] = c;
    }
    state.desk[80] = 9;
    std::string desk;
    AppendDesk(desk, state);
    EXPECT_EQ(desk.substr(0, 7), "012345.");
    EXPECT_EQ(desk.back(), '?');
    EXPECT_EQ(desk.size(), 81u);
}

}  // namespace
}  // namespace quorbals::sim
