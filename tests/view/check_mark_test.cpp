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

}  // namespace
}  // namespace quorbals
