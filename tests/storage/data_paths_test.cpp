#include <filesystem>

#include <gtest/gtest.h>

#include "storage/data_paths.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::TempFolder;

// The platform's separator: "/" here, "\\" on Windows.
const std::string kSep(1, kPathSeparator);

TEST(DataPathsTest, AppendBackslash) {
    std::string s;
    AppendBackslash(s);
    EXPECT_EQ(s, "");
    s = "home" + kSep + "p";
    AppendBackslash(s);
    EXPECT_EQ(s, "home" + kSep + "p" + kSep);
    AppendBackslash(s);
    EXPECT_EQ(s, "home" + kSep + "p" + kSep);
}

TEST(DataPathsTest, DataFolderUnderAppDataIsMadeOnce) {
    TempFolder dir;
    const DataPaths a = MakeDataPaths(dir / "bin", dir.path());
    const DataPaths b = MakeDataPaths(dir / "bin" + kSep, dir.path() + kSep);
    EXPECT_EQ(a.dataDir, dir.path() + kSep + "Quorbals" + kSep);
    EXPECT_EQ(b.dataDir, a.dataDir) << "with or without a trailing separator";
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Quorbals"));
    EXPECT_EQ(a.exeDir, dir.path() + kSep + "bin" + kSep);
    EXPECT_EQ(a.scoreFile, a.dataDir + "quorbals.scr");
    EXPECT_EQ(a.fallbackScoreFile, a.exeDir + "quorbals.scr");
    EXPECT_EQ(a.settingsFile, a.dataDir + "quorbals.set");
    EXPECT_EQ(a.helpFile, a.exeDir + "quorbals.chm");
}

TEST(DataPathsTest, OnlyTheLastLevelIsMade) {
    TempFolder dir;
    const DataPaths p = MakeDataPaths(dir / "bin", dir / "missing" + kSep + "share");
    EXPECT_EQ(p.dataDir, dir / "missing" + kSep + "share" + kSep + "Quorbals" + kSep);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(DataPathsTest, WithoutAppDataEverythingLiesBesideTheProgram) {
    const std::string exeDir = kSep + "opt" + kSep + "quorbals" + kSep;
    const DataPaths p = MakeDataPaths(exeDir, "");
    EXPECT_EQ(p.dataDir, exeDir);
    EXPECT_EQ(p.scoreFile, p.fallbackScoreFile);
    EXPECT_EQ(p.settingsFile, exeDir + "quorbals.set");
}

}  // namespace
}  // namespace quorbals
