// quorbals-sim's --save-after and --load: the game's own file format,
// checks and texts, and the exit statuses around them.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <regex>
#include <sstream>

#include "storage/saved_game.h"
#include "tests/game/desk_builder.h"
#include "tests/sim/run_sim.h"
#include "tests/support/temp_folder.h"
#include "tools/sim/game_files.h"

namespace quorbals::sim {
namespace {

using quorbals::test::ReadBytes;
using quorbals::test::TempFolder;
using quorbals::test::WriteBytes;
using testing::Lines;
using testing::RunResult;
using testing::RunSim;

// Seed 3 plays game 0 in 53 moves with the bot.
constexpr const char* kSeed = "3";
constexpr int kGameZeroMoves = 53;

// The records a trace line shows, as a game state; the FreeCellList follows
// from the Desk and `fill` gives each record's three spare bytes.
GameState StateOfTraceLine(const std::string& line, std::uint8_t fillTag = 0) {
    static const std::regex records(
        R"re("score":(\d+),"free":(\d+),"next":\[(\d),(\d),(\d)\],"desk":"([.0-5]{81})"\}$)re");
    std::smatch m;
    EXPECT_TRUE(std::regex_search(line, m, records)) << line;
    GameState state = quorbals::testing::EmptyGame();
    if (m.empty()) {
        return state;
    }
    state.score = std::stoi(m[1]);
    state.freeCount = std::stoi(m[2]);
    state.nextBalls = {std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5])};
    const std::string desk = m[6];
    for (int i = 0; i < kCellCount; ++i) {
        state.desk[i] = desk[i] == '.' ? kNoBall : desk[i] - '0';
        state.freeCellList[i].free = desk[i] == '.' ? 1 : 0;
        if (fillTag != 0) {
            state.freeCellList[i].fill[0] = fillTag;
            state.freeCellList[i].fill[1] = static_cast<std::uint8_t>(i);
            state.freeCellList[i].fill[2] = 0xFF;
        }
    }
    return state;
}

std::vector<std::uint8_t> FileOf(const GameState& state) {
    const auto bytes = EncodeSavedGame(RecordsOf(state));
    return {bytes.begin(), bytes.end()};
}

// The part of a trace line from "score" on.
std::string RecordsPart(const std::string& line) {
    return line.substr(line.find("\"score\""));
}

class SaveLoad : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }

    // A sound saved game: a few balls, a score, and spare bytes that are
    // not zero, as a file written by another build might hold them.
    std::vector<std::uint8_t> SmallGame() const {
        GameState state = quorbals::testing::EmptyGame();
        quorbals::testing::PutBalls(state, {{0, 0}, {1, 0}, {4, 4}}, 2);
        quorbals::testing::PutBall(state, 8, 8, 5);
        state.score = 1234;
        state.nextBalls = {1, 3, 5};
        return FileOf(state);
    }

    TempFolder folder_;
};

TEST_F(SaveLoad, SavedFileHoldsTheRecordsTheTraceShowsAndChangesNothing) {
    const std::string file = Path("ten.kvx");
    const RunResult plain = RunSim({"--seed", kSeed, "--trace", "--check"});
    const RunResult saving =
        RunSim({"--seed", kSeed, "--trace", "--check", "--save-after", "10", file});
    ASSERT_EQ(saving.status, kExitOk) << saving.err;
    EXPECT_EQ(saving.err, "");
    EXPECT_EQ(saving.out, plain.out);  // saving takes nothing from play
    const std::vector<std::string> lines = Lines(saving.out);
    ASSERT_GT(lines.size(), 10u);
    ASSERT_EQ(lines[10].rfind("{\"g\":0,\"t\":10,", 0), 0u);
    EXPECT_EQ(ReadBytes(file), FileOf(StateOfTraceLine(lines[10])));
}

