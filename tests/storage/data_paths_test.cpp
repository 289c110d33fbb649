#include <filesystem>

#include <gtest/gtest.h>

#include "storage/data_paths.h"
#include "tests/storage/temp_folder.h"

namespace quorbals {
namespace {

using test::TempFolder;

TEST(DataPathsTest, AppendBackslash) {
    std::string s;
    AppendBackslash(s);
    EXPECT_EQ(s, "");
    s = "/home/p";
    AppendBackslash(s);
    EXPECT_EQ(s, "/home/p/");
    AppendBackslash(s);
    EXPECT_EQ(s, "/home/p/");
}

TEST(DataPathsTest, DataFolderUnderAppDataIsMadeOnce) {
    TempFolder dir;
    const DataPaths a = MakeDataPaths(dir / "bin", dir.path());
    const DataPaths b = MakeDataPaths(dir / "bin/", dir.path() + "/");
    EXPECT_EQ(a.dataDir, dir.path() + "/Quorbals/");
    EXPECT_EQ(b.dataDir, a.dataDir) << "with or without a trailing separator";
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Quorbals"));
    EXPECT_EQ(a.exeDir, dir.path() + "/bin/");
    EXPECT_EQ(a.scoreFile, a.dataDir + "quorbals.scr");
    EXPECT_EQ(a.fallbackScoreFile, a.exeDir + "quorbals.scr");
    EXPECT_EQ(a.settingsFile, a.dataDir + "quorbals.set");
    EXPECT_EQ(a.helpFile, a.exeDir + "quorbals.chm");
}

TEST(DataPathsTest, OnlyTheLastLevelIsMade) {
    TempFolder dir;
    const DataPaths p = MakeDataPaths(dir / "bin", dir / "missing/share");
    EXPECT_EQ(p.dataDir, dir.path() + "/missing/share/Quorbals/");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(DataPathsTest, WithoutAppDataEverythingLiesBesideTheProgram) {
    const DataPaths p = MakeDataPaths("/opt/q/lib/quorbals/", "");
    EXPECT_EQ(p.dataDir, "/opt/q/lib/quorbals/");
    EXPECT_EQ(p.scoreFile, p.fallbackScoreFile);
    EXPECT_EQ(p.settingsFile, "/opt/q/lib/quorbals/quorbals.set");
}

}  // namespace
}  // namespace quorbals
