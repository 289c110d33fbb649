#include "platform/qt/wave_file_locator.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/temp_folder.h"

namespace quorbals {
namespace {

using testing::CurrentFolder;
using testing::TempFolder;

TEST(WaveFileLocatorTest, PrefersTheCurrentFolderToTheProgramFolder) {
    TempFolder here;
    TempFolder program;
    here.Write("select.wav", "here");
    program.Write("select.wav", "program");
    program.Write("move.wav", "program");
    CurrentFolder cd(here.path());

    WaveFileLocator locator(program.dir());
    EXPECT_EQ(locator.Locate("select.wav"), (here.path() / "select.wav").string());
    EXPECT_EQ(locator.Locate("move.wav"), (program.path() / "move.wav").string());
    EXPECT_EQ(locator.Locate("end.wav"), "");
}

TEST(WaveFileLocatorTest, KeepsEachAnswerForTheRun) {
    TempFolder here;
    TempFolder program;
    program.Write("add.wav", "program");
    WaveFileLocator locator(program.dir());
    {
        CurrentFolder cd(here.path());
        EXPECT_EQ(locator.Locate("add.wav"), (program.path() / "add.wav").string());
        EXPECT_EQ(locator.Locate("end.wav"), "");
        // Files that turn up later change nothing.
        here.Write("add.wav", "here");
        program.Write("end.wav", "program");
        EXPECT_EQ(locator.Locate("add.wav"), (program.path() / "add.wav").string());
        EXPECT_EQ(locator.Locate("end.wav"), "");
    }
    // A path found in the current folder is absolute, so leaving it does
    // not lose the file.
    TempFolder other;
    other.Write("remove.wav", "x");
    WaveFileLocator second(program.dir());
    {
        CurrentFolder cd(other.path());
        EXPECT_EQ(second.Locate("remove.wav"), (other.path() / "remove.wav").string());
    }
    EXPECT_TRUE(std::filesystem::path(second.Locate("remove.wav")).is_absolute());
}

TEST(WaveFileLocatorTest, TakesOnlyFilesNotFolders) {
    TempFolder here;
    TempFolder program;
    std::filesystem::create_directory(here.path() / "select.wav");
    program.Write("select.wav", "program");
    CurrentFolder cd(here.path());

    WaveFileLocator locator(program.dir());
    EXPECT_EQ(locator.Locate("select.wav"), (program.path() / "select.wav").string());
}

}  // namespace
}  // namespace quorbals
