// The documents folder on Windows is the user's Documents known folder: a
// whole path to a folder that is there (in the private Wine prefix here).
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/documents_folder.h"
#include "platform/win32/wide_path.h"

namespace quorbals {
namespace {

TEST(DocumentsFolderWin32Test, NamesTheUsersDocumentsFolder) {
    const std::string folder = UserDocumentsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\') << folder;
    const DWORD attributes = GetFileAttributesW(WideText(folder)->c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder;
    // A drive and a separator: not relative to the current folder.
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\") << folder;
}

}  // namespace
}  // namespace quorbals
