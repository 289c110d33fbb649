// The main window's behaviour, once for every front end: the commands of
// the menu, the pointer on the Desk, the three timers, the window settings,
// the first activation and the closing. The front end turns its events into
// these calls and supplies what FrontEnd lists.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/app_state.h"
#include "app/front_end.h"
#include "app/key_commands.h"
#include "app/main_window_layout.h"
#include "app/turn_news.h"
#include "game/effects.h"
#include "view/keyboard_play.h"
#include "view/play_pictures.h"

namespace quorbals {

constexpr int kGlowIntervalMs = 100;
constexpr int kWaitIntervalMs = 100;
constexpr int kMoveIntervalMs = 50;

constexpr int TimerIntervalMs(AppTimer timer) {
    return timer == AppTimer::Glow   ? kGlowIntervalMs
           : timer == AppTimer::Wait ? kWaitIntervalMs
                                     : kMoveIntervalMs;
}

class MainCommands final : public Effects {
public:
    MainCommands(AppState& app, FrontEnd& frontEnd)
        : app_(app), fe_(frontEnd), pictures_(app.tables) {}

    // The Desk, preview and sheet pictures the front end shows.
    PlayPictures& Pictures() { return pictures_; }
    const PlayPictures& Pictures() const { return pictures_; }
    // Hands the front end what changed in the Desk picture since the last
    // flush (the reset's whole picture included).
    void FlushDesk();

    // The main window's creation: the paths, the window settings (size,
    // centring, Sound, stored position), then the first seeding.
    void FormCreate(const DataPaths& paths);
    // Sizes and centres the window, switches Sound on, then applies the
    // settings file; a failure is reported after what was read is applied.
    void WindowSettingsLoad();
    // Stores the outer position and the Sound switch. Throws FileError.
    void WindowSettingsSave();

    // Runs once: re-places the window now that its frame is known, sets up
    // the high-score table (a failure is reported and play goes on), the
    // view tables, seeds the random source and deals the first game.
    void FormActivate();
    // The settings are saved; a failure is reported and the window closes.
    void FormClose();
    // The screen the window stands on changed size (a browser's viewport):
    // centred again when its scale changed too, else pulled onto it.
    void ViewportChanged(bool rescaled);

    void MI_GameNewClick();
    void MI_GameExitClick();
    void MI_GameScoresClick();
    void MI_GameClearScoresClick();
    void MI_GameSaveClick();
    void MI_GameLoadClick();
    // Inverts the Sound check mark (for menus that do not do it themselves).
    void MI_OptionsSoundClick();
    void MI_HelpContClick();
    void MI_HelpSiteHomeClick();
    void MI_HelpGameHomeClick();
    void MI_HelpAboutClick();

    // A key pressed or released while the main window has the keyboard and
    // no menu or dialog takes it: does what DecideKey says. True when the
    // key was the game's (the front end then lets nothing else have it).
    bool HandleKey(const KeyEvent& key);
    // Keyboard play: a key of the Desk; and the colour marks switch (Ctrl+M).
    void DeskKeyDown(DeskKey key);
    void ToggleColourMarks();
    const KeyboardCursor& Cursor() const { return app_.cursor; }

    // Pointer positions in pixels of the Desk picture.
    void I_DeskMouseMove(std::int32_t x, std::int32_t y);
    void I_DeskMouseUp(std::int32_t x, std::int32_t y);
    void I_DeskMouseLeave();
    void T_GlowTimerTimer();
    void WaitTimerTimer();
    void MoveTimerTimer();

    // A ball travels or a turn cycle is pending.
    bool Busy() const;
    // Redraws a game that was just loaded and clears the selection.
    void ShowLoadedGame();

    // Runs body; a failure is reported in the error box and swallowed, so
    // it never reaches the window system. False when the body failed.
    bool Guard(const std::function<void()>& body);
    // The general error report: the text with its full stop, error icon, OK.
    void ReportError(const std::string& text);

    // Effects asked for by the rules.
    void StartTimer(GameTimer timer) override;
    void StopTimer(GameTimer timer) override;
    void DrawBallTile(int x, int y, int color, int frame) override;
    void DrawEmptyTile(int x, int y) override;
    void BallPlaced(int x, int y, int color) override;
    void BallRemoved(int x, int y, int color) override;
    void DrawArrowSprite(int x, int y, int index) override;
    void DrawPreviewTile(int slot, int color) override;
    void ResetDesk() override;
    void RepaintDesk() override;
    void SetScoreText(std::int32_t score) override;
    void PlaySound(SoundCue cue) override;
    void ShowGameOver() override;
    bool EnterHighScore() override;
    void PathCountError() override;

private:
    void PlaceWindow(PendingPlacement placement);
    void LoadColourMarksSetting();
    void AnnounceTurn();
    // What a release or a key did to the selection, for screen readers.
    void AnnounceSelection(const Selection& before);
    // The game in progress, for a front end that keeps it: taken back at
    // the first activation (true when it was), written whenever the game
    // comes to rest, removed when the player ends the game.
    bool TakeKeptGame();
    void KeepGameAtRest();
    void DropKeptGame();

    AppState& app_;
    FrontEnd& fe_;
    PlayPictures pictures_;
    // A reset's flush is asked of the front end once until it comes.
    bool flushRequested_ = false;
    // A failed write of the kept game is reported once a run, not each turn.
    bool keepFailureReported_ = false;
    // What the running turn cycle did, for its news.
    bool inTurn_ = false;
    std::int32_t turnScore_ = 0;
    TurnRecord turn_;
};

}  // namespace quorbals
