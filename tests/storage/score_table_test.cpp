#include <filesystem>

#include <gtest/gtest.h>

#include "storage/file_error.h"
#include "storage/little_endian.h"
#include "storage/score_table.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// One file record with remnant bytes after the name and in the fill.
std::vector<std::uint8_t> Record(std::int32_t score, const std::string& name,
                                 std::uint8_t remnant = 0) {
    std::vector<std::uint8_t> r(28, remnant);
    WriteInt32Le(r.data(), score);
    r[4] = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), r.begin() + 5);
    return r;
}

std::vector<std::uint8_t> FileOf(int entries, std::int32_t topScore = 1000) {
    std::vector<std::uint8_t> f;
    for (int i = 0; i < entries; ++i) {
        const auto r = Record(topScore - 100 * i, "P" + std::to_string(i), 0x40 + i);
        f.insert(f.end(), r.begin(), r.end());
    }
    return f;
}

class ScoreFileTest : public ::testing::Test {
protected:
    ScoreFileTest() : paths(MakeDataPaths(dir / "exe", dir.path())) {
        std::filesystem::create_directory(dir / "exe");
    }
    TempFolder dir;
    DataPaths paths;
};

TEST_F(ScoreFileTest, FileSizesGiveWholeEntriesOnly) {
    const struct {
        std::size_t size;
        int count;
    } cases[] = {{0, 0}, {27, 0}, {28, 1}, {30, 1}, {280, 10}, {300, 10}};
    for (const auto& c : cases) {
        auto bytes = FileOf(11);
        bytes.resize(c.size);
        WriteBytes(paths.scoreFile, bytes);
        ScoreTable t;
        LoadHighScores(paths, t);
        EXPECT_EQ(t.count, c.count) << c.size;
    }
}

TEST_F(ScoreFileTest, TableFileReadsBackByteForByte) {
    const auto bytes = FileOf(10);
    WriteBytes(paths.scoreFile, bytes);
    ScoreTable t;
    LoadHighScores(paths, t);
    EXPECT_EQ(t.entries[2].Name(), "P2");
    EXPECT_EQ(t.entries[2].score, 800);
    EXPECT_EQ(t.entries[2].name[5], 0x42) << "remnants are kept";
    EXPECT_EQ(t.entries[2].fill[1], 0x42);
    EXPECT_EQ(EncodeScoreFile(t), bytes);
    WriteHighScores(paths, t);
    EXPECT_EQ(ReadBytes(paths.scoreFile), bytes);
}

TEST_F(ScoreFileTest, NameLengthsAboveTwentyAreTakenAsTwenty) {
    auto bytes = Record(50, std::string(20, 'n'));
    bytes[4] = 255;
    WriteBytes(paths.scoreFile, bytes);
    ScoreTable t;
    LoadHighScores(paths, t);
    ASSERT_EQ(t.count, 1);
    EXPECT_EQ(t.entries[0].nameLength, 20);
    EXPECT_EQ(t.entries[0].Name(), std::string(20, 'n'));
    EXPECT_EQ(EncodeScoreFile(t)[4], 20) << "the next write stores 20";
}

TEST_F(ScoreFileTest, FallbackIsReadWhenScoreFileIsMissingButNeverWritten) {
    const auto fallback = FileOf(2, 500);
    WriteBytes(paths.fallbackScoreFile, fallback);
    HighScoreState s;
    ResetHighScores(s);
    LoadHighScores(paths, s.table);
    ASSERT_EQ(s.table.count, 2);
    ASSERT_TRUE(PlaceNewScore(s, 450));
    EXPECT_EQ(s.newEntryIndex, 1);
    WriteHighScores(paths, s.table);
    EXPECT_EQ(ReadBytes(paths.fallbackScoreFile), fallback);
    EXPECT_EQ(ReadBytes(paths.scoreFile).size(), 3u * 28);

    // From now on ScoreFile is the one read.
    ScoreTable next;
    LoadHighScores(paths, next);
    EXPECT_EQ(next.count, 3);
}

TEST_F(ScoreFileTest, ReadOnlyScoreFileLoadsAndNoFileLeavesTheTableEmpty) {
    ScoreTable t;
    LoadHighScores(paths, t);
    EXPECT_EQ(t.count, 0);
    WriteBytes(paths.scoreFile, FileOf(3));
    test::MakeReadOnly(paths.scoreFile);
    LoadHighScores(paths, t);
    EXPECT_EQ(t.count, 3);
}

TEST_F(ScoreFileTest, WritingIntoAMissingDataFolderFails) {
    const DataPaths missing = MakeDataPaths(dir / "exe", dir / "gone/share");
    HighScoreState s;
    PlaceNewScore(s, 10);
    try {
        WriteHighScores(missing, s.table);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), kInvalidFileName);
    }
    EXPECT_EQ(s.table.count, 1) << "the table keeps the entry";
}

