#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "storage/file_error.h"
#include "storage/little_endian.h"
#include "storage/saved_game.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// A game as play leaves it: a few balls, bookkeeping in step, and fill
// bytes that happen to hold something.
GameState SampleGame() {
    GameState s;
    for (int i = 0; i < kCellCount; ++i) {
        s.desk[i] = kNoBall;
        s.freeCellList[i] = {i % kDeskSide, i / kDeskSide, 1, {0, 0, 0}};
    }
    s.freeCount = kCellCount;
    const struct {
        int x, y;
        BallColor c;
    } balls[] = {{0, 0, 5}, {7, 1, 0}, {4, 2, 3}, {8, 8, 1}, {1, 6, 2}};
    for (const auto& b : balls) {
        s.desk[CellIndex(b.x, b.y)] = b.c;
        s.freeCellList[CellIndex(b.x, b.y)].free = 0;
        --s.freeCount;
    }
    s.freeCellList[3].fill[0] = 0xAB;
    s.freeCellList[80].fill[2] = 0x5A;
    s.nextBalls = {1, 0, 2};
    s.score = 1234;
    return s;
}

std::vector<std::uint8_t> Encoded(const GameState& s) {
    const auto bytes = EncodeSavedGame(RecordsOf(s));
    return {bytes.begin(), bytes.end()};
}

void ExpectSameRecords(const GameState& a, const GameState& b) {
    EXPECT_EQ(Encoded(a), Encoded(b));
}

TEST(SavedGameTest, LayoutIsByteExact) {
    const GameState s = SampleGame();
    const auto b = Encoded(s);
    ASSERT_EQ(b.size(), 1320u);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 4),
              (std::vector<std::uint8_t>{'k', 'v', 'x', 0}));
    EXPECT_EQ(ReadInt32Le(&b[4]), 1234);
    EXPECT_EQ(ReadInt32Le(&b[8]), 1);
    EXPECT_EQ(ReadInt32Le(&b[16]), 2);
    EXPECT_EQ(ReadInt32Le(&b[20 + 4 * CellIndex(7, 1)]), 0);
    EXPECT_EQ(ReadInt32Le(&b[20 + 4 * CellIndex(8, 8)]), 1);
    EXPECT_EQ(ReadInt32Le(&b[20 + 4 * CellIndex(3, 3)]), -1);
    // Record of cell (4, 2): X, Y, Free, fill.
    const std::size_t r = 344 + 12 * CellIndex(4, 2);
    EXPECT_EQ(ReadInt32Le(&b[r]), 4);
    EXPECT_EQ(ReadInt32Le(&b[r + 4]), 2);
    EXPECT_EQ(b[r + 8], 0);
    EXPECT_EQ(b[344 + 12 * 3 + 9], 0xAB);
    EXPECT_EQ(b[344 + 12 * 80 + 11], 0x5A);
    EXPECT_EQ(ReadInt32Le(&b[1316]), 76);
}

TEST(SavedGameTest, SaveAndLoadRoundTrip) {
    TempFolder dir;
    const GameState saved = SampleGame();
    SaveGame(dir / "game.kvx", saved);
    EXPECT_EQ(ReadBytes(dir / "game.kvx"), Encoded(saved));

    GameState loaded;
    loaded.selection = {3, 4, 2, 1};
    loaded.randomState = 99;
    loaded.turnPhase = 2;
    const GameLoadResult result = LoadGame(dir / "game.kvx", loaded);
    EXPECT_EQ(result.outcome, GameLoadOutcome::kLoaded);
    ExpectSameRecords(loaded, saved);
    EXPECT_EQ(loaded.freeCellList[3].fill[0], 0xAB) << "fill bytes come back";
    EXPECT_EQ(loaded.selection.color, kNoBall);
    EXPECT_EQ(loaded.selection.x, 3) << "only the colour of the selection is cleared";
    EXPECT_EQ(loaded.randomState, 99u);
    EXPECT_EQ(loaded.turnPhase, 2);
}

TEST(SavedGameTest, LongerAndReadOnlyFilesLoad) {
    TempFolder dir;
    auto bytes = Encoded(SampleGame());
    bytes.resize(1400, 0xEE);
    WriteBytes(dir / "long.kvx", bytes);
    test::MakeReadOnly(dir / "long.kvx");
    GameState loaded;
    EXPECT_EQ(LoadGame(dir / "long.kvx", loaded).outcome, GameLoadOutcome::kLoaded);
    ExpectSameRecords(loaded, SampleGame());
}

