// The OK button's check mark, as every front end lays it over the button.
#include "view/check_mark.h"

#include <gtest/gtest.h>

namespace quorbals {
namespace {

int Opacity(const PixelPicture& p, int x, int y) {
    return static_cast<int>(p.At(x, y) >> 24);
}

TEST(CheckMark, AGreenStrokeOnAClearGround) {
    const PixelPicture mark = CheckMarkPicture();
    ASSERT_EQ(mark.width, 18);
    ASSERT_EQ(mark.height, 18);
    int solid = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            EXPECT_EQ(mark.At(x, y) & 0xFFFFFF, 0x008000u);
            solid += Opacity(mark, x, y) == 255;
        }
    }
    EXPECT_EQ(Opacity(mark, 6, 12), 255) << "the bend of the mark";
    EXPECT_EQ(Opacity(mark, 14, 4), 255) << "its long arm's end";
    EXPECT_EQ(Opacity(mark, 0, 0), 0);
    EXPECT_EQ(Opacity(mark, 3, 3), 0) << "above the short arm";
    EXPECT_EQ(Opacity(mark, 17, 17), 0);
    EXPECT_GT(solid, 20);
    EXPECT_LT(solid, 60);
    EXPECT_GT(Opacity(mark, 8, 14) + Opacity(mark, 5, 13), 0) << "smoothed at the edge";
}

TEST(CheckMark, LaidOverTheButtonFaceByItsOpacity) {
    const PixelPicture mark = CheckMarkPicture();
    const Pixel face = Rgb(212, 208, 200);
    const PixelPicture laid = OverGround(mark, face);
    ASSERT_EQ(laid.width, mark.width);
    EXPECT_EQ(laid.At(0, 0), face) << "clear";
    EXPECT_EQ(laid.At(6, 12), Rgb(0, 128, 0)) << "solid";
    // An edge pixel lies between the two in every channel, nearer the mark
    // the more solid it is.
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            const int alpha = static_cast<int>(mark.At(x, y) >> 24);
            const int red = static_cast<int>(laid.At(x, y) >> 16 & 0xFF);
            EXPECT_EQ(laid.At(x, y) >> 24, 0xFFu);
            EXPECT_NEAR(red, 212 * (255 - alpha) / 255.0, 0.5) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace quorbals
