// TF_Main: the main window of the Windows front end: the score and preview
// strip, the Desk, the menu and the three timers. What they do is decided
// by the shared MainCommands; this class supplies the Win32 windows, boxes
// and calls.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/front_end.h"
#include "app/main_commands.h"
#include "app/win32/screen_reader_access.h"
#include "platform/win32/win32_headers.h"
#include "platform/win32/window_procedure.h"
#include "view/win32/desk_window.h"
#include "view/win32/picture_bitmap.h"

namespace quorbals {

class TF_Main : public FrontEnd {
public:
    TF_Main();
    ~TF_Main() override;
    TF_Main(const TF_Main&) = delete;
    TF_Main& operator=(const TF_Main&) = delete;

    // Makes the hidden window with its menu and controls.
    bool Create();
    HWND Handle() const { return hwnd_; }
    // A key message from the message loop for this window or one of its
    // controls: true when the game took it (it is then not dispatched).
    bool TakeKey(const MSG& msg);

    // Handlers, named after their control and event.
    void FormShow();
    void FormActivate() { commands.FormActivate(); }
    void FormClose() { commands.FormClose(); }

    // The dialog is made after the window; null enters scores without one.
    void SetHighScoreDialog(HighScoreDialog* dialog) { hiscores_ = dialog; }
    // The application's hidden window, which owns the help viewer and the
    // shell's windows; without one they belong to nobody.
    void SetApplicationWindow(HWND application) { application_ = application; }

    // FrontEnd.
    void ShowDeskRects(std::span<const PixelRect> rects) override;
    void FlushDeskSoon() override;
    void ShowPreview(int slot) override;
    void DeskStateChanged() override;
    void Announce(const std::string& text) override;
    void SetScoreText(const std::string& text) override;
    bool TimerRunning(AppTimer timer) const override;
    void StartTimer(AppTimer timer) override;
    void StopTimer(AppTimer timer) override;
    ScreenRect PrimaryScreen() const override;
    ScreenRect OuterRect() const override;
    void SetClientSize(int width, int height) override;
    void MoveWindow(int left, int top) override;
    void CloseMainWindow() override;
    bool SoundChecked() const override;
    void SetSoundChecked(bool on) override;
    void PlayWave(const char* name) override;
    bool ShowBox(BoxKind kind, const std::string& text) override;
    std::optional<std::string> AskSavePath(const std::string& folder,
                                           const std::string& fileName) override;
    std::optional<std::string> AskLoadPath(const std::string& folder,
                                           const std::string& fileName) override;
    std::string DocumentsFolder() const override;
    HighScoreDialog* HighScores() override { return hiscores_; }
    void ShowAbout() override;
    void ShowHelp(const std::string& helpFile) override;
    void OpenWebAddress(const char* url) override;
    void ExitNow(int status) override;

    AppState app;
    MainCommands commands{app, *this};

    const DeskWindow& I_Desk() const { return *desk_; }
    // Screen pixels per design pixel on the window's monitor.
    int Scale() const { return scale_; }

private:
    template <typename Window>
    friend LRESULT CALLBACK RouteToWindow(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool TakeKey(UINT message, WPARAM wParam, LPARAM lParam);
    void RunMenuItem(UINT id);
    // WM_DESTROY: no timer outlives the window, and the program ends.
    void OnDestroy();
    // WM_GETDPISCALEDSIZE (the window's size at another monitor's scale)
    // and WM_DPICHANGED (the window moved there).
    LRESULT DpiMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void AddScoreHint();
    // Lays the window out again for a monitor of another scale.
    void ApplyScale(int scale);
    RECT ScaledRect(const DesignRect& r) const;
    void TimerTick(UINT_PTR id);

    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    HWND hint_ = nullptr;
    std::wstring hintText_;
    HFONT scoreFont_ = nullptr;
    std::unique_ptr<DeskWindow> desk_;
    std::unique_ptr<ScreenReaderAccess> access_;
    std::unique_ptr<PictureBitmap> nextBitmap_[3];
    std::string scoreText_ = "0";
    int scale_ = 1;
    // The client area in design pixels, as the shared commands set it.
    int clientWidth_ = kPlayWidth;
    int clientHeight_ = kPlayHeight;
    bool playShown_ = false;  // P_Play
    bool timerRunning_[3] = {false, false, false};
    HighScoreDialog* hiscores_ = nullptr;
    HWND application_ = nullptr;
};

}  // namespace quorbals
