// TF_Main in the browser: the shared commands over the page's windows. The
// page turns its events into the exported quorbals_* calls (entry_points),
// and this class answers what the commands ask of a front end.
#pragma once

#include <array>
#include <string>

#include "app/app_state.h"
#include "app/front_end.h"
#include "app/main_commands.h"

namespace quorbals {

class TF_Main : public FrontEnd {
public:
    TF_Main() = default;
    TF_Main(const TF_Main&) = delete;
    TF_Main& operator=(const TF_Main&) = delete;

    void SetHighScoreDialog(HighScoreDialog* dialog) { hiscores_ = dialog; }

    // A tick of timer `id` (its AppTimer's number). While a box or dialog
    // waits for the player, the turn cycle's and the move's ticks are
    // held back until it closes; the glow goes on.
    void TimerTick(int id);
    // Closing: the settings are saved and the page shows the game has ended.
    void Close();
    // The settings as a close saves them, failures unreported; nothing
    // more, once the game has ended.
    void SaveSettingsQuietly();

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
    // The browser chooses where downloads go and where the picker opens.
    std::string DocumentsFolder() const override { return {}; }
    HighScoreDialog* HighScores() override { return hiscores_; }
    void ShowAbout() override;
    void ShowHelp(const std::string& helpFile) override;
    void OpenWebAddress(const char* url) override;
    void ExitNow(int status) override;
    // A reload or a dropped tab is not the player's closing of the game.
    bool KeepsGameInProgress() const override { return true; }

    AppState app;
    MainCommands commands{app, *this};

private:
    // Stops the timers and shows that the game has ended.
    void End(int status);

    std::array<bool, 3> timerRunning_{};
    std::string deskState_;  // what the page's accessible Desk last got
    HighScoreDialog* hiscores_ = nullptr;
    bool closed_ = false;
};

}  // namespace quorbals
