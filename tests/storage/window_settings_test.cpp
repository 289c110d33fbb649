#include <gtest/gtest.h>

#include "storage/window_settings.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(WindowSettingsTest, RecordIsNineLittleEndianBytes) {
    const auto bytes = EncodeWindowSettings({-2, 0x01020304, 1});
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 1}));
}

TEST(WindowSettingsTest, SaveAndLoadRoundTrip) {
    TempFolder dir;
    const std::string path = dir / "quorbals.set";
    SaveWindowSettings(path, {120, -7, 0});
    EXPECT_EQ(ReadBytes(path),
              (std::vector<std::uint8_t>{120, 0, 0, 0, 0xF9, 0xFF, 0xFF, 0xFF, 0}));
    const SettingsLoad load = LoadWindowSettings(path);
    EXPECT_TRUE(load.havePosition);
    EXPECT_EQ(load.left, 120);
    EXPECT_EQ(load.top, -7);
    EXPECT_TRUE(load.haveSound);
    EXPECT_FALSE(load.sound);
    EXPECT_FALSE(load.error);
}

TEST(WindowSettingsTest, FilesOfNineEightAndTwelveBytes) {
    TempFolder dir;
    const std::string path = dir / "quorbals.set";

    // Longer files load from their first 9 bytes; the next save writes 9.
    WriteBytes(path, {10, 0, 0, 0, 20, 0, 0, 0, 2, 0xAA, 0xBB, 0xCC});
    SettingsLoad load = LoadWindowSettings(path);
    EXPECT_TRUE(load.havePosition && load.haveSound && !load.error);
    EXPECT_EQ(load.left, 10);
    EXPECT_EQ(load.top, 20);
    EXPECT_TRUE(load.sound) << "any Sound byte but 0 means on";
    SaveWindowSettings(path, {10, 20, 1});
    EXPECT_EQ(ReadBytes(path).size(), 9u);

    // 8 bytes: the position counts, then the file ends before Sound.
    WriteBytes(path, {10, 0, 0, 0, 20, 0, 0, 0});
    load = LoadWindowSettings(path);
    EXPECT_TRUE(load.havePosition);
    EXPECT_EQ(load.left, 10);
    EXPECT_FALSE(load.haveSound);
    ASSERT_TRUE(load.error);
    EXPECT_EQ(load.error->code(), kReadBeyondEndOfFile);
    EXPECT_EQ(load.error->text(), "Read beyond end of file");

    // Shorter: nothing applies, the window stays centred.
    for (std::size_t n : {0u, 4u, 7u}) {
        WriteBytes(path, std::vector<std::uint8_t>(n, 1));
        load = LoadWindowSettings(path);
        EXPECT_FALSE(load.havePosition) << n;
        EXPECT_FALSE(load.haveSound) << n;
        ASSERT_TRUE(load.error) << n;
        EXPECT_EQ(load.error->code(), kReadBeyondEndOfFile);
    }
}

TEST(WindowSettingsTest, MissingAndReadOnlyFiles) {
    TempFolder dir;
    const SettingsLoad none = LoadWindowSettings(dir / "quorbals.set");
    EXPECT_FALSE(none.havePosition || none.haveSound || none.error);

    WriteBytes(dir / "quorbals.set", {1, 0, 0, 0, 2, 0, 0, 0, 0});
    test::MakeReadOnly(dir / "quorbals.set");
    const SettingsLoad load = LoadWindowSettings(dir / "quorbals.set");
    EXPECT_FALSE(load.error);
    EXPECT_TRUE(load.haveSound);

    // Into a folder that could not be made: the file name is invalid.
    try {
        SaveWindowSettings(dir / "Quorbals/quorbals.set", {});
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), kInvalidFileName);
    }
}

TEST(WindowSettingsTest, ClampingPullsTheWindowOntoTheScreen) {
    // Screen 1024 wide, window 279 wide: the limit is 745.
    EXPECT_EQ(ClampPosition(-30, 1024, 279), 0);
    EXPECT_EQ(ClampPosition(100, 1024, 279), 100);
    EXPECT_EQ(ClampPosition(745, 1024, 279), 745);
    EXPECT_EQ(ClampPosition(2000, 1024, 279), 745);
    // A window larger than the screen ends at screen - window, even from a
    // negative stored value: the second clamp wins.
    EXPECT_EQ(ClampPosition(-30, 200, 279), -79);
    EXPECT_EQ(ClampPosition(50, 200, 279), -79);
}

}  // namespace
}  // namespace quorbals
