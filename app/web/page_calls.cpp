#include "app/web/page_calls.h"

#include <emscripten.h>

#include <cstdlib>

namespace quorbals::page {

namespace {

int waiting = 0;

// Marks the span of one wait.
class Wait {
public:
    Wait() { ++waiting; }
    ~Wait() { --waiting; }
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;
};

// A text the page allocated with malloc, taken over; null for none.
std::optional<std::string> TakeText(char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    std::string result(text);
    std::free(text);
    return result;
}

}  // namespace

// clang-format off
EM_JS(void, QuorbalsPageCall0, (const char* name), {
    Module["page"][UTF8ToString(name)]();
});
EM_JS(void, QuorbalsPageCallInts, (const char* name, int a, int b, int c), {
    Module["page"][UTF8ToString(name)](a, b, c);
});
EM_JS(int, QuorbalsPageAskInt, (const char* name), {
    return Module["page"][UTF8ToString(name)]() | 0;
});
EM_JS(void, QuorbalsPageCallString, (const char* name, const char* text), {
    Module["page"][UTF8ToString(name)](UTF8ToString(text));
});
EM_JS(void, QuorbalsPageCallText, (const char* name, int a, int b, const char* text), {
    Module["page"][UTF8ToString(name)](a, b, UTF8ToString(text));
});
EM_JS(void, QuorbalsPageRect, (const char* name, int* rect), {
    var r = Module["page"][UTF8ToString(name)]();
    for (var i = 0; i < 4; ++i) {
        HEAP32[(rect >> 2) + i] = r[i] | 0;
    }
});
EM_JS(void, QuorbalsPagePaintDesk, (const unsigned int* pixels, int width, int height,
                                    const int* rects, int count), {
    Module["page"].paintDesk(HEAPU8, HEAP32, pixels, width, height, rects, count);
});
EM_JS(void, QuorbalsPagePaintPreview, (int slot, const unsigned int* pixels, int width, int height), {
    Module["page"].paintPreview(slot, HEAPU8, pixels, width, height);
});

EM_ASYNC_JS(int, QuorbalsPageShowBox, (int kind, const char* text), {
    return (await Module["page"].showBox(kind, UTF8ToString(text))) ? 1 : 0;
});
EM_ASYNC_JS(char*, QuorbalsPageAskText, (const char* name, const char* offered), {
    var answer = await Module["page"][UTF8ToString(name)](UTF8ToString(offered));
    if (answer === null || answer === undefined) {
        return 0;
    }
    var size = lengthBytesUTF8(answer) + 1;
    var out = _malloc(size);
    stringToUTF8(answer, out, size);
    return out;
});
EM_ASYNC_JS(void, QuorbalsPageWait, (const char* name), {
    await Module["page"][UTF8ToString(name)]();
});
// clang-format on

void ShowSplash() {
    QuorbalsPageCall0("showSplash");
}

void CloseSplash() {
    QuorbalsPageCall0("closeSplash");
}

void ShowMainWindow() {
    QuorbalsPageCall0("showMainWindow");
}

void ShowEnded(int status) {
    QuorbalsPageCallInts("showEnded", status, 0, 0);
}

void SetScoreText(const std::string& text) {
    QuorbalsPageCallString("setScoreText", text.c_str());
}

void PaintDesk(const PixelPicture& desk, std::span<const PixelRect> rects) {
    static_assert(sizeof(PixelRect) == 4 * sizeof(int));
    QuorbalsPagePaintDesk(desk.pixels.data(), desk.width, desk.height,
                          reinterpret_cast<const int*>(rects.data()),
                          static_cast<int>(rects.size()));
}

void PaintPreview(int slot, const PixelPicture& preview) {
    QuorbalsPagePaintPreview(slot, preview.pixels.data(), preview.width, preview.height);
}

void RunLater(Later what) {
    QuorbalsPageCallInts("runLater", static_cast<int>(what), 0, 0);
}

void StartTimer(int id, int intervalMs) {
    QuorbalsPageCallInts("startTimer", id, intervalMs, 0);
}

void StopTimer(int id) {
    QuorbalsPageCallInts("stopTimer", id, 0, 0);
}

ScreenRect Viewport() {
    int r[4] = {};
    QuorbalsPageRect("viewport", r);
    return {r[0], r[1], r[2], r[3]};
}

ScreenRect WindowRect() {
    int r[4] = {};
    QuorbalsPageRect("windowRect", r);
    return {r[0], r[1], r[2], r[3]};
}

void MoveWindow(int left, int top) {
    QuorbalsPageCallInts("moveWindow", left, top, 0);
}

bool SoundChecked() {
    return QuorbalsPageAskInt("soundChecked") != 0;
}

void SetSoundChecked(bool on) {
    QuorbalsPageCallInts("setSoundChecked", on ? 1 : 0, 0, 0);
}

void PlayWave(const char* name) {
    QuorbalsPageCallString("playWave", name);
}

bool Waiting() {
    return waiting > 0;
}

bool ShowBox(BoxKind kind, const std::string& text) {
    Wait wait;
    return QuorbalsPageShowBox(static_cast<int>(kind), text.c_str()) != 0;
}

std::optional<std::string> AskSaveName(const std::string& offered) {
    Wait wait;
    return TakeText(QuorbalsPageAskText("askSaveName", offered.c_str()));
}

std::optional<std::string> AskLoadFile() {
    Wait wait;
    return TakeText(QuorbalsPageAskText("askLoadFile", ""));
}

void ShowAbout() {
    Wait wait;
    QuorbalsPageWait("showAbout");
}

void OpenHelp() {
    QuorbalsPageCall0("openHelp");
}

void OpenAddress(const char* url) {
    QuorbalsPageCallString("openAddress", url);
}

void SetScoreCell(int row, int column, const std::string& text) {
    QuorbalsPageCallText("setScoreCell", row, column, text.c_str());
}

void ShowNameBox(int left, int top, const std::string& name) {
    QuorbalsPageCallText("showNameBox", left, top, name.c_str());
}

void HideNameBox() {
    QuorbalsPageCall0("hideNameBox");
}

std::string RunHighScores() {
    Wait wait;
    return TakeText(QuorbalsPageAskText("runHighScores", "")).value_or(std::string());
}

}  // namespace quorbals::page