TEST_F(ScoreFileTest, ClearDeletesBothFilesAndKeepsTheSlots) {
    WriteBytes(paths.scoreFile, FileOf(2));
    WriteBytes(paths.fallbackScoreFile, FileOf(1));
    HighScoreState s;
    LoadHighScores(paths, s.table);
    ClearHighScores(paths, s.table);
    EXPECT_EQ(s.table.count, 0);
    EXPECT_EQ(s.table.entries[1].Name(), "P1");
    EXPECT_FALSE(std::filesystem::exists(paths.scoreFile));
    EXPECT_FALSE(std::filesystem::exists(paths.fallbackScoreFile));
    ClearHighScores(paths, s.table);  // nothing left to delete: no error

    // The next entry creates ScoreFile again.
    PlaceNewScore(s, 5);
    WriteHighScores(paths, s.table);
    EXPECT_EQ(ReadBytes(paths.scoreFile).size(), 28u);
}

TEST(ScoreEntryTest, TheNewEntryKeepsTheRemnantsOfItsSlot) {
    HighScoreState s;
    s.playerName = "A much longer name!";
    ASSERT_TRUE(PlaceNewScore(s, 10));
    s.playerName = "Bo";
    ASSERT_TRUE(PlaceNewScore(s, 20));
    // Slot 0 held the long name, which moved to slot 1; "Bo" covers only
    // the first two bytes.
    std::array<std::uint8_t, 28> bytes{};
    EncodeScoreEntry(s.table.entries[0], bytes.data());
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 24), "Bomuch longer name!");
    EXPECT_EQ(s.table.entries[1].Name(), "A much longer name!");
}

TEST(PlaceNewScoreTest, EmptyTableTakesEvenZero) {
    HighScoreState s;
    EXPECT_TRUE(PlaceNewScore(s, 0));
    EXPECT_EQ(s.table.count, 1);
    EXPECT_EQ(s.newEntryIndex, 0);
    EXPECT_EQ(s.table.entries[0].Name(), "New Player");
}

TEST(PlaceNewScoreTest, EqualScoresGoAfterTheEarlierOnes) {
    HighScoreState s;
    for (const std::int32_t score : {300, 200, 200, 100}) {
        s.playerName = "old" + std::to_string(score);
        PlaceNewScore(s, score);
    }
    s.playerName = "new";
    ASSERT_TRUE(PlaceNewScore(s, 200));
    EXPECT_EQ(s.newEntryIndex, 3);
    EXPECT_EQ(s.table.count, 5);
    EXPECT_EQ(s.table.entries[3].Name(), "new");
    EXPECT_EQ(s.table.entries[4].score, 100);
}

TEST(PlaceNewScoreTest, FullTable) {
    HighScoreState s;
    for (int i = 0; i < 10; ++i) {
        s.playerName = "p" + std::to_string(i);
        PlaceNewScore(s, 1000 - 100 * i);  // 1000 .. 100
    }
    ASSERT_EQ(s.table.count, 10);
    const ScoreTable before = s.table;
    s.newEntryIndex = 4;
    EXPECT_FALSE(PlaceNewScore(s, 100)) << "equal to the tenth: not entered";
    EXPECT_EQ(EncodeScoreFile(s.table), EncodeScoreFile(before));
    EXPECT_EQ(s.newEntryIndex, 4);

    s.playerName = "top";
    ASSERT_TRUE(PlaceNewScore(s, 5000));
    EXPECT_EQ(s.newEntryIndex, 0);
    EXPECT_EQ(s.table.count, 10);
    EXPECT_EQ(s.table.entries[1].Name(), "p0");
    EXPECT_EQ(s.table.entries[9].Name(), "p8") << "the former tenth drops out";

    ASSERT_TRUE(PlaceNewScore(s, 250));
    EXPECT_EQ(s.newEntryIndex, 9) << "the last slot: nothing moves";
    EXPECT_EQ(s.table.entries[8].Name(), "p7");
}

TEST(PlaceNewScoreTest, RecordsMoveFromSlotEightWhateverTheCount) {
    HighScoreState s;
    for (const std::int32_t score : {30, 20, 10}) {
        PlaceNewScore(s, score);
    }
    s.table.entries[7].score = 777;  // not valid, yet moved along
    s.table.entries[8].score = 888;
    s.table.entries[9].score = 999;
    ASSERT_TRUE(PlaceNewScore(s, 25));
    EXPECT_EQ(s.table.count, 4);
    EXPECT_EQ(s.table.entries[8].score, 777);
    EXPECT_EQ(s.table.entries[9].score, 888);
}

TEST(TakeEnteredNameTest, NameIsCutToFiftyAndTwenty) {
    HighScoreState s;
    PlaceNewScore(s, 10);
    TakeEnteredName(s, std::string(30, 'x'));
    EXPECT_EQ(s.playerName.size(), 30u);
    EXPECT_EQ(s.table.entries[0].Name(), std::string(20, 'x'));
    TakeEnteredName(s, std::string(60, 'y'));
    EXPECT_EQ(s.playerName, std::string(50, 'y'));
    TakeEnteredName(s, "");
    EXPECT_EQ(s.table.entries[0].nameLength, 0);
    EXPECT_EQ(s.playerName, "");
}

}  // namespace
}  // namespace quorbals
