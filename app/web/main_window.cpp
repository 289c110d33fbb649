#include "app/web/main_window.h"

#include "app/web/desk_state_json.h"
#include "app/web/page_calls.h"
#include "app/web/save_name.h"
#include "platform/web/page_wait.h"

namespace quorbals {

namespace {

int TimerId(AppTimer timer) {
    return static_cast<int>(timer);
}

// The folders the page's files are named under: a saved game is written to
// the downloads, a picked one read from the picked files.
constexpr char kDownloadsFolder[] = "/downloads/";

}  // namespace

void TF_Main::TimerTick(int id) {
    if (closed_ || id < 0 || id > 2 || !timerRunning_[static_cast<std::size_t>(id)]) {
        return;  // a tick already queued when its timer stopped
    }
    const auto timer = static_cast<AppTimer>(id);
    if (timer != AppTimer::Glow && PageWaiting()) {
        return;
    }
    switch (timer) {
        case AppTimer::Glow:
            commands.T_GlowTimerTimer();
            break;
        case AppTimer::Wait:
            commands.WaitTimerTimer();
            break;
        case AppTimer::Move:
            commands.MoveTimerTimer();
            break;
    }
}

void TF_Main::Close() {
    if (closed_) {
        return;
    }
    commands.FormClose();
    End(0);
}

void TF_Main::End(int status) {
    // The page cannot end; it stops taking input and says the game has ended.
    closed_ = true;
    for (AppTimer timer : {AppTimer::Glow, AppTimer::Wait, AppTimer::Move}) {
        StopTimer(timer);
    }
    page::ShowEnded(status);
}

void TF_Main::SaveSettingsQuietly() {
    if (closed_ || app.paths.settingsFile.empty()) {
        return;
    }
    try {
        commands.WindowSettingsSave();
    } catch (...) {
        // The page is going away: there is no one to tell.
    }
}

void TF_Main::ShowDeskRects(std::span<const PixelRect> rects) {
    const KeyboardCursor& cursor = commands.Cursor();
    std::array<FilledRect, 8> frame{};
    std::span<const FilledRect> shown;
    if (cursor.shown) {
        frame = CursorFrame(cursor.cell);
        shown = frame;
    }
    page::PaintDesk(commands.Pictures().desk.Picture(), rects, shown);
    for (const PixelRect& r : rects) {
        commands.Pictures().desk.MarkShown(r);
    }
}

void TF_Main::FlushDeskSoon() {
    page::RunLater(page::Later::FlushDesk);
}

void TF_Main::ShowPreview(int slot) {
    page::PaintPreview(slot,
                       commands.Pictures().previews[static_cast<std::size_t>(slot)].Picture());
}

void TF_Main::DeskStateChanged() {
    // Called after every release and key; the page hears only of changes.
    std::string state = DeskStateJson(app);
    if (state != deskState_) {
        deskState_ = std::move(state);
        page::UpdateAccessibleDesk(deskState_);
    }
}

void TF_Main::Announce(const std::string& text) {
    page::Announce(text);
}

void TF_Main::SetScoreText(const std::string& text) {
    page::SetScoreText(text);
}

bool TF_Main::TimerRunning(AppTimer timer) const {
    return timerRunning_[static_cast<std::size_t>(TimerId(timer))];
}

void TF_Main::StartTimer(AppTimer timer) {
    if (closed_) {
        return;
    }
    timerRunning_[static_cast<std::size_t>(TimerId(timer))] = true;
    page::StartTimer(TimerId(timer), TimerIntervalMs(timer));
}

void TF_Main::StopTimer(AppTimer timer) {
    timerRunning_[static_cast<std::size_t>(TimerId(timer))] = false;
    page::StopTimer(TimerId(timer));
}

ScreenRect TF_Main::PrimaryScreen() const {
    return page::Viewport();
}

ScreenRect TF_Main::OuterRect() const {
    return page::WindowRect();
}

void TF_Main::SetClientSize(int, int) {
    // The page lays the window out at the play area's size already.
}

void TF_Main::MoveWindow(int left, int top) {
    page::MoveWindow(left, top);
}

void TF_Main::CloseMainWindow() {
    // As a window system closes a window: after the running handler.
    page::RunLater(page::Later::Close);
}

bool TF_Main::SoundChecked() const {
    return page::SoundChecked();
}

void TF_Main::SetSoundChecked(bool on) {
    page::SetSoundChecked(on);
}

void TF_Main::PlayWave(const char* name) {
    page::PlayWave(name);
}

bool TF_Main::ShowBox(BoxKind kind, const std::string& text) {
    return page::ShowBox(kind, text);
}

std::optional<std::string> TF_Main::AskSavePath(const std::string&, const std::string& fileName) {
    const auto typed = page::AskSaveName(fileName);
    if (!typed) {
        return std::nullopt;
    }
    const std::string name = SaveFileName(*typed);
    if (name.empty()) {
        return std::nullopt;
    }
    return kDownloadsFolder + name;
}

std::optional<std::string> TF_Main::AskLoadPath(const std::string&, const std::string&) {
    const auto picked = page::AskLoadFile();
    if (!picked) {
        return std::nullopt;
    }
    return page::kPickedFolder + *picked;
}

void TF_Main::ShowAbout() {
    page::ShowAbout();
}

void TF_Main::ShowHelp(const std::string&) {
    // The help pages are part of the site, made from the help file's sources.
    page::OpenHelp();
}

void TF_Main::OpenWebAddress(const char* url) {
    page::OpenAddress(url);
}

void TF_Main::ExitNow(int status) {
    End(status);
}

}  // namespace quorbals
