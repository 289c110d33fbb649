// The bitmaps hold the shared pictures' pixels as they are, block copies
// keep them, the bevels take the system's 3D colours, and a font family is
// known to exist only when the system lists it.
#include <gtest/gtest.h>

#include "platform/win32/wide_path.h"
#include "view/sprite_sheets.h"
#include "view/win32/bevel_paint.h"
#include "view/win32/design_font.h"
#include "view/win32/picture_bitmap.h"

namespace quorbals {
namespace {

Pixel Colour(Pixel p) {
    return p & 0x00FFFFFFu;
}

Pixel FromColorRef(COLORREF c) {
    return Colour(Rgb(GetRValue(c), GetGValue(c), GetBValue(c)));
}

TEST(PictureBitmapTest, BlockCopiesKeepTheSharedPicturesPixels) {
    const SpriteSheets sheets;
    const PixelPicture& tiles = sheets.tiles;
    PictureBitmap source(tiles.width, tiles.height);
    ASSERT_TRUE(source.Valid());
    source.Load(tiles);

    // A 22 x 22 tile copied between two memory bitmaps lands unchanged,
    // rows top to bottom, away from the source corner.
    PictureBitmap target(tiles.width, tiles.height);
    target.Load(PixelPicture(tiles.width, tiles.height, Rgb(1, 2, 3)));
    const PixelRect tile{23, 46, 22, 22};
    source.CopyTo(target.Dc(), 5, 7, tile);
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x) {
            ASSERT_EQ(Colour(target.At(5 + x, 7 + y)), Colour(tiles.At(tile.x + x, tile.y + y)))
                << x << "," << y;
        }
    }
    EXPECT_EQ(Colour(target.At(4, 7)), Colour(Rgb(1, 2, 3)));
    EXPECT_EQ(Colour(target.At(5 + 22, 7 + 21)), Colour(Rgb(1, 2, 3)));
}

TEST(PictureBitmapTest, LoadCopiesOnlyTheRectangleAndClipsIt) {
    PictureBitmap bitmap(10, 10);
    bitmap.Load(PixelPicture(10, 10, Rgb(0, 0, 0)));
    bitmap.Load(PixelPicture(10, 10, Rgb(200, 100, 50)), PixelRect{8, 8, 5, 5});
    EXPECT_EQ(Colour(bitmap.At(9, 9)), Colour(Rgb(200, 100, 50)));
    EXPECT_EQ(Colour(bitmap.At(7, 9)), 0u);
    // A picture of another size is not taken at all.
    bitmap.Load(PixelPicture(5, 5, Rgb(9, 9, 9)));
    EXPECT_EQ(Colour(bitmap.At(0, 0)), 0u);
}

TEST(BevelPaintTest, LoweredPanelIsDarkAboveAndLightBelow) {
    PictureBitmap bitmap(20, 12);
    bitmap.Load(PixelPicture(20, 12, Rgb(7, 7, 7)));
    PaintPanelBevels(bitmap.Dc(), PixelRect{0, 0, 20, 12}, Bevel::Lowered, Bevel::Raised);
    GdiFlush();
    const Pixel light = FromColorRef(GetSysColor(COLOR_BTNHIGHLIGHT));
    const Pixel dark = FromColorRef(GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Colour(bitmap.At(0, 0)), dark);
    EXPECT_EQ(Colour(bitmap.At(19, 0)), light);  // the far corners belong to the far sides
    EXPECT_EQ(Colour(bitmap.At(19, 11)), light);
    EXPECT_EQ(Colour(bitmap.At(1, 1)), light);  // the raised ring inside
    EXPECT_EQ(Colour(bitmap.At(18, 10)), dark);
    EXPECT_EQ(Colour(bitmap.At(2, 2)), Colour(Rgb(7, 7, 7)));
}

int CALLBACK KeepFirstFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM first) {
    *reinterpret_cast<std::wstring*>(first) = font->lfFaceName;
    return 0;
}

TEST(DesignFontTest, AFamilyExistsWhenTheSystemListsIt) {
    EXPECT_FALSE(FontFamilyExists("No Such Family Of Quorbals"));
    LOGFONTW any{};
    any.lfCharSet = DEFAULT_CHARSET;
    std::wstring first;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &any, &KeepFirstFamily, reinterpret_cast<LPARAM>(&first), 0);
    ReleaseDC(nullptr, screen);
    if (first.empty()) {
        GTEST_SKIP() << "the system lists no fonts";
    }
    EXPECT_TRUE(FontFamilyExists(Utf8Path(first).c_str()));
}

}  // namespace
}  // namespace quorbals
