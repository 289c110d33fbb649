// The Win32 main window as the shared commands see it: its play area under
// the menu, the Sound check mark, the timers, the Desk that the first
// activation deals, painted on screen pixel for pixel at each scale, and
// the keys of keyboard play and of the colour marks.
#include <filesystem>

#include <gtest/gtest.h>

#include "app/win32/main_menu.h"
#include "app/win32/main_window.h"
#include "platform/win32/wide_path.h"
#include "view/win32/colour_ref.h"

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
            EXPECT_EQ(ToColorRef(p), shown) << cx << "," << cy;
            balls += p != (Rgb(192, 192, 192) & 0x00FFFFFFu);
        }
    }
    ReleaseDC(window.I_Desk().Handle(), dc);
    EXPECT_EQ(balls, 3);

    window.StopTimer(AppTimer::Glow);
    EXPECT_FALSE(window.TimerRunning(AppTimer::Glow));
}

TEST_F(MainWindowTest, KeysOfTheDeskReachKeyboardPlayAndCtrlMSwitchesTheMarks) {
    ShowWindow(window.Handle(), SW_SHOWNA);
    window.FormActivate();
    const auto press = [&](WPARAM key, LPARAM data = 1) {
        SendMessageW(window.Handle(), WM_KEYDOWN, key, data);
        return window.commands.Cursor().cell;
    };
    EXPECT_EQ(press(VK_RIGHT), (Cell{4, 4}));  // the first key shows the cursor
    EXPECT_TRUE(window.commands.Cursor().shown);
    EXPECT_EQ(press(VK_RIGHT), (Cell{5, 4}));
    EXPECT_EQ(press(VK_UP), (Cell{5, 3}));
    EXPECT_EQ(press(VK_LEFT), (Cell{4, 3}));
    EXPECT_EQ(press(VK_DOWN), (Cell{4, 4}));
    EXPECT_EQ(press(VK_END), (Cell{8, 4}));
    EXPECT_EQ(press(VK_PRIOR), (Cell{8, 0}));
    EXPECT_EQ(press(VK_HOME), (Cell{0, 0}));
    EXPECT_EQ(press(VK_NEXT), (Cell{0, 8}));

    // Enter and Space act on the cursor's cell, Escape deselects; a held
    // key's repeats do not act again.
    int ball = 0;
    while (window.app.game.desk[static_cast<std::size_t>(ball)] < 0) {
        ++ball;
    }
    window.app.cursor.cell = Cell{ball % 9, ball / 9};
    press(VK_RETURN);
    EXPECT_EQ(window.app.game.selection.color,
              window.app.game.desk[static_cast<std::size_t>(ball)]);
    press(VK_ESCAPE);
    EXPECT_EQ(window.app.game.selection.color, -1);
    press(VK_SPACE, 1 | LPARAM{1} << 30);
    EXPECT_EQ(window.app.game.selection.color, -1);
    press(VK_SPACE);
    EXPECT_NE(window.app.game.selection.color, -1);

    // Ctrl+M, a key of no menu item, taken from the message loop as it
    // comes for any control of the window.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG msg{window.I_Desk().Handle(), WM_KEYDOWN, 'M', 1, 0, {}};
    EXPECT_TRUE(window.TakeKey(msg));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(window.app.colourMarks);
    MSG other{nullptr, WM_KEYDOWN, VK_F2, 1, 0, {}};
    EXPECT_FALSE(window.TakeKey(other)) << "a key of another window";
    window.StopTimer(AppTimer::Glow);
}

TEST_F(MainWindowTest, TheScoreIsCentredWhileItFitsAndKeepsItsLeadingDigitsOnceWider) {
    ShowWindow(window.Handle(), SW_SHOWNA);
    window.FormActivate();
    const int s = window.Scale();
    // The first column of the score's blue ink, left of the previews; -1
    // when the window cannot be read.
    const auto inkFrom = [&](const char* score) {
        window.SetScoreText(score);
        UpdateWindow(window.Handle());
        HDC dc = GetDC(window.Handle());
        int first = -1;
        for (int x = 0; x < 88 * s && first < 0; ++x) {
            for (int y = 5 * s; y < 28 * s; ++y) {
                const COLORREF c = GetPixel(dc, x, y);
                if (c != CLR_INVALID && GetBValue(c) > GetRValue(c) + 60) {
                    first = x;
                    break;
                }
            }
        }
        ReleaseDC(window.Handle(), dc);
        return first;
    };
    const int narrow = inkFrom("0");
    if (narrow < 0) {
        GTEST_SKIP() << "the window is off screen";
    }
    // The label spans 16 to 64.
    EXPECT_GT(narrow, 30 * s) << "centred";
    const int wide = inkFrom("88888888888");
    EXPECT_GE(wide, 16 * s);
    EXPECT_LE(wide, 19 * s) << "from the label's left edge";
    window.StopTimer(AppTimer::Glow);
}

TEST_F(MainWindowTest, MovingToAMonitorOfAnotherScaleLaysTheWindowOutAgain) {
    ShowWindow(window.Handle(), SW_SHOWNA);
    window.FormActivate();
    // Asked before a move, the window wants its play area at the multiple
    // of the new scale with the frame and the menu bar around it.
    SIZE wanted{};
    SendMessageW(window.Handle(), 0x02E4 /* WM_GETDPISCALEDSIZE */, 192,
                 reinterpret_cast<LPARAM>(&wanted));
    EXPECT_GT(wanted.cx, 546);
    EXPECT_LT(wanted.cx, 546 + 60);
    EXPECT_GT(wanted.cy, 612 + 20);
    for (int dpi : {192, 96}) {
        const int scale = dpi / 96;
        RECT suggested{40, 30, 40 + 300 * scale, 30 + 380 * scale};
        SendMessageW(window.Handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(window.Scale(), scale);
        RECT client{};
        GetClientRect(window.Handle(), &client);
        EXPECT_EQ(client.right, 273 * scale);
        EXPECT_EQ(client.bottom, 306 * scale);
        RECT outer{};
        GetWindowRect(window.Handle(), &outer);
        EXPECT_EQ(outer.left, 40);
        EXPECT_EQ(outer.top, 30);

        // The Desk lies where its design puts it, and shows each picture
        // pixel as a square of whole pixels.
        HWND desk = window.I_Desk().Handle();
        RECT deskRect{};
        GetWindowRect(desk, &deskRect);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&deskRect), 2);
        EXPECT_EQ(deskRect.left, 5 * scale);
        EXPECT_EQ(deskRect.top, 37 * scale);
        EXPECT_EQ(deskRect.right - deskRect.left, 262 * scale);
        Pump();
        UpdateWindow(desk);
        HDC dc = GetDC(desk);
        const PixelPicture& picture = window.I_Desk().Picture().Picture();
        for (const POINT p : {POINT{0, 0}, POINT{29, 100}, POINT{130, 130}, POINT{261, 261}}) {
            const Pixel want = picture.At(p.x, p.y);
            const COLORREF shown = GetPixel(dc, p.x * scale + scale - 1, p.y * scale);
            if (shown != CLR_INVALID) {
                EXPECT_EQ(shown, ToColorRef(want)) << p.x << "," << p.y << " at " << scale;
            }
        }
        ReleaseDC(desk, dc);
    }
    window.StopTimer(AppTimer::Glow);
}

}  // namespace
}  // namespace quorbals