TEST_F(SaveLoad, TheMoveThatEndsGameZeroSavesTheFullDesk) {
    const std::string file = Path("last.kvx");
    const std::string last = std::to_string(kGameZeroMoves);
    const RunResult result = RunSim({"--seed", kSeed, "--trace", "--save-after", last, file});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.back(), "{\"g\":0,\"over\":true,\"turns\":" + last + ",\"score\":100}");
    const std::string& finalMove = lines[lines.size() - 2];
    EXPECT_NE(finalMove.find("\"free\":0,"), std::string::npos);
    EXPECT_EQ(ReadBytes(file), FileOf(StateOfTraceLine(finalMove)));
}

TEST_F(SaveLoad, GameZeroEndingFirstWritesNothingAndGivesStatusFive) {
    const std::string file = Path("never.kvx");
    const std::string after = std::to_string(kGameZeroMoves + 1);
    // Game 1 runs longer than game 0, but only game 0's moves count.
    const RunResult plain = RunSim({"--seed", kSeed, "--games", "2", "--trace"});
    const RunResult result =
        RunSim({"--seed", kSeed, "--games", "2", "--trace", "--save-after", after, file});
    EXPECT_EQ(result.status, kExitNotSaved);
    EXPECT_EQ(result.out, plain.out);
    EXPECT_EQ(result.err,
              "quorbals-sim: game 0 ended after 53 moves, before move 54; nothing was saved\n");
    EXPECT_FALSE(std::filesystem::exists(file));

    // The summary is printed as usual.
    const RunResult summary = RunSim({"--seed", kSeed, "--save-after", after, file});
    EXPECT_EQ(summary.status, kExitNotSaved);
    EXPECT_NE(summary.out.find("games: 1\n"), std::string::npos);
}

TEST_F(SaveLoad, LoadedGameIsTheSavedBoardAndPlaysOnFromTheSeed) {
    const std::string file = Path("round.kvx");
    const RunResult saving = RunSim({"--seed", kSeed, "--trace", "--save-after", "20", file});
    ASSERT_EQ(saving.status, kExitOk) << saving.err;
    const std::string moveTwenty = Lines(saving.out)[20];

    const RunResult loaded =
        RunSim({"--seed", "7", "--load", file, "--trace", "--check", "--games", "2"});
    ASSERT_EQ(loaded.status, kExitOk) << loaded.err;
    EXPECT_EQ(loaded.err, "");
    const std::vector<std::string> lines = Lines(loaded.out);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[0], "{\"g\":0,\"t\":0," + RecordsPart(moveTwenty));
    // Game 0 goes on from there; game 1 is dealt.
    EXPECT_NE(lines[1].find("\"t\":1,"), std::string::npos);
    int dealt = 0;
    for (const std::string& line : lines) {
        dealt += line.rfind("{\"g\":1,\"t\":0,\"score\":0,\"free\":78,", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(dealt, 1);

    // The random state is the seed itself: no deal ran before the load, so
    // the records of the file meet the seed's first numbers.
    SimOptions options;
    options.seed = 7;
    options.trace = true;
    options.games = 2;
    std::ostringstream out, err;
    Simulation simulation(options, out, err);
    simulation.StartUndealt();
    ASSERT_TRUE(LoadSavedGame(file, simulation.State(), err));
    EXPECT_EQ(simulation.State().randomState, 7u);
    EXPECT_EQ(simulation.State().selection.color, kNoBall);
    ASSERT_EQ(simulation.Run(), kExitOk);
    EXPECT_EQ(out.str(), loaded.out);
}

TEST_F(SaveLoad, LoadThenSaveKeepsTheSpareBytesOfTheLoadedFile) {
    const std::string in = Path("in.kvx");
    const std::string out = Path("out.kvx");
    std::vector<std::uint8_t> bytes = SmallGame();
    for (int i = 0; i < kCellCount; ++i) {
        bytes[344 + 12 * i + 9] = 0xA5;
        bytes[344 + 12 * i + 10] = static_cast<std::uint8_t>(i);
        bytes[344 + 12 * i + 11] = 0xFF;
    }
    WriteBytes(in, bytes);
    const RunResult result =
        RunSim({"--seed", "5", "--load", in, "--save-after", "2", out, "--trace"});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines[0].rfind("{\"g\":0,\"t\":0,\"score\":1234,\"free\":77,\"next\":[1,3,5],", 0),
              0u);
    EXPECT_EQ(ReadBytes(out), FileOf(StateOfTraceLine(lines[2], 0xA5)));
}

