// The About box in its two modes: 273 x 273 inside its border and centred
// on the screen; the dialog ends on a click anywhere but the icon's frame,
// on Enter (OK) and on Escape (Cancel); the splash ignores all of it.
#include <gtest/gtest.h>

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

TEST(AboutBoxTest, DialogEndsOnClicksButNotOnTheIconsFrame) {
    TF_About about(TF_About::BorderStyle::Dialog);
    if (!about.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    ExpectSizedAndCentred(about.Handle());
    SendMessageW(about.Handle(), WM_LBUTTONUP, 0, At(9, 9));  // P_Icon's frame
    SendMessageW(about.Handle(), WM_LBUTTONUP, 0, At(50, 30));
    EXPECT_FALSE(about.Ended());
    SendMessageW(about.Handle(), WM_LBUTTONUP, 0, At(20, 20));  // the icon itself
    EXPECT_TRUE(about.Ended());
    EXPECT_TRUE(about.Result());

    TF_About onLabel(TF_About::BorderStyle::Dialog);
    ASSERT_TRUE(onLabel.Create(nullptr));
    SendMessageW(onLabel.Handle(), WM_RBUTTONUP, 0, At(130, 190));
    EXPECT_TRUE(onLabel.Ended());
}

TEST(AboutBoxTest, EnterIsOkAndEscapeIsCancel) {
    TF_About enter(TF_About::BorderStyle::Dialog);
    if (!enter.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    SendMessageW(enter.Handle(), WM_CHAR, 'a', 0);
    EXPECT_FALSE(enter.Ended());
    SendMessageW(enter.Handle(), WM_CHAR, 13, 0);
    EXPECT_TRUE(enter.Ended());
    EXPECT_TRUE(enter.Result());

    TF_About escape(TF_About::BorderStyle::Dialog);
    ASSERT_TRUE(escape.Create(nullptr));
    SendMessageW(escape.Handle(), WM_CHAR, 27, 0);
    EXPECT_TRUE(escape.Ended());
    EXPECT_FALSE(escape.Result());
}

TEST(AboutBoxTest, SplashIgnoresClicksKeysAndClosing) {
    TF_About splash(TF_About::BorderStyle::None);
    if (!splash.Create(nullptr)) {
        GTEST_SKIP() << "no windows without a display";
    }
    ExpectSizedAndCentred(splash.Handle());
    SendMessageW(splash.Handle(), WM_LBUTTONUP, 0, At(130, 130));
    SendMessageW(splash.Handle(), WM_CHAR, 13, 0);
    SendMessageW(splash.Handle(), WM_CHAR, 27, 0);
    SendMessageW(splash.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(splash.Ended());
    EXPECT_TRUE(IsWindow(splash.Handle()));
}

}  // namespace
}  // namespace quorbals
