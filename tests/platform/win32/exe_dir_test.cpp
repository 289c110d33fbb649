// ExeDir on Windows: the folder of the running program, with its backslash.
#include <windows.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/exe_dir.h"
#include "platform/win32/wide_path.h"

namespace quorbals {
namespace {

TEST(ExeDirWin32Test, IsTheRunningProgramsFolderWithItsBackslash) {
    const std::string dir = ExeDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_TRUE(std::filesystem::exists(*WideText(dir + "platform_win32_test.exe")));

    wchar_t module[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, module, MAX_PATH), 0u);
    EXPECT_EQ(dir + "platform_win32_test.exe", Utf8Path(module));
}

}  // namespace
}  // namespace quorbals
