// The code-page table against the system's own code page 1251, so that
// names typed on Windows and names in a score file agree.
#include <windows.h>

#include <gtest/gtest.h>

#include "storage/cp1251.h"

namespace quorbals {
namespace {

TEST(Cp1251Test, TableMatchesTheSystemCodePage) {
    for (int b = 0x80; b < 256; ++b) {
        if (b == 0x98) {
            continue;
        }
        const char in = static_cast<char>(b);
        wchar_t wide[2] = {};
        ASSERT_EQ(::MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, &in, 1, wide, 2), 1) << b;
        EXPECT_EQ(Cp1251ToUnicode(static_cast<unsigned char>(b)), static_cast<char32_t>(wide[0]))
            << b;
    }
}

}  // namespace
}  // namespace quorbals
