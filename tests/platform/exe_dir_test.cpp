#include "platform/exe_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    pclose(pipe);
    return output;
}

std::string RealFolderOf(const std::string& file) {
    return std::filesystem::canonical(file).parent_path().string() + "/";
}

TEST(ExeDirTest, IsTheFolderOfThisTestEndingWithSlash) {
    const std::string dir = ExeDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir, RealFolderOf("/proc/self/exe"));
}

TEST(ExeDirTest, FollowsSymbolicLinksToTheRealFolderWhateverTheCurrentFolder) {
    test::TempFolder temp;
    const std::string link = temp / "linked-program";
    std::filesystem::create_symlink(PRINT_EXE_DIR, link);
    const std::string expected = RealFolderOf(PRINT_EXE_DIR);

    EXPECT_EQ(RunCommand("'" + link + "'"), expected);
    EXPECT_EQ(RunCommand("cd / && '" + link + "'"), expected);
    EXPECT_NE(expected, temp.dir());
}

}  // namespace
}  // namespace quorbals
