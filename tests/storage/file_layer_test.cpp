// What the file layer does on every platform; each platform's own cases
// are in posix/ and win32/.
#include <filesystem>

#include <gtest/gtest.h>

#include "storage/data_paths.h"
#include "storage/file_error.h"
#include "storage/file_system.h"
#include "storage/saved_game.h"
#include "storage/temporary_files.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::FolderEntries;
using test::FsPath;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// The code of the FileError that `body` throws; 0 when it throws none.
template <typename Body>
int ErrorCodeOf(Body body) {
    try {
        body();
    } catch (const FileError& e) {
        return e.code();
    }
    return 0;
}

TEST(ReadFilePrefixTest, ReadsAtMostTheBytesAskedFor) {
    TempFolder dir;
    WriteBytes(dir / "f", std::vector<std::uint8_t>(500, 7));
    EXPECT_EQ(ReadFilePrefix(dir / "f", 280).size(), 280u);
    EXPECT_EQ(ReadFilePrefix(dir / "f", 1000).size(), 500u);
    WriteBytes(dir / "empty", {});
    EXPECT_TRUE(ReadFilePrefix(dir / "empty", 9).empty());
}

TEST(ReadFilePrefixTest, MissingFilesAndFoldersAndFoldersInTheirPlace) {
    TempFolder dir;
    EXPECT_EQ(ErrorCodeOf([&] { ReadFilePrefix(dir / "none", 9); }), kFileNotFound);
    EXPECT_EQ(ErrorCodeOf([&] { ReadFilePrefix(dir / "no-folder/none", 9); }), kInvalidFileName);
    ASSERT_TRUE(MakeFolder(dir / "sub"));
    EXPECT_THROW(ReadFilePrefix(dir / "sub", 9), NotAFileError);
    EXPECT_EQ(ErrorCodeOf([&] { ReadFilePrefix(dir / "sub", 9); }), kFileAccessDenied);
}

TEST(WriteFileAtomicallyTest, ReplacesTheFileAndLeavesNothingElse) {
    TempFolder dir;
    const std::string path = dir / "quorbals.set";
    WriteFileAtomically(path, std::vector<std::uint8_t>{1, 2, 3, 4});
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    WriteBytes(path, std::vector<std::uint8_t>(100, 9));
    WriteFileAtomically(path, std::vector<std::uint8_t>{5});
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{5}));
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{"quorbals.set"}));
}

TEST(WriteFileAtomicallyTest, AMissingFolderIsAnInvalidFileName) {
    TempFolder dir;
    try {
        WriteFileAtomically(dir / "Quorbals/quorbals.scr", std::vector<std::uint8_t>{1});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), kInvalidFileName);
        EXPECT_EQ(e.text(), "Invalid file name");
    }
    EXPECT_TRUE(FolderEntries(dir.path()).empty());
}

// A folder where a file should go stays a folder with its content.
TEST(WriteFileAtomicallyTest, AFolderAsTargetIsRefused) {
    TempFolder dir;
    ASSERT_TRUE(MakeFolder(dir / "game.kvx"));
    WriteBytes(dir / "game.kvx/inside", {1});
    EXPECT_THROW(WriteFileAtomically(dir / "game.kvx", std::vector<std::uint8_t>{1}),
                 NotAFileError);
    EXPECT_TRUE(FolderExists(dir / "game.kvx"));
    EXPECT_EQ(ReadBytes(dir / "game.kvx/inside"), std::vector<std::uint8_t>{1});
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{"game.kvx"}));
}

// A write cut off by a kill leaves its temporary file; the next write into
// that folder removes it, and nothing that is not the game's own.
TEST(WriteFileAtomicallyTest, LeftoversOfCutOffWritesGoAtTheNextWrite) {
    TempFolder dir;
    ASSERT_TRUE(MakeFolder(dir / "other"));
    // No process ever has this id, on Linux or Windows.
    const std::string leftover = TemporaryFileName(999999999, 3);
    WriteBytes(dir / leftover, {1, 2});
    WriteBytes(dir / "other" + kPathSeparator + leftover, {1, 2});
    WriteBytes(dir / "notes.tmp", {3});
    WriteBytes(dir / ".quorbals-unfinished-notes.tmp", {3});
    WriteFileAtomically(dir / "quorbals.set", std::vector<std::uint8_t>{9});
    EXPECT_EQ(FolderEntries(dir.path()),
              (std::vector<std::string>{".quorbals-unfinished-notes.tmp", "notes.tmp", "other",
                                        "quorbals.set"}));
    EXPECT_EQ(FolderEntries(dir / "other"), std::vector<std::string>{leftover});
}

TEST(TemporaryFilesTest, OnlyTheGamesOwnNamesHaveAnOwner) {
    EXPECT_EQ(TemporaryFileOwner(TemporaryFileName(4321, 7)), 4321u);
    EXPECT_FALSE(TemporaryFileOwner("save1.kvx"));
    EXPECT_FALSE(TemporaryFileOwner(".quorbals-unfinished--1.tmp"));
    EXPECT_FALSE(TemporaryFileOwner(".quorbals-unfinished-12-x.tmp"));
    EXPECT_FALSE(TemporaryFileOwner(".quorbals-unfinished-12-3.tmp.kvx"));
}

// Names outside any single-byte code page: the data folder, the settings
// and a saved game under a Cyrillic folder name.
TEST(FileLayerTest, FolderNamesWithCyrillicLettersWork) {
    TempFolder dir;
    const std::string appData = dir / "Сохранения";
    ASSERT_TRUE(MakeFolder(appData));
    const DataPaths paths = MakeDataPaths(dir / "exe", appData);
    EXPECT_TRUE(FolderExists(paths.dataDir));
    WriteFileAtomically(paths.settingsFile, std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_TRUE(FileExists(paths.settingsFile));
    EXPECT_EQ(ReadFilePrefix(paths.settingsFile, 9), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(std::filesystem::exists(FsPath(appData) / "Quorbals" / "quorbals.set"));

    GameState game;
    game.desk.fill(kNoBall);
    for (int i = 0; i < kCellCount; ++i) {
        game.freeCellList[i] = {i % kDeskSide, i / kDeskSide, 1, {0, 0, 0}};
    }
    game.freeCount = kCellCount;
    SaveGame(appData + kPathSeparator + "Игра.kvx", game);
    GameState loaded;
    EXPECT_EQ(LoadGame(appData + kPathSeparator + "Игра.kvx", loaded).outcome,
              GameLoadOutcome::kLoaded);
    EXPECT_TRUE(RemoveFile(appData + kPathSeparator + "Игра.kvx"));
}

TEST(FileErrorTest, TheReportEndsTextsWithAFullStop) {
    EXPECT_EQ(ErrorReportText("Disk full"), "Disk full.");
    EXPECT_EQ(ErrorReportText("I/O error 5"), "I/O error 5.");
    EXPECT_EQ(ErrorReportText("Too late!"), "Too late!");
    EXPECT_EQ(ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ErrorReportText(""), "");
    EXPECT_EQ(OtherIoError(21), FileError(21, "I/O error 21"));
    EXPECT_EQ(ReadBeyondEndOfFileError(), FileError(100, "Read beyond end of file"));
}

}  // namespace
}  // namespace quorbals
