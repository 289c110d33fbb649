#include <iconv.h>

#include <gtest/gtest.h>

#include "storage/cp1251.h"

namespace quorbals {
namespace {

TEST(Cp1251Test, EveryAssignedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) {
            continue;
        }
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(EncodeCp1251(DecodeCp1251(one)), one) << b;
    }
    EXPECT_EQ(Cp1251ToUnicode(0x98), U'\uFFFD');
    EXPECT_EQ(EncodeCp1251(DecodeCp1251("\x98")), "?");
}

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

TEST(Cp1251Test, KnownTexts) {
    EXPECT_EQ(DecodeCp1251("\xCE\xF7\xEA\xE8"), "Очки");
    EXPECT_EQ(DecodeCp1251("\xB9"), "№");
    EXPECT_EQ(EncodeCp1251("Ёлка №5 — €"), "\xA8\xEB\xEA\xE0 \xB9\x35 \x97 \x88");
}

TEST(Cp1251Test, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(EncodeCp1251("日本"), "??");
    EXPECT_EQ(EncodeCp1251("a😀b"), "a?b");
    EXPECT_EQ(EncodeCp1251("\xEF\xBF\xBD"), "?") << "U+FFFD itself";
    // Malformed UTF-8: stray continuation, truncated sequence, overlong
    // form, surrogate.
    EXPECT_EQ(EncodeCp1251("\x80x"), "?x");
    EXPECT_EQ(EncodeCp1251("x\xD0"), "x?");
    EXPECT_EQ(EncodeCp1251("\xC0\xAF"), "??");
    EXPECT_EQ(EncodeCp1251("\xED\xA0\x80"), "???");
}

}  // namespace
}  // namespace quorbals
