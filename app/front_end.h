// What a front end supplies to the shared commands of the main window:
// its pictures, timers, boxes, dialogs and platform calls. The Qt, the
// Win32 and the browser front ends implement it; tests fake it. Every
// decision about what to do with these lives in the shared code, never
// behind this line.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "storage/high_score_dialog.h"
#include "view/pixel_picture.h"
#include "view/screen_rect.h"

namespace quorbals {

enum class AppTimer { Glow, Wait, Move };

enum class BoxKind {
    Information,  // OK
    Error,        // OK
    Question,     // OK and Cancel
};

class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // Showing the shared pictures (MainCommands::Pictures()). None draws:
    // the shared code has drawn already and says what changed.
    // These rectangles of the Desk picture changed: repaint them on screen.
    virtual void ShowDeskRects(std::span<const PixelRect> rects) = 0;
    // The Desk picture was reset: call MainCommands::FlushDesk() once the
    // running handler has returned to the event loop.
    virtual void FlushDeskSoon() = 0;
    // A preview picture changed: repaint it on screen at once.
    virtual void ShowPreview(int slot) = 0;
    // Painting the Desk also paints the keyboard cursor's frame over the
    // picture while MainCommands::Cursor() is shown; its area comes among
    // the rectangles of ShowDeskRects when it moves.

    // For screen readers: the Desk, the selection, the cursor, the score or
    // the previews may have changed (their names are read from the game);
    // and a turn's news to be read out.
    virtual void DeskStateChanged() = 0;
    virtual void Announce(const std::string& text) = 0;
    virtual void SetScoreText(const std::string& text) = 0;

    virtual bool TimerRunning(AppTimer timer) const = 0;
    // Starting a running timer restarts its interval; the shared code never asks that.
    virtual void StartTimer(AppTimer timer) = 0;
    virtual void StopTimer(AppTimer timer) = 0;

    // The main window: the primary screen's full rectangle, the window's
    // outer (frame) rectangle, the play area as client size, and moves of
    // the outer top-left corner.
    virtual ScreenRect PrimaryScreen() const = 0;
    virtual ScreenRect OuterRect() const = 0;
    virtual void SetClientSize(int width, int height) = 0;
    virtual void MoveWindow(int left, int top) = 0;
    virtual void CloseMainWindow() = 0;

    // The Sound menu item's check mark: the one place the switch is kept.
    virtual bool SoundChecked() const = 0;
    virtual void SetSoundChecked(bool on) = 0;
    // Starts a wave file by its bare name; never waits.
    virtual void PlayWave(const char* name) = 0;

    // A modal box titled with the program name; true when closed with OK.
    virtual bool ShowBox(BoxKind kind, const std::string& text) = 0;
    // The save and load dialogs, offering `fileName` in `folder` (both may
    // be empty). The chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> AskSavePath(const std::string& folder,
                                                   const std::string& fileName) = 0;
    virtual std::optional<std::string> AskLoadPath(const std::string& folder,
                                                   const std::string& fileName) = 0;
    // Where those dialogs open while the run remembers no game file: the
    // user's documents folder (empty when the system names none).
    virtual std::string DocumentsFolder() const = 0;
    virtual HighScoreDialog* HighScores() = 0;  // null: no dialog (tests)

    virtual void ShowAbout() = 0;
    // The help viewer on the main topic of the help file; silent without one.
    virtual void ShowHelp(const std::string& helpFile) = 0;
    virtual void OpenWebAddress(const char* url) = 0;
    // Ends the process at once, without the normal closing (fakes return).
    virtual void ExitNow(int status) = 0;

    // Whether the game in progress outlives the front end's window without
    // the player's closing it: a page the browser reloads or drops. Such a
    // front end gets the game back where it stood; the desktop ones do not.
    virtual bool KeepsGameInProgress() const { return false; }
};

}  // namespace quorbals
