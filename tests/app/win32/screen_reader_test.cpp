// The main window as a screen reader reads it, through the system's
// AccessibleObjectFromWindow and WinEvents: the play area and its Desk
// table, the selection and the focus as the keys move them, the events
// after a turn, the news, and objects that outlive their window.
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "app/win32/main_window.h"
#include "view/cell_names.h"
#include "view/win32/desk_accessible.h"

namespace quorbals {
namespace {

struct SeenEvent {
    DWORD event;
    HWND hwnd;
    LONG object;
    LONG child;
};
std::vector<SeenEvent> seen;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    seen.push_back({event, hwnd, object, child});
}

bool Saw(DWORD event, HWND hwnd, LONG child) {
    for (const SeenEvent& e : seen) {
        if (e.event == event && e.hwnd == hwnd && e.object == OBJID_CLIENT && e.child == child) {
            return true;
        }
    }
    return false;
}

// Handles what is queued until `done`, for at most five seconds.
bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG until = GetTickCount64() + 5000;
    while (true) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done() || GetTickCount64() > until) {
            return done();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

VARIANT Child(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string Name(IAccessible* object, LONG id) {
    BSTR name = nullptr;
    if (object->get_accName(Child(id), &name) != S_OK || !name) {
        return {};
    }
    std::string text;
    for (const wchar_t* c = name; *c; ++c) {
        text += static_cast<char>(*c);  // the names are ASCII
    }
    SysFreeString(name);
    return text;
}

LONG Number(IAccessible* object, HRESULT (IAccessible::*get)(VARIANT, VARIANT*), LONG id) {
    VARIANT v;
    VariantInit(&v);
    return (object->*get)(Child(id), &v) == S_OK && v.vt == VT_I4 ? v.lVal : -1;
}

LONG Role(IAccessible* object, LONG id) {
    return Number(object, &IAccessible::get_accRole, id);
}
LONG State(IAccessible* object, LONG id) {
    return Number(object, &IAccessible::get_accState, id);
}

// "24 cell "red ball, row 3, column 6" state 0x200000", for the log.
std::string Describe(IAccessible* object, LONG id) {
    char role[64] = {};
    GetRoleTextA(static_cast<DWORD>(Role(object, id)), role, sizeof role);
    std::ostringstream line;
    line << id << " " << role << " \"" << Name(object, id) << "\" state 0x" << std::hex
         << State(object, id);
    return line.str();
}

IAccessible* ClientObject(HWND hwnd) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object));
    return object;
}

class ScreenReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        window = std::make_unique<TF_Main>();
        if (!window->Create()) {
            GTEST_SKIP() << "no windows without a display";
        }
        window->commands.FormCreate(DataPaths{});  // no files
        window->SetSoundChecked(false);
        ShowWindow(window->Handle(), SW_SHOW);
        SetForegroundWindow(window->Handle());
        SetFocus(window->Handle());
        window->FormActivate();
        window->StopTimer(AppTimer::Glow);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == window->Handle(); }));
        hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &Record, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
        deskHwnd = window->I_Desk().Handle();
        desk = ClientObject(deskHwnd);
        playArea = ClientObject(window->Handle());
        ASSERT_TRUE(desk && playArea);
    }
    void TearDown() override {
        for (IAccessible* object : {desk, playArea}) {
            if (object) {
                object->Release();
            }
        }
        if (hook) {
            UnhookWinEvent(hook);
        }
        seen.clear();
        window.reset();
        CoUninitialize();
    }
    const GameState& Game() const { return window->app.game; }
    // Presses keys of keyboard play until the cursor is on `cell`.
    void CursorTo(Cell cell) {
        window->commands.DeskKeyDown(DeskKey::Left);  // shows it where it was
        while (window->commands.Cursor().cell.x != cell.x) {
            window->commands.DeskKeyDown(window->commands.Cursor().cell.x < cell.x ? DeskKey::Right
                                                                                   : DeskKey::Left);
        }
        while (window->commands.Cursor().cell.y != cell.y) {
            window->commands.DeskKeyDown(window->commands.Cursor().cell.y < cell.y ? DeskKey::Down
                                                                                   : DeskKey::Up);
        }
    }
    Cell FirstBall() const {
        for (int i = 0; i < kCellCount; ++i) {
            if (Game().desk[static_cast<std::size_t>(i)] != kNoBall) {
                return Cell{i % kDeskSide, i / kDeskSide};
            }
        }
        return Cell{};
    }

    std::unique_ptr<TF_Main> window;
    HWINEVENTHOOK hook = nullptr;
    HWND deskHwnd = nullptr;
    IAccessible* desk = nullptr;
    IAccessible* playArea = nullptr;
};

