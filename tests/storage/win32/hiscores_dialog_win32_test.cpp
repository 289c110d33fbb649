// The Windows high-score dialog: its frame and controls, the name box's
// text through the edit control, the keys inside its own modal loop, and
// the pictures it draws.
#include "storage/win32/hiscores_dialog.h"

#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "storage/high_score_commands.h"

namespace quorbals {
namespace {

// Steps run by thread timers, which the dialog's modal loop dispatches
// like every other message of the thread.
std::map<UINT_PTR, std::function<void()>>& PendingSteps() {
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
}

void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    const auto step = PendingSteps().extract(id);
    if (!step.empty()) {
        step.mapped()();
    }
}

// Returns the timer, so that a watchdog that was not needed can be stopped.
UINT_PTR After(UINT ms, std::function<void()> step) {
    const UINT_PTR id = ::SetTimer(nullptr, 0, ms, &RunStep);
    PendingSteps()[id] = std::move(step);
    return id;
}

void Cancel(UINT_PTR id) {
    ::KillTimer(nullptr, id);
    PendingSteps().erase(id);
}

// Runs `step` once the dialog is up and active, or after 3 seconds.
void WhenActive(HWND dialog, std::function<void()> step, int triesLeft = 60) {
    After(50, [=] {
        if (triesLeft > 0 && (::GetActiveWindow() != dialog || !::IsWindowVisible(dialog))) {
            WhenActive(dialog, step, triesLeft - 1);
        } else {
            step();
        }
    });
}

void PostKey(HWND hwnd, WPARAM key) {
    ::PostMessageW(hwnd, WM_KEYDOWN, key, 1);
}

RECT ClientRectOf(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool SameRect(const RECT& r, int x, int y, int w, int h) {
    return r.left == x && r.top == y && r.right - r.left == w && r.bottom - r.top == h;
}

// A picture drawn by one of the dialog's paint functions, read back.
class Canvas {
public:
    Canvas(int width, int height)
        : dc_(::CreateCompatibleDC(nullptr)),
          bitmap_(::CreateBitmap(width, height, 1, 32, nullptr)),
          old_(::SelectObject(dc_, bitmap_)) {}
    ~Canvas() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }
    bool Reddish(int x, int y) const {
        const COLORREF c = At(x, y);
        return GetRValue(c) > GetGValue(c) + 50 && GetRValue(c) > GetBValue(c) + 50;
    }
    int DarkPixels(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const COLORREF c = At(x, y);
                n += (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) ? 1 : 0;
            }
        }
        return n;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class HiscoresWin32Test : public ::testing::Test {
protected:
    HiscoresWin32Test() : dialog(nullptr, nullptr, table) {}
    // Steps of a dialog that closed too early must not outlive the test.
    ~HiscoresWin32Test() override {
        while (!PendingSteps().empty()) {
            Cancel(PendingSteps().begin()->first);
        }
    }
    ScoreTable table;
    TF_Hiscores dialog;
};

TEST_F(HiscoresWin32Test, FrameAndControls) {
    HWND hwnd = dialog.Handle();
    wchar_t caption[64] = {};
    ::GetWindowTextW(hwnd, caption, 64);
    EXPECT_STREQ(caption, L"Quorbals High Scores");
    const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_TRUE(SameRect(client, 0, 0, 282, 320));
    RECT outer{};
    ::GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.left, (::GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (::GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);

    EXPECT_TRUE(SameRect(ClientRectOf(dialog.SG_Scores), 16, 16, 250, 257));
    EXPECT_FALSE(::IsWindowEnabled(dialog.SG_Scores));
    EXPECT_TRUE(SameRect(ClientRectOf(dialog.BB_OK), 91, 282, 100, 28));
    EXPECT_EQ(::GetDlgCtrlID(dialog.BB_OK), IDOK) << "Enter presses it";
    const LONG_PTR editStyle = ::GetWindowLongPtrW(dialog.E_EditName, GWL_STYLE);
    EXPECT_EQ(editStyle & (WS_BORDER | WS_VISIBLE), 0);
    EXPECT_EQ(::GetWindowLongPtrW(dialog.E_EditName, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_GT(::SendMessageW(dialog.E_EditName, EM_GETLIMITTEXT, 0, 0), 1000000);

    const BoxPosition box = NameBoxPosition(3);
    dialog.ShowNameBox(box.left, box.top, "x");
    EXPECT_TRUE(SameRect(ClientRectOf(dialog.E_EditName), 57, 41 + 3 * 23, 151, 22));
    EXPECT_EQ(::GetWindow(dialog.E_EditName, GW_HWNDPREV), nullptr) << "above the grid";
    EXPECT_EQ(::GetNextDlgTabItem(hwnd, dialog.BB_OK, FALSE), dialog.E_EditName);
}

TEST_F(HiscoresWin32Test, FirstShowingFillsTheGridAndTypedCyrillicNameComesBack) {
    table.count = 1;
    table.entries[0].score = 70;
    table.entries[0].SetName("\xC8\xE2\xE0\xED");  // "Иван" in the code page
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    TF_Hiscores owned(nullptr, owner, table);
    const BoxPosition box = NameBoxPosition(1);
    owned.ShowNameBox(box.left, box.top, "Новый игрок");
    EXPECT_FALSE(owned.GridFilled);
    WhenActive(owned.Handle(), [&] {
        EXPECT_TRUE(owned.GridFilled);
        EXPECT_EQ(owned.CellText(0, 0), "\u2116");
        EXPECT_EQ(owned.CellText(0, 2), "Scores");
        EXPECT_EQ(owned.CellText(1, 1), "Иван");
        EXPECT_FALSE(::IsWindowEnabled(owner)) << "modal";
        EXPECT_EQ(::GetFocus(), owned.E_EditName);
        DWORD start = 1;
        DWORD end = 0;
        ::SendMessageW(owned.E_EditName, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 11u) << "the whole name selected, so typing replaces it";
        for (wchar_t ch : std::wstring(L"Ёжик")) {
            ::PostMessageW(owned.E_EditName, WM_CHAR, ch, 1);
        }
        PostKey(owned.E_EditName, VK_RETURN);
    });
    // A failing step cannot hang the test.
    bool timedOut = false;
    const UINT_PTR watchdog = After(5000, [&] {
        timedOut = true;
        owned.BB_OKKeyPress(27);
    });
    EXPECT_EQ(owned.RunModal(), "Ёжик");
    Cancel(watchdog);
    EXPECT_FALSE(timedOut) << "Enter ended it";
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_FALSE(::IsWindowVisible(owned.Handle()));
    ::DestroyWindow(owner);
}

TEST_F(HiscoresWin32Test, EscapeClosesFromTheButtonOnlyAndKeepsTheName) {
    dialog.ShowNameBox(57, 41, "Ann");
    bool openAfterEscapeInBox = false;
    WhenActive(dialog.Handle(), [&] {
        EXPECT_EQ(::GetFocus(), dialog.E_EditName);
        PostKey(dialog.E_EditName, VK_ESCAPE);
        After(100, [&] {
            openAfterEscapeInBox = ::IsWindowVisible(dialog.Handle());
            ::SetFocus(dialog.BB_OK);
            EXPECT_EQ(::GetFocus(), dialog.BB_OK);
            PostKey(dialog.BB_OK, VK_ESCAPE);
        });
    });
    bool timedOut = false;
    const auto watch = [&] {
        timedOut = false;
        return After(5000, [&] {
            timedOut = true;
            dialog.BB_OKClick();
        });
    };
    UINT_PTR watchdog = watch();
    EXPECT_EQ(dialog.RunModal(), "Ann");
    Cancel(watchdog);
    EXPECT_TRUE(openAfterEscapeInBox);
    EXPECT_FALSE(timedOut) << "Escape on OK ended it";
    EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));

    // Without the name box the OK button has the focus; a close request
    // from the frame ends the dialog too.
    dialog.HideNameBox();
    WhenActive(dialog.Handle(), [&] {
        EXPECT_EQ(::GetFocus(), dialog.BB_OK);
        ::PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    });
    watchdog = watch();
    dialog.RunModal();
    Cancel(watchdog);
    EXPECT_FALSE(timedOut) << "the close request ended it";
    EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));
}

