// The Windows file layer: real failures of the wide file calls give the
// game's codes, device names are refused, and the old file stays whole.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_path.h"
#include "storage/file_error.h"
#include "storage/file_system.h"
#include "storage/saved_game.h"
#include "storage/win32/system_file_error.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::FolderEntries;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

template <typename Body>
FileError ErrorOf(Body body) {
    try {
        body();
    } catch (const FileError& e) {
        return e;
    }
    return {0, "no error"};
}

TEST(SystemFileErrorTest, CodesMapToTheGameCodesAndTexts) {
    const struct {
        DWORD error;
        FileError expected;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, {2, "File not found"}},
        {ERROR_PATH_NOT_FOUND, {3, "Invalid file name"}},
        {ERROR_INVALID_NAME, {3, "Invalid file name"}},
        {ERROR_FILENAME_EXCED_RANGE, {3, "Invalid file name"}},
        {ERROR_TOO_MANY_OPEN_FILES, {4, "Too many open files"}},
        {ERROR_ACCESS_DENIED, {5, "File access denied"}},
        {ERROR_SHARING_VIOLATION, {5, "File access denied"}},
        {ERROR_WRITE_PROTECT, {5, "File access denied"}},
        {ERROR_HANDLE_EOF, {100, "Read beyond end of file"}},
        {ERROR_DISK_FULL, {101, "Disk full"}},
        {ERROR_HANDLE_DISK_FULL, {101, "Disk full"}},
        {ERROR_CRC, {23, "I/O error 23"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileErrorFromSystemError(c.error), c.expected) << c.error;
    }
}

TEST(Win32FileLayerTest, MissingFoldersAndBadNames) {
    TempFolder dir;
    EXPECT_EQ(ErrorOf([&] { ReadFilePrefix(dir / "none.kvx", 9); }).code(), kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { ReadFilePrefix(dir / "gone\\none.kvx", 9); }).code(), kInvalidFileName);
    EXPECT_EQ(ErrorOf([&] { ReadFilePrefix(dir / "a?b.kvx", 9); }).code(), kInvalidFileName);
    EXPECT_EQ(
        ErrorOf([&] { WriteFileAtomically(dir / "a?b.kvx", std::vector<std::uint8_t>{1}); }).code(),
        kInvalidFileName);
    EXPECT_EQ(ErrorOf([&] { ReadFilePrefix(std::string("bad\xFF.kvx"), 9); }).code(),
              kInvalidFileName);
    EXPECT_TRUE(FolderEntries(dir.path()).empty());
}

// A read-only file loads (it is opened for reading only) and is not
// replaced.
TEST(Win32FileLayerTest, ReadOnlyFilesLoadAndAreNotWritten) {
    TempFolder dir;
    const std::string path = dir / "game.kvx";
    WriteBytes(path, {1, 2, 3});
    test::MakeReadOnly(path);
    EXPECT_EQ(ReadFilePrefix(path, 9), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(path, std::vector<std::uint8_t>{9}); }),
              AccessDeniedError());
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"game.kvx"});
}

// Another program holds the file open and shares it with nobody.
TEST(Win32FileLayerTest, AFileHeldOpenWithoutSharingIsDeniedAndKeptWhole) {
    TempFolder dir;
    const std::string path = dir / "quorbals.scr";
    WriteBytes(path, std::vector<std::uint8_t>(56, 'A'));
    const HANDLE held = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOf([&] { ReadFilePrefix(path, 280); }), AccessDeniedError());
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(path, std::vector<std::uint8_t>(28, 'B')); }),
              AccessDeniedError());
    ::CloseHandle(held);
    EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>(56, 'A'));
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"quorbals.scr"});
}

// Device names exist in every folder; a save there would go nowhere and a
// load would read a device.
TEST(Win32FileLayerTest, DeviceNamesAreRefused) {
    TempFolder dir;
    const std::string names[] = {
        "NUL",     "CON",      "COM1",          "lpt9",       "CON.kvx",
        "nul.txt", "Aux .kvx", dir / "con.KVX", "\\\\.\\NUL",
    };
    for (const std::string& name : names) {
        EXPECT_THROW(ReadFilePrefix(name, 9), NotAFileError) << name;
        EXPECT_THROW(WriteFileAtomically(name, std::vector<std::uint8_t>{1}), NotAFileError)
            << name;
        EXPECT_FALSE(FileExists(name)) << name;
        GameState game;
        EXPECT_EQ(LoadGame(name, game).outcome, GameLoadOutcome::kInvalid) << name;
    }
    // Names that only begin like a device are ordinary files.
    for (const char* name : {"CONSOLE.kvx", "COM10.kvx", "nullish.kvx"}) {
        WriteFileAtomically(dir / name, std::vector<std::uint8_t>{7});
        EXPECT_EQ(ReadFilePrefix(dir / name, 9), std::vector<std::uint8_t>{7}) << name;
    }
    EXPECT_EQ(FolderEntries(dir.path()),
              (std::vector<std::string>{"COM10.kvx", "CONSOLE.kvx", "nullish.kvx"}));
}

TEST(Win32FileLayerTest, BothSeparatorsAndDrives) {
    EXPECT_EQ(kPathSeparator, '\\');
    EXPECT_EQ(FolderOf("C:\\Games\\game.kvx"), "C:\\Games");
    EXPECT_EQ(FolderOf("C:/Games/game.kvx"), "C:/Games");
    EXPECT_EQ(FolderOf("C:\\game.kvx"), "C:\\");
    EXPECT_EQ(FolderOf("C:game.kvx"), "C:.");
    EXPECT_EQ(FolderOf("game.kvx"), ".");
    EXPECT_EQ(FileNameOf("C:\\Games/save\\game.kvx"), "game.kvx");
    EXPECT_EQ(FileNameOf("C:game.kvx"), "game.kvx");
    EXPECT_EQ(JoinPath("C:\\", "a"), "C:\\a");
    EXPECT_EQ(JoinPath("C:\\Games", "a"), "C:\\Games\\a");
}

}  // namespace
}  // namespace quorbals
