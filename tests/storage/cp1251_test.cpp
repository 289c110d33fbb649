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