TEST_F(HiscoresWin32Test, ANewEntrysSummaryIsSaidAsTheDialogShows) {
    std::vector<std::string> said;
    dialog.SetAnnouncer([&](const std::string& text) { said.push_back(text); });
    dialog.ShowNameBox(57, 41, "Ann");
    dialog.SetSummary("New high score: place 1, 10 points.");
    WhenActive(dialog.Handle(), [&] { dialog.BB_OKClick(); });
    UINT_PTR watchdog = After(5000, [&] { dialog.BB_OKClick(); });
    dialog.RunModal();
    Cancel(watchdog);
    EXPECT_EQ(said, std::vector<std::string>{"New high score: place 1, 10 points."});

    dialog.HideNameBox();
    dialog.SetSummary({});
    WhenActive(dialog.Handle(), [&] { dialog.BB_OKClick(); });
    watchdog = After(5000, [&] { dialog.BB_OKClick(); });
    dialog.RunModal();
    Cancel(watchdog);
    EXPECT_EQ(said.size(), 1u) << "the table alone says nothing more";
}

TEST_F(HiscoresWin32Test, PanelOrnamentsAndGridPictures) {
    Canvas form(282, 320);
    dialog.PaintForm(form.dc());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    // The lowered outer ring and the raised inner one, between the corners.
    EXPECT_EQ(form.At(140, 0), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(form.At(140, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(form.At(140, 319), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(form.At(140, 318), ::GetSysColor(COLOR_BTNSHADOW));
    // Each corner's ball lies in its own corner; the clear pixels opposite
    // it show the panel.
    const POINT balls[4] = {{4, 4}, {277, 4}, {4, 315}, {277, 315}};
    const POINT clear[4] = {{10, 10}, {271, 10}, {10, 309}, {271, 309}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(form.Reddish(balls[i].x, balls[i].y)) << i;
        EXPECT_EQ(form.At(clear[i].x, clear[i].y), face) << i;
    }

    dialog.SetCell(0, 1, "Name");
    dialog.SetCell(2, 1, "Ёжик");
    Canvas grid(250, 257);
    dialog.PaintGrid(grid.dc());
    EXPECT_EQ(grid.At(20, 12), face) << "header";
    EXPECT_EQ(grid.At(40, 12), RGB(192, 192, 192)) << "line after column 0";
    EXPECT_EQ(grid.At(20, 24), RGB(192, 192, 192)) << "line under the header";
    EXPECT_EQ(grid.At(20, 40), RGB(255, 255, 255));
    // Text two pixels in from the cell's corner, clipped to the cell.
    EXPECT_GT(grid.DarkPixels(43, 2 + 2 * 23 + 2, 192, 2 + 2 * 23 + 22), 20);
    EXPECT_EQ(grid.DarkPixels(41, 2 + 23, 192, 2 + 23 + 22), 0) << "empty row 1";
    EXPECT_GT(grid.DarkPixels(43, 4, 192, 24), 20) << "header text";
}

}  // namespace
}  // namespace quorbals