TEST_F(SaveLoad, RefusedFilesGiveTheGamesTextsAndStatusThree) {
    const std::vector<std::uint8_t> good = SmallGame();
    auto changed = [&](std::size_t offset, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    std::vector<std::uint8_t> longer = good;
    longer.resize(1400, 0x77);
    const struct {
        std::string name;
        std::vector<std::uint8_t> bytes;
        std::string err;  // empty: the file loads
    } cases[] = {
        {"signature.kvx", changed(3, '!'), "\"signature.kvx\" is invalid or corrupt!\n"},
        {"short.kvx", {good.begin(), good.end() - 1}, "Read beyond end of file.\n"},
        {"tiny.kvx", {'k', 'v', 'x'}, "Read beyond end of file.\n"},
        {"empty.kvx", {}, "Read beyond end of file.\n"},
        {"colour.kvx", changed(20 + 4 * 40, 6), "\"colour.kvx\" is invalid or corrupt!\n"},
        {"count.kvx", changed(1316, 76), "\"count.kvx\" is invalid or corrupt!\n"},
        {"free.kvx", changed(344 + 8, 1), "\"free.kvx\" is invalid or corrupt!\n"},
        {"column.kvx", changed(344 + 12 * 5, 4), "\"column.kvx\" is invalid or corrupt!\n"},
        {"preview.kvx", changed(8, 6), "\"preview.kvx\" is invalid or corrupt!\n"},
        {"score.kvx", changed(7, 0x80), "\"score.kvx\" is invalid or corrupt!\n"},
        {"longer.kvx", longer, ""},
    };
    for (const auto& c : cases) {
        WriteBytes(Path(c.name), c.bytes);
        const RunResult result = RunSim({"--load", Path(c.name), "--trace"});
        if (c.err.empty()) {
            EXPECT_EQ(result.status, kExitOk) << c.name << ": " << result.err;
            EXPECT_EQ(result.out.rfind("{\"g\":0,\"t\":0,\"score\":1234,", 0), 0u) << c.name;
        } else {
            EXPECT_EQ(result.status, kExitFileError) << c.name;
            EXPECT_EQ(result.err, c.err) << c.name;
            EXPECT_EQ(result.out, "") << c.name;
        }
    }

    std::filesystem::create_directory(Path("folder.kvx"));
    const std::pair<std::string, std::string> paths[] = {
        {Path("missing.kvx"), "File not found.\n"},
        {Path("nowhere/missing.kvx"), "Invalid file name.\n"},
        {Path("folder.kvx"), "\"folder.kvx\" is invalid or corrupt!\n"},
    };
    for (const auto& [path, text] : paths) {
        const RunResult result = RunSim({"--load", path, "--save-after", "1", Path("x.kvx")});
        EXPECT_EQ(result.status, kExitFileError) << path;
        EXPECT_EQ(result.err, text) << path;
        EXPECT_EQ(result.out, "") << path;
    }
    EXPECT_FALSE(std::filesystem::exists(Path("x.kvx")));
}

TEST_F(SaveLoad, FailedWriteStopsAtOnceWithTheErrorText) {
    const RunResult result =
        RunSim({"--seed", kSeed, "--trace", "--save-after", "3", Path("nowhere/x.kvx")});
    EXPECT_EQ(result.status, kExitFileError);
    EXPECT_EQ(result.err, "Invalid file name.\n");
    // The moves up to the save are shown, nothing after.
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].rfind("{\"g\":0,\"t\":3,", 0), 0u);
}

// A folder in the saved game's place stays a folder.
TEST_F(SaveLoad, AFolderAsTargetIsDenied) {
    std::filesystem::create_directory(Path("folder.kvx"));
    const RunResult result = RunSim({"--seed", kSeed, "--save-after", "3", Path("folder.kvx")});
    EXPECT_EQ(result.status, kExitFileError);
    EXPECT_EQ(result.err, "File access denied.\n");
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.kvx")));
}

