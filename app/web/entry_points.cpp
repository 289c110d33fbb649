// What the page calls: its events turned into the main window's handlers.
// Input that arrives while a box waits for the player, or after the game
// has ended, is dropped (the page blocks it too).
#include <emscripten.h>

#include "app/main_menu.h"
#include "app/web/main_window.h"
#include "app/web/page_calls.h"
#include "app/web/startup.h"
#include "app/web/tables_json.h"

using quorbals::MainWindow;
using quorbals::TF_Main;

namespace {

TF_Main* Input() {
    TF_Main* window = MainWindow();
    return window != nullptr && !quorbals::page::Waiting() ? window : nullptr;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quorbals_activate() {
    if (TF_Main* w = Input()) {
        w->commands.FormActivate();
    }
}

EMSCRIPTEN_KEEPALIVE void quorbals_menu(int command) {
    if (command < 0 || command >= quorbals::kMenuCommandCount) {
        return;
    }
    if (TF_Main* w = Input()) {
        quorbals::RunMenuCommand(w->commands, static_cast<quorbals::MenuCommand>(command));
    }
}

// A key released while the main window has the keyboard (virtual-key code).
EMSCRIPTEN_KEEPALIVE void quorbals_key_up(int key) {
    constexpr int kF1 = 112;
    if (key != kF1) {
        return;
    }
    if (TF_Main* w = Input()) {
        w->commands.MI_HelpContClick();
    }
}

// A key of keyboard play (a DeskKey's number) while the main window has
// the keyboard and no Ctrl, Alt or Meta is held; `repeat` for a held key.
EMSCRIPTEN_KEEPALIVE void quorbals_desk_key(int key, int repeat) {
    if (key < 0 || key > static_cast<int>(quorbals::DeskKey::Deselect)) {
        return;
    }
    const auto deskKey = static_cast<quorbals::DeskKey>(key);
    if (!quorbals::DeskKeyCounts(deskKey, repeat != 0, false)) {
        return;
    }
    if (TF_Main* w = Input()) {
        w->commands.DeskKeyDown(deskKey);
    }
}

// Ctrl+M: colour marks on or off.
EMSCRIPTEN_KEEPALIVE void quorbals_toggle_marks() {
    if (TF_Main* w = Input()) {
        w->commands.ToggleColourMarks();
    }
}

EMSCRIPTEN_KEEPALIVE void quorbals_pointer_move(int x, int y) {
    if (TF_Main* w = Input()) {
        w->commands.I_DeskMouseMove(x, y);
    }
}

EMSCRIPTEN_KEEPALIVE void quorbals_pointer_up(int x, int y) {
    if (TF_Main* w = Input()) {
        w->commands.I_DeskMouseUp(x, y);
    }
}

EMSCRIPTEN_KEEPALIVE void quorbals_pointer_leave() {
    if (TF_Main* w = Input()) {
        w->commands.I_DeskMouseLeave();
    }
}

EMSCRIPTEN_KEEPALIVE void quorbals_timer(int id) {
    if (TF_Main* w = MainWindow()) {
        w->TimerTick(id);
    }
}

// What page.runLater asked for.
EMSCRIPTEN_KEEPALIVE void quorbals_later(int what) {
    TF_Main* w = MainWindow();
    if (w == nullptr) {
        return;
    }
    if (what == static_cast<int>(quorbals::page::Later::FlushDesk)) {
        w->commands.FlushDesk();
    } else if (what == static_cast<int>(quorbals::page::Later::Close) &&
               !quorbals::page::Waiting()) {
        w->Close();
    }
}

// The page is being left (its tab closes, or it goes into the browser's
// back-forward cache and may come back): the settings are saved as at a
// close, without a box, which could no longer be seen.
EMSCRIPTEN_KEEPALIVE void quorbals_page_hidden() {
    if (TF_Main* w = MainWindow()) {
        w->SaveSettingsQuietly();
    }
}

// The shared tables the page builds its windows from, as JSON.
EMSCRIPTEN_KEEPALIVE const char* quorbals_tables() {
    static const std::string json = quorbals::WindowTablesJson();
    return json.c_str();
}

}  // extern "C"

int main() {
    return quorbals::RunQuorbals();
}
