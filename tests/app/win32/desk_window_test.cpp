// I_Desk's events and repaints: a release reaches I_DeskMouseUp only for a
// button pressed on the Desk; moves and leaving reach their handlers, in
// picture pixels at every scale; a changed cell's rectangle is invalidated
// and painting marks it shown; the keyboard cursor's frame is painted over
// the picture, never into it.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "view/desk_geometry.h"
#include "view/keyboard_play.h"
#include "view/win32/colour_ref.h"
#include "view/win32/desk_window.h"

namespace quorbals {
namespace {

struct Recorded {
    std::vector<POINT> moves;
    std::vector<POINT> ups;
    int leaves = 0;
};

class DeskWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpViewTables(tables);
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (!parent) {
            GTEST_SKIP() << "no windows without a display";
        }
        DeskWindow::Handlers handlers;
        handlers.mouseMove = [this](std::int32_t x, std::int32_t y) {
            seen.moves.push_back({x, y});
        };
        handlers.mouseUp = [this](std::int32_t x, std::int32_t y) { seen.ups.push_back({x, y}); };
        handlers.mouseLeave = [this] { ++seen.leaves; };
        desk = std::make_unique<DeskWindow>(picture, std::move(handlers));
        ASSERT_TRUE(desk->Create(parent, 5, 5));
    }
    void TearDown() override {
        desk.reset();
        if (parent) {
            DestroyWindow(parent);
        }
    }

    SpriteSheets sheets;
    ViewTables tables;
    DeskPicture picture{sheets, tables};
    HWND parent = nullptr;
    Recorded seen;
    std::unique_ptr<DeskWindow> desk;
};

TEST_F(DeskWindowTest, ReleasesCountOnlyForButtonsPressedHere) {
    HWND hwnd = desk->Handle();
    SendMessageW(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(40, 40));
    EXPECT_TRUE(seen.ups.empty());
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 41));
    EXPECT_TRUE(seen.ups.empty());  // presses do nothing
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 2));
    ASSERT_EQ(seen.ups.size(), 1u);
    EXPECT_EQ(seen.ups[0].x, 300);  // where it was released, off the Desk too
    EXPECT_EQ(seen.ups[0].y, 2);

    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(17, 18));
    ASSERT_EQ(seen.moves.size(), 1u);
    EXPECT_EQ(seen.moves[0].x, 17);
    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(seen.leaves, 1);
}

TEST_F(DeskWindowTest, RepaintInvalidatesTheChangedCellAndPaintingShowsIt) {
    HWND hwnd = desk->Handle();
    ShowWindow(parent, SW_SHOWNA);
    ShowWindow(hwnd, SW_SHOWNA);
    UpdateWindow(hwnd);
    ValidateRect(hwnd, nullptr);

    picture.DrawBallTile(2, 3, 1, 0);
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));  // drawing alone repaints nothing
    desk->ShowRects(picture.Flush());
    ASSERT_TRUE(GetUpdateRect(hwnd, &dirty, FALSE));
    std::int32_t px = 2;
    std::int32_t py = 3;
    CellToPixel(tables, px, py);
    EXPECT_EQ(dirty.left, px);
    EXPECT_EQ(dirty.top, py);
    EXPECT_EQ(dirty.right - dirty.left, 22);
    EXPECT_EQ(dirty.bottom - dirty.top, 22);

    UpdateWindow(hwnd);
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));
    EXPECT_TRUE(picture.PendingRects().empty());
}

TEST_F(DeskWindowTest, PointerPositionsReachTheHandlersInPicturePixels) {
    desk->Place(5, 5, 2);
    HWND hwnd = desk->Handle();
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(59, 117));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(58, 58));
    // Released left of the picture: still left of it, not on its first column.
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(-1, 523));
    ASSERT_EQ(seen.moves.size(), 1u);
    EXPECT_EQ(seen.moves[0].x, 29);
    EXPECT_EQ(seen.moves[0].y, 58);
    ASSERT_EQ(seen.ups.size(), 1u);
    EXPECT_EQ(seen.ups[0].x, -1);
    EXPECT_EQ(seen.ups[0].y, 261);
}

TEST_F(DeskWindowTest, CursorFrameLiesInTheCellsBorderAtEachScale) {
    const Cell cell{2, 3};
    const PixelRect area = CursorArea(cell);
    const Pixel grey = picture.Picture().At(area.x, area.y + 10);
    const auto colour = [](Pixel p) { return ToColorRef(p); };
    for (int scale : {1, 2}) {
        desk->Place(5, 5, scale);
        ShowWindow(parent, SW_SHOWNA);
        ShowWindow(desk->Handle(), SW_SHOWNA);
        desk->SetKeyboardCursor(KeyboardCursor{cell, true});
        desk->ShowRects(std::span<const PixelRect>(&area, 1));
        UpdateWindow(desk->Handle());
        HDC dc = GetDC(desk->Handle());
        if (GetPixel(dc, 0, 0) == CLR_INVALID) {
            ReleaseDC(desk->Handle(), dc);
            GTEST_SKIP() << "the window is off screen";
        }
        // Each part of the frame fills whole screen pixels of its own.
        for (const FilledRect& part : CursorFrame(cell)) {
            const int x = part.rect.x * scale;
            const int y = part.rect.y * scale;
            EXPECT_EQ(GetPixel(dc, x, y), colour(part.colour)) << scale;
            EXPECT_EQ(GetPixel(dc, x + scale - 1, y + scale - 1), colour(part.colour)) << scale;
        }
        // The grey pixel next to the tile stays, and the picture is untouched.
        EXPECT_EQ(GetPixel(dc, (area.x + 2) * scale, (area.y + 10) * scale), colour(grey));
        EXPECT_EQ(picture.Picture().At(area.x, area.y + 10), grey);

        desk->SetKeyboardCursor(KeyboardCursor{cell, false});
        desk->ShowRects(std::span<const PixelRect>(&area, 1));
        UpdateWindow(desk->Handle());
        EXPECT_EQ(GetPixel(dc, area.x * scale, (area.y + 10) * scale), colour(grey)) << scale;
        ReleaseDC(desk->Handle(), dc);
    }
}

}  // namespace
}  // namespace quorbals
