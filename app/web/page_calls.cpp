#include "app/web/page_calls.h"

#include <cstdlib>

#include "platform/web/page_wait.h"

// The page library's functions (page_library.js).
extern "C" {
void quorbals_page_show_splash();
void quorbals_page_close_splash();
void quorbals_page_show_main_window();
void quorbals_page_show_ended(int status);
void quorbals_page_set_score_text(const char* text);
void quorbals_page_paint_desk(const unsigned int* pixels, int width, int height, const int* rects,
                              int count, const int* cursor, int cursorCount);
void quorbals_page_paint_preview(int slot, const unsigned int* pixels, int width, int height);
void quorbals_page_run_later(int what);
void quorbals_page_start_timer(int id, int intervalMs);
void quorbals_page_stop_timer(int id);
void quorbals_page_viewport(int* rect);
void quorbals_page_window_rect(int* rect);
void quorbals_page_move_window(int left, int top);
void quorbals_page_update_accessible_desk(const char* json);
void quorbals_page_announce(const char* text);
int quorbals_page_sound_checked();
void quorbals_page_set_sound_checked(int on);
void quorbals_page_play_wave(const char* name);
void quorbals_page_open_help();
void quorbals_page_open_address(const char* url);
int quorbals_page_show_box(int kind, const char* text);
char* quorbals_page_ask_save_name(const char* offered);
char* quorbals_page_ask_load_file();
void quorbals_page_show_about();
}

namespace quorbals::page {

namespace {

// A text the page allocated with malloc, taken over; null for none.
std::optional<std::string> TakeText(char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    std::string result(text);
    std::free(text);
    return result;
}

ScreenRect RectFrom(void (*ask)(int*)) {
    int r[4] = {};
    ask(r);
    return {r[0], r[1], r[2], r[3]};
}

}  // namespace

void ShowSplash() {
    quorbals_page_show_splash();
}

void CloseSplash() {
    quorbals_page_close_splash();
}

void ShowMainWindow() {
    quorbals_page_show_main_window();
}

void ShowEnded(int status) {
    quorbals_page_show_ended(status);
}

void SetScoreText(const std::string& text) {
    quorbals_page_set_score_text(text.c_str());
}

void PaintDesk(const PixelPicture& desk, std::span<const PixelRect> rects,
               std::span<const FilledRect> cursor) {
    static_assert(sizeof(PixelRect) == 4 * sizeof(int));
    static_assert(sizeof(FilledRect) == 5 * sizeof(int));
    quorbals_page_paint_desk(
        desk.pixels.data(), desk.width, desk.height, reinterpret_cast<const int*>(rects.data()),
        static_cast<int>(rects.size()), reinterpret_cast<const int*>(cursor.data()),
        static_cast<int>(cursor.size()));
}

void PaintPreview(int slot, const PixelPicture& preview) {
    quorbals_page_paint_preview(slot, preview.pixels.data(), preview.width, preview.height);
}

void RunLater(Later what) {
    quorbals_page_run_later(static_cast<int>(what));
}

void StartTimer(int id, int intervalMs) {
    quorbals_page_start_timer(id, intervalMs);
}

void StopTimer(int id) {
    quorbals_page_stop_timer(id);
}

ScreenRect Viewport() {
    return RectFrom(quorbals_page_viewport);
}

ScreenRect WindowRect() {
    return RectFrom(quorbals_page_window_rect);
}

void MoveWindow(int left, int top) {
    quorbals_page_move_window(left, top);
}

void UpdateAccessibleDesk(const std::string& json) {
    quorbals_page_update_accessible_desk(json.c_str());
}

void Announce(const std::string& text) {
    quorbals_page_announce(text.c_str());
}

bool SoundChecked() {
    return quorbals_page_sound_checked() != 0;
}

void SetSoundChecked(bool on) {
    quorbals_page_set_sound_checked(on ? 1 : 0);
}

void PlayWave(const char* name) {
    quorbals_page_play_wave(name);
}

bool ShowBox(BoxKind kind, const std::string& text) {
    PageWait wait;
    return quorbals_page_show_box(static_cast<int>(kind), text.c_str()) != 0;
}

std::optional<std::string> AskSaveName(const std::string& offered) {
    PageWait wait;
    return TakeText(quorbals_page_ask_save_name(offered.c_str()));
}

std::optional<std::string> AskLoadFile() {
    PageWait wait;
    return TakeText(quorbals_page_ask_load_file());
}

void ShowAbout() {
    PageWait wait;
    quorbals_page_show_about();
}

void OpenHelp() {
    quorbals_page_open_help();
}

void OpenAddress(const char* url) {
    quorbals_page_open_address(url);
}

}  // namespace quorbals::page
