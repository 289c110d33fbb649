// The command line and the game loop of quorbals-sim.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tests/sim/run_sim.h"
#include "tools/sim/simulation.h"

namespace quorbals::sim {
namespace {

using testing::Lines;
using testing::RunResult;
using testing::RunSim;

TEST(SimOptions, DefaultsAndValues) {
    SimOptions options;
    EXPECT_EQ(ParseSimOptions({}, options), "");
    EXPECT_EQ(options.seed, 1u);
    EXPECT_EQ(options.games, 1);
    EXPECT_FALSE(options.trace);
    EXPECT_FALSE(options.check);

    EXPECT_EQ(ParseSimOptions({"--seed", "4294967295", "--games", "1000000", "--trace", "--check"},
                              options),
              "");
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(options.games, 1000000);
    EXPECT_TRUE(options.trace);
    EXPECT_TRUE(options.check);

    // The last of repeated options counts; "--name=value" works too.
    EXPECT_EQ(ParseSimOptions({"--seed", "5", "--seed=0", "--games=007"}, options), "");
    EXPECT_EQ(options.seed, 0u);
    EXPECT_EQ(options.games, 7);
}

TEST(SimOptions, RejectsJunkAndOutOfRange) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--seed"},
        {"--seed", "-1"},
        {"--seed", "4294967296"},
        {"--seed", "+3"},
        {"--seed", "1e3"},
        {"--seed", " 1"},
        {"--seed", ""},
        {"--games", "0"},
        {"--games", "1000001"},
        {"--games", "x"},
        {"--games=", "3"},
        {"--trace=1"},
        {"--verbose"},
        {"7"},
        {"-s", "3"},
        {"--seed", "99999999999999999999999"},
    };
    for (const auto& args : bad) {
        SimOptions options;
        EXPECT_NE(ParseSimOptions(args, options), "") << args.size() << " " << args[0];
    }
}

TEST(SimMain, BadArgumentsGiveUsageAndStatusTwo) {
    const RunResult result = RunSim({"--games", "0"});
    EXPECT_EQ(result.status, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("usage: quorbals-sim"), std::string::npos);
}

TEST(SimMain, SummaryWithoutTrace) {
    const RunResult result = RunSim({"--games", "3"});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("games: 3\n"), std::string::npos);
    EXPECT_NE(result.out.find("moves per second: "), std::string::npos);
}

TEST(SimMain, TraceFollowsGamesFromOneRandomSource) {
    const RunResult result = RunSim({"--seed", "0", "--games", "3", "--trace", "--check"});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(result.out.back(), '\n');
    EXPECT_EQ(lines[0].rfind("{\"g\":0,\"t\":0,\"score\":0,\"free\":78,\"next\":[1,0,2],", 0), 0u);

    const std::regex start(
        R"(\{"g":(\d+),"t":0,"score":0,"free":78,"next":\[[0-5],[0-5],[0-5]\],"desk":"[.0-5]{81}"\})");
    const std::regex move(
        R"(\{"g":(\d+),"t":(\d+),"from":\[[0-8],[0-8]\],"to":\[([0-8]),([0-8])\],"route":\[(\[[0-8],[0-8]\],)*\[([0-8]),([0-8])\]\],"score":(\d+),"free":(\d+),"next":\[[0-5],[0-5],[0-5]\],"desk":"[.0-5]{81}"\})");
    const std::regex over(R"(\{"g":(\d+),"over":true,"turns":(\d+),"score":(\d+)\})");

    int game = 0;
    int turn = 0;
    int overs = 0;
    std::string lastScore, lastFree;
    for (const std::string& line : lines) {
        std::smatch m;
        if (std::regex_match(line, m, start)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(turn, 0);
        } else if (std::regex_match(line, m, move)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(std::stoi(m[2]), ++turn);
            EXPECT_EQ(m[3], m[6]);  // the route ends on the target
            EXPECT_EQ(m[4], m[7]);
            lastScore = m[8];
            lastFree = m[9];
        } else if (std::regex_match(line, m, over)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(std::stoi(m[2]), turn);
            EXPECT_EQ(m[3], lastScore);  // the score before the new game reset it
            EXPECT_EQ(lastFree, "0");
            ++overs;
            ++game;
            turn = 0;
        } else {
            ADD_FAILURE() << "unexpected line: " << line;
        }
    }
    EXPECT_EQ(overs, 3);

    // The same seed gives the same trace; the summary counts the same moves.
    EXPECT_EQ(RunSim({"--seed", "0", "--games", "3", "--trace"}).out, result.out);
    const RunResult summary = RunSim({"--seed", "0", "--games", "3"});
    const std::size_t moveLines = lines.size() - 6;
    EXPECT_NE(summary.out.find("moves: " + std::to_string(moveLines) + "\n"), std::string::npos);
}

TEST(Simulation, EmptyDeskIsStuckAndStillCountsAsAGame) {
    SimOptions options;
    options.trace = true;
    options.games = 2;
    std::ostringstream out, err;
    Simulation simulation(options, out, err);
    simulation.Start();
    GameState& state = simulation.State();
    for (int i = 0; i < kCellCount; ++i) {
        state.desk[i] = kNoBall;
        state.freeCellList[i].free = 1;
    }
    state.freeCount = kCellCount;
    state.score = 42;
    ASSERT_EQ(simulation.Run(), kExitOk);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "{\"g\":0,\"stuck\":true,\"turns\":0,\"score\":42}");
    EXPECT_EQ(lines[2].rfind("{\"g\":1,\"t\":0,\"score\":0,\"free\":78,", 0), 0u);
    EXPECT_EQ(simulation.Totals().games, 2);
    EXPECT_EQ(simulation.Totals().stuckGames, 1);
}

TEST(Simulation, AfterMoveSeesEveryMoveWithTheShownRecords) {
    SimOptions options;
    options.seed = 9;
    std::ostringstream out, err;
    Simulation simulation(options, out, err);
    std::int64_t calls = 0;
    std::int64_t lastTurn = 0;
    bool sawFullDesk = false;
    simulation.afterMove = [&](const GameState& state, std::int64_t game, std::int64_t turn) {
        EXPECT_EQ(game, 0);
        EXPECT_EQ(turn, lastTurn + 1);
        lastTurn = turn;
        ++calls;
        sawFullDesk = sawFullDesk || state.freeCount == 0;
        return kExitOk;
    };
    ASSERT_EQ(simulation.Run(), kExitOk);
    EXPECT_EQ(calls, simulation.Totals().moves);
    EXPECT_TRUE(sawFullDesk);  // the last move ended the game
}

TEST(Simulation, CheckCatchesACorruptState) {
    SimOptions options;
    options.check = true;
    std::ostringstream out, err;
    Simulation simulation(options, out, err);
    simulation.Start();
    simulation.State().freeCount += 1;
    EXPECT_EQ(simulation.Run(), kExitFailure);
    EXPECT_NE(err.str().find("check failed in game 0, move 0: FreeCount"), std::string::npos);
}

}  // namespace
}  // namespace quorbals::sim
