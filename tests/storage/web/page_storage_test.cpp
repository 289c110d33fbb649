// The browser's file layer against a stand-in of the page's local storage:
// the game's own files are kept byte for byte, refused storage is reported
// with the game's error texts and leaves the old file, saved games go out
// as downloads and come in as picked files.
#include <emscripten.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "storage/file_error.h"
#include "storage/file_system.h"
#include "storage/saved_game.h"
#include "storage/window_settings.h"

namespace quorbals {
namespace {

// clang-format off
EM_JS(void, RefuseStorage, (const char* how), {
    localStorage.refuse = UTF8ToString(how);
});
EM_JS(void, ForgetStorage, (), {
    localStorage.refuse = "";
    localStorage.items.clear();
    Module["quorbalsFiles"].clear();
    Module["downloads"].length = 0;
});
EM_JS(void, PickFile, (const char* path, const unsigned char* bytes, int length), {
    Module["quorbalsFiles"].set(UTF8ToString(path), HEAPU8.slice(bytes, bytes + length));
});
EM_JS(int, DownloadCount, (), {
    return Module["downloads"].length;
});
// The last download's name into `name` (room for 64 bytes), its bytes into `out`.
EM_JS(int, LastDownload, (char* name, unsigned char* out, int room), {
    const d = Module["downloads"][Module["downloads"].length - 1];
    stringToUTF8(d.name, name, 64);
    HEAPU8.set(d.data.subarray(0, room), out);
    return d.data.length;
});
// clang-format on

constexpr char kFile[] = "/storage/Quorbals/quorbals.scr";

class PageStorageTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetStorage(); }
    void TearDown() override { ForgetStorage(); }
};

std::vector<std::uint8_t> EveryByte() {
    std::vector<std::uint8_t> bytes(256);
    std::iota(bytes.begin(), bytes.end(), 0);
    return bytes;
}

TEST_F(PageStorageTest, KeepsTheGamesFilesByteForByte) {
    EXPECT_TRUE(FolderExists("/storage/Quorbals"));
    EXPECT_FALSE(FileExists(kFile));
    EXPECT_THROW(ReadFilePrefix(kFile, 280), FileError);
    WriteFileAtomically(kFile, EveryByte());
    EXPECT_TRUE(FileExists(kFile));
    EXPECT_EQ(ReadFilePrefix(kFile, 1000), EveryByte());
    EXPECT_EQ(ReadFilePrefix(kFile, 28).size(), 28u);
    WriteFileAtomically(kFile, std::vector<std::uint8_t>{});
    EXPECT_TRUE(ReadFilePrefix(kFile, 28).empty()) << "an empty file stays a file";
    EXPECT_TRUE(RemoveFile(kFile));
    EXPECT_FALSE(RemoveFile(kFile));
    EXPECT_FALSE(FileExists(kFile));
}

TEST_F(PageStorageTest, RefusedStorageIsReportedAndKeepsTheOldFile) {
    const std::vector<std::uint8_t> old{1, 2, 3};
    WriteFileAtomically(kFile, old);
    RefuseStorage("full");
    try {
        WriteFileAtomically(kFile, EveryByte());
        FAIL() << "a full storage took the file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), kDiskFull);
        EXPECT_EQ(ErrorReportText(e.text()), "Disk full.");
    }
    RefuseStorage("");
    EXPECT_EQ(ReadFilePrefix(kFile, 100), old);

    RefuseStorage("denied");
    EXPECT_FALSE(FileExists(kFile));
    try {
        WriteFileAtomically(kFile, EveryByte());
        FAIL() << "a forbidden storage took the file";
    } catch (const FileError& e) {
        EXPECT_EQ(ErrorReportText(e.text()), "File access denied.");
    }
    // Settings that cannot be read are no error: the window keeps its place.
    EXPECT_FALSE(LoadWindowSettings("/storage/Quorbals/quorbals.set").error);
}

TEST_F(PageStorageTest, SavedGamesGoOutAsDownloadsAndComeInAsPickedFiles) {
    GameState game;
    game.score = 1234;
    for (int i = 0; i < kCellCount; ++i) {
        game.freeCellList[static_cast<std::size_t>(i)] = {i % 9, i / 9, 1, {0, 0, 0}};
        game.desk[static_cast<std::size_t>(i)] = kNoBall;
    }
    game.freeCount = kCellCount;
    SaveGame("/downloads/evening.kvx", game);
    ASSERT_EQ(DownloadCount(), 1);
    char name[64] = {};
    std::vector<std::uint8_t> bytes(2000);
    const int length = LastDownload(name, bytes.data(), static_cast<int>(bytes.size()));
    EXPECT_STREQ(name, "evening.kvx");
    ASSERT_EQ(length, 1320);
    bytes.resize(1320);
    const auto expected = EncodeSavedGame(RecordsOf(game));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin()));

    PickFile("/picked/evening.kvx", bytes.data(), static_cast<int>(bytes.size()));
    GameState loaded;
    EXPECT_EQ(LoadGame("/picked/evening.kvx", loaded).outcome, GameLoadOutcome::kLoaded);
    EXPECT_EQ(loaded.score, 1234);

    const unsigned char damaged[] = {'k', 'v', 'y', 0, 1, 2};
    PickFile("/picked/damaged.kvx", damaged, sizeof damaged);
    const GameLoadResult refused = LoadGame("/picked/damaged.kvx", loaded);
    EXPECT_EQ(refused.outcome, GameLoadOutcome::kInvalid);
    EXPECT_EQ(refused.message, "\"damaged.kvx\" is invalid or corrupt!");
    EXPECT_THROW(ReadFilePrefix("/picked/never.kvx", 4), FileError);
}

}  // namespace
}  // namespace quorbals
