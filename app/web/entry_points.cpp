// What the page calls: its events turned into the main window's handlers.
// Input that arrives while a box waits for the player, or after the game
// has ended, is dropped (the page blocks it too).
#include <emscripten.h>

#include "app/about_box_layout.h"
#include "app/main_menu.h"
#include "app/main_window_layout.h"
#include "app/web/key_flags.h"
#include "app/web/main_window.h"
#include "app/web/page_calls.h"
#include "app/web/startup.h"
#include "app/web/tables_json.h"
#include "platform/web/page_wait.h"
#include "storage/high_score_commands.h"
#include "view/design_geometry.h"

using quorbals::MainWindow;
using quorbals::TF_Main;

namespace {

TF_Main* Input() {
    TF_Main* window = MainWindow();
    return window != nullptr && !quorbals::PageWaiting() ? window : nullptr;
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

// A key pressed (down 1) or released while the main window has the
// keyboard and no menu or box of the page takes it: its virtual-key code
// and what was held (kKey* bits). 1 when the game took it, and the page
// then lets the browser do nothing with it.
EMSCRIPTEN_KEEPALIVE int quorbals_key(int code, int flags) {
    TF_Main* w = Input();
    if (w == nullptr) {
        return 0;
    }
    quorbals::KeyEvent key;
    key.code = code;
    key.ctrl = (flags & quorbals::kKeyCtrl) != 0;
    key.alt = (flags & quorbals::kKeyAlt) != 0;
    key.shift = (flags & quorbals::kKeyShift) != 0;
    key.system = (flags & quorbals::kKeySystem) != 0;
    key.repeat = (flags & quorbals::kKeyRepeat) != 0;
    key.down = (flags & quorbals::kKeyDown) != 0;
    return w->commands.HandleKey(key) ? 1 : 0;
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
    } else if (what == static_cast<int>(quorbals::page::Later::Close) && !quorbals::PageWaiting()) {
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

// The device pixels a design pixel takes for a window of width x height
// design pixels in a viewport of viewWidth x viewHeight device pixels.
EMSCRIPTEN_KEEPALIVE double quorbals_fitted_scale(double viewWidth, double viewHeight, int width,
                                                  int height) {
    return quorbals::FittedScale(viewWidth, viewHeight, width, height);
}

// The dialogs' rules, which the page's boxes follow as the other front
// ends' do: whether a click at (x, y) of the About box closes it, and
// whether Escape closes the high scores.
EMSCRIPTEN_KEEPALIVE int quorbals_about_click_reaches_ok(int x, int y) {
    return quorbals::AboutClickReachesOk(x, y) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int quorbals_escape_closes_scores(int okButtonHasFocus) {
    return quorbals::EscapeClosesScores(okButtonHasFocus != 0) ? 1 : 0;
}

// Whether a score `textWidth` design pixels wide is centred in its label
// (1) or keeps its leading digits at the left (0).
EMSCRIPTEN_KEEPALIVE int quorbals_score_centred(int textWidth) {
    return quorbals::ScoreAlignmentFor(textWidth) == quorbals::ScoreAlignment::kCentred ? 1 : 0;
}

// The viewport changed size (a rotation, a resized browser window, zoom);
// `rescaled` when the windows' scale changed with it.
EMSCRIPTEN_KEEPALIVE void quorbals_viewport_changed(int rescaled) {
    if (TF_Main* w = MainWindow()) {
        w->commands.ViewportChanged(rescaled != 0);
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
