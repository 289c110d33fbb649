#include "platform/qt/wave_file_locator.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::CurrentFolder;
using test::TempFolder;

TEST(WaveFileLocatorTest, PrefersTheCurrentFolderToTheProgramFolder) {
    TempFolder here;
    TempFolder program;
    here.Write("select.wav", "here");
    program.Write("select.wav", "program");
    program.Write("move.wav", "program");
    CurrentFolder cd(here.path());

    WaveFileLocator locator(program.dir());
    EXPECT_EQ(locator.Locate("select.wav"), here / "select.wav");
    EXPECT_EQ(locator.Locate("move.wav"), program / "move.wav");
    EXPECT_EQ(locator.Locate("end.wav"), "");
}

TEST(WaveFileLocatorTest, KeepsEachAnswerForTheRun) {
    TempFolder here;
    TempFolder program;
    program.Write("add.wav", "program");
    WaveFileLocator locator(program.dir());
    {
        CurrentFolder cd(here.path());
        EXPECT_EQ(locator.Locate("add.wav"), program / "add.wav");
        EXPECT_EQ(locator.Locate("end.wav"), "");
        // Files that turn up later change nothing.
        here.Write("add.wav", "here");
        program.Write("end.wav", "program");
        EXPECT_EQ(locator.Locate("add.wav"), program / "add.wav");
        EXPECT_EQ(locator.Locate("end.wav"), "");
    }
    // A path found in the current folder is absolute, so leaving it does
    // not lose the file.
    TempFolder other;
    other.Write("remove.wav", "x");
    WaveFileLocator second(program.dir());
    {
        CurrentFolder cd(other.path());
        EXPECT_EQ(second.Locate("remove.wav"), other / "remove.wav");
    }
    EXPECT_TRUE(std::filesystem::path(second.Locate("remove.wav")).is_absolute());
}

TEST(WaveFileLocatorTest, TakesOnlyFilesNotFolders) {
    TempFolder here;
    TempFolder program;
    std::filesystem::create_directory(here / "select.wav");
    program.Write("select.wav", "program");
    CurrentFolder cd(here.path());

    WaveFileLocator locator(program.dir());
    EXPECT_EQ(locator.Locate("select.wav"), program / "select.wav");
}

}  // namespace
}  // namespace quorbals