TEST_F(ScreenReaderTest, ReadsThePlayAreaAndTheDeskAsATable) {
    LONG count = 0;
    ASSERT_EQ(playArea->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Name(playArea, 1), ScoreName(Game()));
    EXPECT_EQ(Name(playArea, 2), PreviewNames(Game(), false));
    for (LONG id = 0; id <= count; ++id) {
        std::cout << (id ? "  " : "") << Describe(playArea, id) << "\n";
    }

    EXPECT_EQ(Role(desk, CHILDID_SELF), ROLE_SYSTEM_TABLE);
    EXPECT_EQ(Name(desk, CHILDID_SELF), "Desk");
    ASSERT_EQ(desk->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, 81);
    std::cout << "  3: " << Describe(desk, CHILDID_SELF) << ", " << count << " cells\n";
    for (LONG id = 1; id <= count; ++id) {
        const Cell cell = DeskAccessible::CellOf(id);
        EXPECT_EQ(Name(desk, id), CellName(Game(), cell, false)) << id;
        EXPECT_EQ(Role(desk, id), ROLE_SYSTEM_CELL);
        if (Game().desk[static_cast<std::size_t>(id - 1)] != kNoBall || id == 1 || id == 81) {
            std::cout << "    " << Describe(desk, id) << "\n";
        }
    }
    // Row first, counted from 1, as a listener counts.
    const Cell ball = FirstBall();
    EXPECT_EQ(Name(desk, DeskAccessible::ChildOf(ball)),
              ColourName(Game().desk[static_cast<std::size_t>(CellIndex(ball.x, ball.y))]) +
                  " ball, row " + std::to_string(ball.y + 1) + ", column " +
                  std::to_string(ball.x + 1));

    // Where a cell lies is where a hit lands, and its neighbours are beside it.
    LONG x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(desk->accLocation(&x, &y, &w, &h, Child(41)), S_OK);
    EXPECT_EQ(w, 28);
    VARIANT hit;
    ASSERT_EQ(desk->accHitTest(x + w / 2, y + h / 2, &hit), S_OK);
    EXPECT_EQ(hit.vt == VT_I4 ? hit.lVal : -1, 41);
    VARIANT next;
    ASSERT_EQ(desk->accNavigate(NAVDIR_DOWN, Child(41), &next), S_OK);
    EXPECT_EQ(next.lVal, 50);
    EXPECT_EQ(desk->accNavigate(NAVDIR_RIGHT, Child(45), &next), S_FALSE);
}

TEST_F(ScreenReaderTest, SelectionAndFocusFollowTheKeys) {
    const Cell ball = FirstBall();
    const LONG ballId = DeskAccessible::ChildOf(ball);
    CursorTo(ball);
    window->commands.DeskKeyDown(DeskKey::Act);
    ASSERT_NE(Game().selection.color, kNoBall);

    EXPECT_TRUE(State(desk, ballId) & STATE_SYSTEM_SELECTED);
    EXPECT_TRUE(State(desk, ballId) & STATE_SYSTEM_FOCUSED);
    EXPECT_FALSE(State(desk, ballId == 1 ? 2 : 1) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED));
    VARIANT v;
    ASSERT_EQ(desk->get_accSelection(&v), S_OK);
    EXPECT_EQ(v.lVal, ballId);
    ASSERT_EQ(playArea->get_accFocus(&v), S_OK);
    EXPECT_EQ(v.vt, VT_DISPATCH);  // the Desk's window
    VariantClear(&v);

    std::cout << "after Enter: " << Describe(desk, ballId) << "\n";
    const DeskKey away = ball.x < 8 ? DeskKey::Right : DeskKey::Left;
    const LONG awayId = ballId + (ball.x < 8 ? 1 : -1);
    window->commands.DeskKeyDown(away);
    ASSERT_EQ(desk->get_accFocus(&v), S_OK);
    EXPECT_EQ(v.lVal, awayId);
    EXPECT_TRUE(PumpUntil([&] { return Saw(EVENT_OBJECT_FOCUS, deskHwnd, awayId); }));
    std::cout << "after an arrow: " << Describe(desk, ballId) << "; " << Describe(desk, awayId)
              << "\n";
    EXPECT_TRUE(Saw(EVENT_OBJECT_SELECTION, deskHwnd, ballId));

    // The selection is said too, and a free cell says whether the ball can
    // get there.
    const std::string colour =
        ColourName(Game().desk[static_cast<std::size_t>(CellIndex(ball.x, ball.y))]);
    const std::string capital = Capitalised(colour) + " ball";
    EXPECT_EQ(Name(playArea, 4), capital + " selected, " + CellPlace(ball) + ".");
    const Cell awayCell{ball.x + (ball.x < 8 ? 1 : -1), ball.y};
    if (Game().desk[static_cast<std::size_t>(CellIndex(awayCell.x, awayCell.y))] == kNoBall) {
        EXPECT_EQ(Name(desk, awayId), "empty, " + CellPlace(awayCell) + ", reachable");
    }

    window->commands.DeskKeyDown(DeskKey::Deselect);
    EXPECT_EQ(desk->get_accSelection(&v), S_FALSE);
    EXPECT_TRUE(PumpUntil([&] { return Saw(EVENT_OBJECT_SELECTIONREMOVE, deskHwnd, ballId); }));
    EXPECT_EQ(Name(playArea, 4), capital + " put down.");
    if (Game().desk[static_cast<std::size_t>(CellIndex(awayCell.x, awayCell.y))] == kNoBall) {
        window->commands.DeskKeyDown(DeskKey::Act);
        EXPECT_EQ(Name(playArea, 4), "Select a ball first.");
    }
}

