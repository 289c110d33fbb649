// The Win32 main window as the shared commands see it: its play area under
// the menu, the Sound check mark, the timers, and the Desk that the first
// activation deals, painted on screen pixel for pixel.
#include <filesystem>

#include <gtest/gtest.h>

#include "app/win32/main_menu.h"
#include "app/win32/main_window.h"
#include "storage/win32/wide_path.h"

namespace quorbals {
namespace {

// Handles what is queued, so that the flushes and paints happen.
void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!window.Create()) {
            GTEST_SKIP() << "no windows without a display";
        }
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::filesystem::path(temp) / L"quorbals-main-window-test";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::string dir = Utf8Path(folder.wstring()) + "\\";
        DataPaths paths;
        paths.exeDir = dir;
        paths.dataDir = dir;
        paths.settingsFile = dir + "quorbals.set";
        paths.scoreFile = dir + "quorbals.scr";
        paths.fallbackScoreFile = dir + "fallback.scr";
        paths.helpFile = dir + "quorbals.chm";
        window.commands.FormCreate(paths);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    TF_Main window;
    std::filesystem::path folder;
};

TEST_F(MainWindowTest, PlayAreaUnderTheMenuAndCentredOnTheScreen) {
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, 273);
    EXPECT_EQ(client.bottom, 306);
    const ScreenRect outer = window.OuterRect();
    const ScreenRect screen = window.PrimaryScreen();
    EXPECT_EQ(outer.x, (screen.width - outer.width) / 2);
    EXPECT_EQ(outer.y, (screen.height - outer.height) / 2);
    EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(MainWindowTest, MenuBarAndSoundCheckMark) {
    HMENU bar = GetMenu(window.Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    // "&Game" and "&Start!" wait for the window to be shown.
    EXPECT_TRUE(GetMenuState(bar, kMenuBarPlay, MF_BYPOSITION) & MF_GRAYED);
    ShowWindow(window.Handle(), SW_SHOWNA);
    EXPECT_FALSE(GetMenuState(bar, kMenuBarPlay, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(bar, kMenuBarGame, MF_BYPOSITION) & MF_GRAYED);

    EXPECT_TRUE(window.SoundChecked());  // no settings file: on
    SendMessageW(window.Handle(), WM_COMMAND, MenuCommandId(MenuCommand::OptionsSound), 0);
    EXPECT_FALSE(window.SoundChecked());
    SendMessageW(window.Handle(), WM_COMMAND, MenuCommandId(MenuCommand::OptionsSound), 0);
    EXPECT_TRUE(window.SoundChecked());
}

TEST_F(MainWindowTest, FirstActivationDealsAndTheScreenShowsTheDesk) {
    ShowWindow(window.Handle(), SW_SHOWNA);
    window.FormActivate();
    EXPECT_TRUE(window.TimerRunning(AppTimer::Glow));
    EXPECT_FALSE(window.TimerRunning(AppTimer::Move));
    Pump();
    UpdateWindow(window.I_Desk().Handle());

    // Nothing is left for the screen, and what the window shows is the picture.
    const DeskPicture& desk = window.I_Desk().Picture();
    EXPECT_TRUE(desk.PendingRects().empty());
    HDC dc = GetDC(window.I_Desk().Handle());
    int balls = 0;
    for (int cy = 0; cy < 9; ++cy) {
        for (int cx = 0; cx < 9; ++cx) {
            // The middle of each cell.
            const int x = 4 + cx * 29 + 11;
            const int y = 4 + cy * 29 + 11;
            const Pixel p = desk.Picture().At(x, y) & 0x00FFFFFFu;
            const COLORREF shown = GetPixel(dc, x, y);
            if (shown == CLR_INVALID) {
                continue;  // the window is off screen
            }
            EXPECT_EQ(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF), shown) << cx << "," << cy;
            balls += p != (Rgb(192, 192, 192) & 0x00FFFFFFu);
        }
    }
    ReleaseDC(window.I_Desk().Handle(), dc);
    EXPECT_EQ(balls, 3);

    window.StopTimer(AppTimer::Glow);
    EXPECT_FALSE(window.TimerRunning(AppTimer::Glow));
}

}  // namespace
}  // namespace quorbals
