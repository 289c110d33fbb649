// The A entries (HtmlHelpA) read paths in the process's ANSI code page:
// whatever that page is here, a file in a folder with a Cyrillic name, or
// with a Latin accent, opens through the converted path with an A call.
#include <windows.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/win32/ansi_path.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::TempFolder;

// The file's content read through CreateFileA, or nothing when it cannot be opened.
std::optional<std::string> ReadThroughAnsi(const std::string& ansiPath) {
    const HANDLE file = CreateFileA(ansiPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    char buffer[64] = {};
    DWORD got = 0;
    const BOOL read = ReadFile(file, buffer, sizeof buffer, &got, nullptr);
    CloseHandle(file);
    return read ? std::optional<std::string>(std::string(buffer, got)) : std::nullopt;
}

TEST(AnsiPath, OpensFilesInFoldersOutsideAsciiWithAnAEntry) {
    SCOPED_TRACE("ANSI code page " + std::to_string(GetACP()));
    TempFolder dir;
    // "Квадраты" and "Café".
    for (const std::string folder :
         {"\xd0\x9a\xd0\xb2\xd0\xb0\xd0\xb4\xd1\x80\xd0\xb0\xd1\x82\xd1\x8b", "Caf\xc3\xa9",
          "plain"}) {
        SCOPED_TRACE(folder);
        const std::string path = dir.Write(folder + "/quorbals.chm", "help " + folder);
        EXPECT_EQ(ReadThroughAnsi(AnsiPath(path)), "help " + folder);
    }
    const std::string ascii = dir.Write("plain/quorbals.chm", "x");
    EXPECT_EQ(AnsiPath(ascii), ascii) << "plain text passes unchanged";
}

TEST(AnsiPath, LeavesWhatItCannotConvertAsItStands) {
    TempFolder dir;
    // A missing file has no short name to fall back on; nor has bad UTF-8.
    const std::string missing = dir / "\xe2\x98\x85\xe2\x98\x85/none.chm";  // two stars
    if (GetACP() != CP_UTF8) {
        EXPECT_EQ(AnsiPath(missing), missing);
    }
    EXPECT_EQ(AnsiPath("bad \xff name"), "bad \xff name");
    EXPECT_EQ(AnsiPath(""), "");
}

}  // namespace
}  // namespace quorbals
