// The About box in its two modes: 273 x 273 inside its border and centred
// on the screen, with the program icon in its frame; the dialog ends on a
// click anywhere but the icon's frame, on Enter (OK) and on Escape
// (Cancel); the splash ignores all of it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "app/win32/about_box.h"

namespace quorbals {
namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

void ExpectSizedAndCentred(HWND box) {
    RECT client{};
    GetClientRect(box, &client);
    EXPECT_EQ(client.right, 273);
    EXPECT_EQ(client.bottom, 273);
    RECT outer{};
    GetWindowRect(box, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
}

using Message = std::tuple<UINT, WPARAM, LPARAM>;

// Queues the messages and then an Escape, and runs the dialog: true when
// one of the messages ended it with OK before the Escape was read.
bool EndsWithOk(TF_About& about, std::initializer_list<Message> messages) {
    for (const auto& [message, wParam, lParam] : messages) {
        PostMessageW(about.Handle(), message, wParam, lParam);
    }
    PostMessageW(about.Handle(), WM_CHAR, 27, 0);
    const bool ok = about.ShowModal(nullptr);
    EXPECT_FALSE(IsWindowVisible(about.Handle())) << "gone once ended";
    return ok;
}

TEST(AboutBoxTest, DialogEndsOnClicksButNotOnTheIconsFrame) {
    TF_About about(TF_About::BorderStyle::Dialog);
    if (!about.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    ExpectSizedAndCentred(about.Handle());
    // P_Icon's frame, twice; then the Escape is what ends it.
    EXPECT_FALSE(EndsWithOk(about, {{WM_LBUTTONUP, 0, At(9, 9)}, {WM_LBUTTONUP, 0, At(50, 30)}}));

    TF_About onIcon(TF_About::BorderStyle::Dialog);
    ASSERT_TRUE(onIcon.Create(nullptr));
    EXPECT_TRUE(EndsWithOk(onIcon, {{WM_LBUTTONUP, 0, At(20, 20)}})) << "the icon itself";

    TF_About onLabel(TF_About::BorderStyle::Dialog);
    ASSERT_TRUE(onLabel.Create(nullptr));
    EXPECT_TRUE(EndsWithOk(onLabel, {{WM_RBUTTONUP, 0, At(130, 190)}}));
}

TEST(AboutBoxTest, EnterIsOkAndEscapeIsCancel) {
    TF_About enter(TF_About::BorderStyle::Dialog);
    if (!enter.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    EXPECT_TRUE(EndsWithOk(enter, {{WM_CHAR, 'a', 0}, {WM_CHAR, 13, 0}}));

    TF_About escape(TF_About::BorderStyle::Dialog);
    ASSERT_TRUE(escape.Create(nullptr));
    EXPECT_FALSE(EndsWithOk(escape, {{WM_CHAR, 'a', 0}}));
}

TEST(AboutBoxTest, SplashIgnoresClicksKeysAndClosing) {
    TF_About splash(TF_About::BorderStyle::None);
    if (!splash.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    ExpectSizedAndCentred(splash.Handle());
    splash.ShowSplash();
    SendMessageW(splash.Handle(), WM_LBUTTONUP, 0, At(130, 130));
    SendMessageW(splash.Handle(), WM_CHAR, 13, 0);
    SendMessageW(splash.Handle(), WM_CHAR, 27, 0);
    SendMessageW(splash.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(splash.Handle()));
}

// The 32-pixel picture of the program icon (tools/make_art.py's three
// raised squares) on the panel, its clear ground showing the button face.
TEST(AboutBoxTest, ShowsTheProgramIconInItsFrame) {
    TF_About splash(TF_About::BorderStyle::None);
    if (!splash.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    splash.ShowSplash();
    HDC dc = GetDC(splash.Handle());
    const auto icon = [&](int x, int y) { return GetPixel(dc, 13 + x, 13 + y); };
    if (icon(0, 0) == CLR_INVALID) {
        ReleaseDC(splash.Handle(), dc);
        GTEST_SKIP() << "the box is off screen";
    }
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(icon(0, 0), face);
    EXPECT_EQ(icon(1, 1), face);
    EXPECT_EQ(icon(30, 30), face);
    // Red from (2, 2), green from (10, 10), blue from (18, 18), each 12
    // wide, later squares over earlier ones.
    EXPECT_EQ(icon(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(icon(4, 4), RGB(255, 255, 255)) << "the shine";
    EXPECT_EQ(icon(6, 6), RGB(255, 0, 0));
    EXPECT_EQ(icon(12, 3), RGB(128, 0, 0));
    EXPECT_EQ(icon(13, 3), RGB(0, 0, 0));
    EXPECT_EQ(icon(15, 15), RGB(0, 255, 0));
    EXPECT_EQ(icon(22, 22), RGB(0, 0, 255));
    EXPECT_EQ(icon(29, 29), RGB(0, 0, 0));
    ReleaseDC(splash.Handle(), dc);
}

}  // namespace
}  // namespace quorbals
