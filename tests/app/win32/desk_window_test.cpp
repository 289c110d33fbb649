// I_Desk's events and repaints: a release reaches I_DeskMouseUp only for a
// button pressed on the Desk; moves and leaving reach their handlers; a
// changed cell's rectangle is invalidated and painting marks it shown.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "view/desk_geometry.h"
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

}  // namespace
}  // namespace quorbals