#ifndef _WIN32
TEST_F(SaveLoad, WriteIntoAReadOnlyFolderIsDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    std::filesystem::create_directory(Path("locked"));
    std::filesystem::permissions(
        Path("locked"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const RunResult locked = RunSim({"--seed", kSeed, "--save-after", "3", Path("locked/x.kvx")});
    EXPECT_EQ(locked.status, kExitFileError);
    EXPECT_EQ(locked.err, "File access denied.\n");
    EXPECT_EQ(locked.out, "");
}
#endif

TEST_F(SaveLoad, LoadedGameWithNoMoveEndsAsStuck) {
    GameState full = quorbals::testing::EmptyGame();
    quorbals::testing::FillExcept(full, {});
    full.score = 77;
    WriteBytes(Path("full.kvx"), FileOf(full));
    WriteBytes(Path("empty.kvx"), FileOf(quorbals::testing::EmptyGame()));

    for (const char* name : {"full.kvx", "empty.kvx"}) {
        const std::string score = std::string(name) == "full.kvx" ? "77" : "0";
        const RunResult result =
            RunSim({"--load", Path(name), "--trace", "--check", "--games", "2"});
        ASSERT_EQ(result.status, kExitOk) << name << ": " << result.err;
        const std::vector<std::string> lines = Lines(result.out);
        ASSERT_GT(lines.size(), 3u) << name;
        EXPECT_EQ(lines[1], "{\"g\":0,\"stuck\":true,\"turns\":0,\"score\":" + score + "}");
        EXPECT_EQ(lines[2].rfind("{\"g\":1,\"t\":0,\"score\":0,\"free\":78,", 0), 0u) << name;

        // No move 1 in game 0: nothing to save.
        const RunResult saving = RunSim({"--load", Path(name), "--save-after", "1", Path("s")});
        EXPECT_EQ(saving.status, kExitNotSaved) << name;
        EXPECT_NE(saving.out.find("stuck: 1\n"), std::string::npos) << name;
        EXPECT_FALSE(std::filesystem::exists(Path("s")));
    }
}

TEST_F(SaveLoad, LineOfFiveInALoadedGameGoesAtTheFirstScan) {
    GameState state = quorbals::testing::EmptyGame();
    quorbals::testing::PutBalls(state, {{0, 8}, {1, 8}, {2, 8}, {3, 8}, {4, 8}}, 4);
    quorbals::testing::PutBall(state, 8, 0, 1);
    WriteBytes(Path("line.kvx"), FileOf(state));
    const RunResult result = RunSim({"--load", Path("line.kvx"), "--trace", "--check"});
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_NE(lines[1].find("\"score\":10,"), std::string::npos) << lines[1];
}

TEST(SaveLoadOptions, BadValuesGiveUsageAndStatusTwo) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--save-after"},
        {"--save-after", "5"},
        {"--save-after", "0", "f.kvx"},
        {"--save-after", "1000001", "f.kvx"},
        {"--save-after", "-1", "f.kvx"},
        {"--save-after", "x", "f.kvx"},
        {"--save-after", "f.kvx", "5"},
        {"--save-after", "5", "--trace"},
        {"--save-after", "5", ""},
        {"--save-after=", "f.kvx"},
        {"--load"},
        {"--load", ""},
        {"--load", "--trace"},
        {"--load="},
    };
    for (const auto& args : bad) {
        const RunResult result = RunSim(args);
        EXPECT_EQ(result.status, kExitUsage) << args.size() << " " << args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: quorbals-sim"), std::string::npos);
        EXPECT_NE(result.err.find("--save-after T FILE"), std::string::npos);
    }

    SimOptions options;
    EXPECT_EQ(
        ParseSimOptions({"--save-after=1000000", "./-a.kvx", "--load=b", "--load", "c"}, options),
        "");
    EXPECT_EQ(options.saveAfter, 1000000);
    EXPECT_EQ(options.saveFile, "./-a.kvx");
    EXPECT_EQ(options.loadFile, "c");
}

}  // namespace
}  // namespace quorbals::sim