TEST(SavedGameTest, AFullBoardWithFreeCountZeroLoads) {
    GameState s = SampleGame();
    for (int i = 0; i < kCellCount; ++i) {
        s.desk[i] = i % kColorCount;
        s.freeCellList[i].free = 0;
    }
    s.freeCount = 0;
    SavedGameRecords out;
    EXPECT_EQ(DecodeSavedGame(Encoded(s), out), SavedGameCheck::kValid);
}

class RefusedLoadTest : public ::testing::Test {
protected:
    // Loads `bytes` from "<folder>/game.kvx" into a game in play, which must
    // come out unchanged.
    GameLoadResult Load(const std::vector<std::uint8_t>& bytes) {
        WriteBytes(dir / "game.kvx", bytes);
        before = SampleGame();
        before.score = 7;
        game = before;
        const GameLoadResult r = LoadGame(dir / "game.kvx", game);
        ExpectSameRecords(game, before);
        return r;
    }

    TempFolder dir;
    GameState before;
    GameState game;
};

TEST_F(RefusedLoadTest, WrongSignatureNamesTheFileWithoutItsFolder) {
    auto bytes = Encoded(SampleGame());
    bytes[3] = 'x';  // "kvxx"
    GameLoadResult r = Load(bytes);
    EXPECT_EQ(r.outcome, GameLoadOutcome::kInvalid);
    EXPECT_EQ(r.message, "\"game.kvx\" is invalid or corrupt!");

    bytes[0] = 'K';
    bytes[3] = 0;
    EXPECT_EQ(Load(bytes).outcome, GameLoadOutcome::kInvalid);
    // A wrong signature counts before a short file.
    EXPECT_EQ(Load({'a', 'b', 'c', 'd', 'e'}).outcome, GameLoadOutcome::kInvalid);
}

TEST_F(RefusedLoadTest, ShortFilesEndEarly) {
    auto bytes = Encoded(SampleGame());
    for (std::size_t n : {0u, 3u, 4u, 1319u}) {
        try {
            Load(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + n));
            FAIL() << n;
        } catch (const FileError& e) {
            EXPECT_EQ(e.code(), kReadBeyondEndOfFile) << n;
        }
    }
}

TEST_F(RefusedLoadTest, AFolderIsNotASavedGame) {
    std::filesystem::create_directory(dir / "folder.kvx");
    GameState g = SampleGame();
    const GameLoadResult r = LoadGame(dir / "folder.kvx", g);
    EXPECT_EQ(r.outcome, GameLoadOutcome::kInvalid);
    EXPECT_EQ(r.message, "\"folder.kvx\" is invalid or corrupt!");
}

TEST_F(RefusedLoadTest, MissingFileIsNotFound) {
    GameState g;
    try {
        LoadGame(dir / "none.kvx", g);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), kFileNotFound);
    }
}

TEST_F(RefusedLoadTest, EachKindOfBrokenRecordIsRefused) {
    const std::pair<const char*, std::function<void(GameState&)>> breaks[] = {
        {"colour 6", [](GameState& s) { s.desk[CellIndex(0, 0)] = 6; }},
        {"colour -2", [](GameState& s) { s.desk[CellIndex(0, 0)] = -2; }},
        {"record X", [](GameState& s) { s.freeCellList[10].x = 2; }},
        {"record Y", [](GameState& s) { s.freeCellList[10].y = 0; }},
        {"record outside", [](GameState& s) { s.freeCellList[40].x = 900; }},
        {"Free 2 on empty", [](GameState& s) { s.freeCellList[CellIndex(3, 3)].free = 2; }},
        {"Free 0 on empty", [](GameState& s) { s.freeCellList[CellIndex(3, 3)].free = 0; }},
        {"Free 1 on ball", [](GameState& s) { s.freeCellList[CellIndex(7, 1)].free = 1; }},
        {"FreeCount high", [](GameState& s) { s.freeCount += 1; }},
        {"FreeCount low", [](GameState& s) { s.freeCount -= 1; }},
        {"FreeCount negative", [](GameState& s) { s.freeCount = -76; }},
        {"preview 6", [](GameState& s) { s.nextBalls[2] = 6; }},
        {"preview -1", [](GameState& s) { s.nextBalls[0] = -1; }},
        {"score -1", [](GameState& s) { s.score = -1; }},
    };
    for (const auto& [what, breakIt] : breaks) {
        GameState broken = SampleGame();
        breakIt(broken);
        const GameLoadResult r = Load(Encoded(broken));
        EXPECT_EQ(r.outcome, GameLoadOutcome::kInvalid) << what;
        EXPECT_EQ(r.message, "\"game.kvx\" is invalid or corrupt!") << what;
    }
}

}  // namespace
}  // namespace quorbals
