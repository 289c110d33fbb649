// The code-page table against the C library's own converter.
#include <iconv.h>

#include <gtest/gtest.h>

#include "storage/cp1251.h"

namespace quorbals {
namespace {

// Our table agrees with the C library's converter for every assigned byte.
TEST(Cp1251Test, TableMatchesTheSystemConverter) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        GTEST_SKIP() << "no CP1251 converter";
    }
    for (int b = 0x80; b < 256; ++b) {
        if (b == 0x98) {
            continue;
        }
        char in = static_cast<char>(b);
        char out[8] = {};
        char* inp = &in;
        char* outp = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        ASSERT_NE(iconv(cd, &inp, &inLeft, &outp, &outLeft), static_cast<std::size_t>(-1)) << b;
        EXPECT_EQ(DecodeCp1251(std::string(1, in)), std::string(out, outp)) << b;
    }
    iconv_close(cd);
}

}  // namespace
}  // namespace quorbals