TEST_F(ScreenReaderTest, ATurnChangesNamesAndItsNewsIsSaid) {
    // A ball steps onto a free neighbour, then the previews land.
    const Cell ball = FirstBall();
    CursorTo(ball);
    window->commands.DeskKeyDown(DeskKey::Act);
    Cell to = ball;
    for (const Cell step : {Cell{1, 0}, Cell{-1, 0}, Cell{0, 1}, Cell{0, -1}}) {
        const Cell next{ball.x + step.x, ball.y + step.y};
        if (OnDesk(next.x, next.y) &&
            Game().desk[static_cast<std::size_t>(CellIndex(next.x, next.y))] == kNoBall) {
            to = next;
        }
    }
    ASSERT_FALSE(to == ball);
    const std::string previews = Name(playArea, 2);
    CursorTo(to);
    window->commands.DeskKeyDown(DeskKey::Act);
    ASSERT_TRUE(PumpUntil([&] { return !window->commands.Busy() && !Name(playArea, 4).empty(); }));

    // The news is the name of a static text window, child 4 of the play area.
    IDispatch* child = nullptr;
    ASSERT_EQ(playArea->get_accChild(Child(4), &child), S_OK);
    HWND newsWindow = nullptr;
    WindowFromAccessibleObject(reinterpret_cast<IAccessible*>(child), &newsWindow);
    child->Release();
    IAccessible* news = ClientObject(newsWindow);
    ASSERT_TRUE(news);
    const std::string said = Name(news, CHILDID_SELF);
    news->Release();
    std::cout << "news: \"" << said << "\"\n";
    EXPECT_NE(said.find(" ball moved to " + CellPlace(to) + "."), std::string::npos);
    EXPECT_EQ(Name(playArea, 4), said);
    EXPECT_TRUE(PumpUntil([&] {
        return Saw(EVENT_OBJECT_LIVEREGIONCHANGED, newsWindow, CHILDID_SELF) &&
               Saw(EVENT_OBJECT_NAMECHANGE, deskHwnd, DeskAccessible::ChildOf(ball)) &&
               Saw(EVENT_OBJECT_NAMECHANGE, deskHwnd, DeskAccessible::ChildOf(to));
    }));
    EXPECT_EQ(Name(desk, DeskAccessible::ChildOf(to)), CellName(Game(), to, false));
    EXPECT_EQ(Name(playArea, 2), PreviewNames(Game(), false));
    EXPECT_EQ(Saw(EVENT_OBJECT_NAMECHANGE, window->Handle(), 2), Name(playArea, 2) != previews);

    window->commands.ToggleColourMarks();
    EXPECT_EQ(Name(playArea, 4), "Colour marks on.");
    EXPECT_EQ(Name(desk, DeskAccessible::ChildOf(to)), CellName(Game(), to, true));
}

TEST_F(ScreenReaderTest, ObjectsHeldAfterTheWindowGoesAnswerThatTheyAreGone) {
    desk->AddRef();
    IAccessible* held = desk;
    window.reset();
    LONG count = 0;
    EXPECT_EQ(held->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    BSTR name = nullptr;
    EXPECT_EQ(held->get_accName(Child(1), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    held->Release();
}

}  // namespace
}  // namespace quorbals
