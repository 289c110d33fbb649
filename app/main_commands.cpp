#include "app/main_commands.h"

#include <exception>
#include <string>
#include <vector>

#include "app/game_file_commands.h"
#include "app/key_commands.h"
#include "app/main_menu.h"
#include "app/play_news.h"
#include "app/program_texts.h"
#include "game/random.h"
#include "game/spawning.h"
#include "game/turn_cycle.h"
#include "storage/colour_marks_file.h"
#include "storage/file_error.h"
#include "storage/file_system.h"
#include "storage/high_score_commands.h"
#include "storage/saved_game.h"
#include "storage/window_settings.h"
#include "view/move_animation.h"
#include "view/pointer_input.h"

namespace quorbals {

namespace {
AppTimer ToAppTimer(GameTimer timer) {
    return timer == GameTimer::Wait ? AppTimer::Wait : AppTimer::Move;
}
}  // namespace

// --- Creation, settings, activation, closing --------------------------------

void MainCommands::FormCreate(const DataPaths& paths) {
    app_.activatedOnce = false;
    app_.paths = paths;
    WindowSettingsLoad();
    LoadColourMarksSetting();
    SeedRandomFromClock(app_.game);
}

void MainCommands::LoadColourMarksSetting() {
    const ColourMarksLoad loaded = LoadColourMarks(app_.paths.colourMarksFile);
    app_.colourMarks = loaded.on;
    SetColourMarks(pictures_, loaded.on);
    if (loaded.error) {
        ReportError(loaded.error->text());
    }
}

void MainCommands::WindowSettingsLoad() {
    fe_.SetClientSize(kPlayWidth, kPlayHeight);
    PlaceWindow(PendingPlacement::kCentre);
    app_.placement = PendingPlacement::kCentre;
    fe_.SetSoundChecked(true);

    const SettingsLoad loaded = LoadWindowSettings(app_.paths.settingsFile);
    if (loaded.havePosition) {
        const ScreenRect screen = fe_.PrimaryScreen();
        const ScreenRect outer = fe_.OuterRect();
        fe_.MoveWindow(screen.x + ClampPosition(loaded.left, screen.width, outer.width),
                       screen.y + ClampPosition(loaded.top, screen.height, outer.height));
        app_.placement = PendingPlacement::kClamp;
    }
    if (loaded.haveSound) {
        fe_.SetSoundChecked(loaded.sound);
    }
    if (loaded.error) {
        ReportError(loaded.error->text());
    }
}

void MainCommands::PlaceWindow(PendingPlacement placement) {
    const ScreenRect screen = fe_.PrimaryScreen();
    const ScreenRect outer = fe_.OuterRect();
    if (placement == PendingPlacement::kCentre) {
        const ScreenRect at = CentredOn(screen, outer.width, outer.height);
        fe_.MoveWindow(at.x, at.y);
    } else if (placement == PendingPlacement::kClamp) {
        fe_.MoveWindow(screen.x + ClampPosition(outer.x - screen.x, screen.width, outer.width),
                       screen.y + ClampPosition(outer.y - screen.y, screen.height, outer.height));
    }
}

void MainCommands::WindowSettingsSave() {
    const ScreenRect screen = fe_.PrimaryScreen();
    const ScreenRect outer = fe_.OuterRect();
    WindowSettingsRecord record;
    record.left = outer.x - screen.x;
    record.top = outer.y - screen.y;
    record.sound = fe_.SoundChecked() ? 1 : 0;
    SaveWindowSettings(app_.paths.settingsFile, record);
}

void MainCommands::FormActivate() {
    if (app_.activatedOnce) {
        return;
    }
    app_.activatedOnce = true;
    // The frame is known now: centre again, or pull a stored position onto
    // the screen, with the real outer size.
    PlaceWindow(app_.placement);
    app_.placement = PendingPlacement::kNone;
    // A score file that fails to load is reported; the game is still dealt.
    Guard([this] { SetUpHighScores(app_.scores, app_.paths); });
    Guard([this] {
        SetUpViewTables(app_.tables);
        SeedRandomFromClock(app_.game);
        if (!TakeKeptGame()) {
            NewGame(app_.game, *this);
            KeepGameAtRest();
        }
        fe_.StartTimer(AppTimer::Glow);
    });
    fe_.DeskStateChanged();
}

void MainCommands::FormClose() {
    if (!app_.paths.settingsFile.empty()) {
        Guard([this] { WindowSettingsSave(); });
    }
    // The player ended the game: the next start deals a new one.
    DropKeptGame();
}

void MainCommands::ViewportChanged(bool rescaled) {
    Guard([&] { PlaceWindow(rescaled ? PendingPlacement::kCentre : PendingPlacement::kClamp); });
}

bool MainCommands::TakeKeptGame() {
    const std::string& path = app_.paths.keptGameFile;
    if (!fe_.KeepsGameInProgress() || path.empty() || !FileExists(path)) {
        return false;
    }
    bool taken = false;
    try {
        taken = LoadGame(path, app_.game).outcome == GameLoadOutcome::kLoaded;
    } catch (const std::exception&) {
        // Unreadable: as a damaged one, dropped without a word, since the
        // player did nothing wrong; a new game is dealt.
    }
    if (!taken) {
        RemoveFile(path);
        return false;
    }
    ShowLoadedGame();
    return true;
}

void MainCommands::KeepGameAtRest() {
    const std::string& path = app_.paths.keptGameFile;
    // A full Desk is a game that is over, not one to come back to.
    if (!fe_.KeepsGameInProgress() || path.empty() || Busy() || app_.game.freeCount == 0) {
        return;
    }
    try {
        SaveGame(path, app_.game);
    } catch (const std::exception& e) {
        if (!keepFailureReported_) {
            keepFailureReported_ = true;
            ReportError(e.what());
        }
    }
}

void MainCommands::DropKeptGame() {
    if (fe_.KeepsGameInProgress() && !app_.paths.keptGameFile.empty()) {
        RemoveFile(app_.paths.keptGameFile);
    }
}

// --- Commands ---------------------------------------------------------------

void MainCommands::MI_GameNewClick() {
    Guard([this] { NewGame(app_.game, *this); });
    KeepGameAtRest();
    fe_.DeskStateChanged();
}

void MainCommands::MI_GameExitClick() {
    fe_.CloseMainWindow();
}

void MainCommands::MI_GameScoresClick() {
    Guard([this] { ShowHighScoresCommand(fe_.HighScores()); });
}

void MainCommands::MI_GameClearScoresClick() {
    Guard([this] {
        ClearHighScoresCommand(
            app_.scores, app_.paths, fe_.HighScores(),
            [this](const std::string& q) { return fe_.ShowBox(BoxKind::Question, q); });
    });
}

void MainCommands::MI_GameSaveClick() {
    Guard([this] { SaveGameCommand(app_, fe_); });
}

void MainCommands::MI_GameLoadClick() {
    Guard([this] {
        if (LoadGameCommand(app_, fe_)) {
            ShowLoadedGame();
            KeepGameAtRest();
            fe_.DeskStateChanged();
        }
    });
}

void MainCommands::MI_OptionsSoundClick() {
    fe_.SetSoundChecked(!fe_.SoundChecked());
}

void MainCommands::MI_HelpContClick() {
    Guard([this] { fe_.ShowHelp(app_.paths.helpFile); });
}

void MainCommands::MI_HelpSiteHomeClick() {
    Guard([this] { fe_.OpenWebAddress(kMakerHomePage); });
}

void MainCommands::MI_HelpGameHomeClick() {
    Guard([this] { fe_.OpenWebAddress(kGameHomePage); });
}

void MainCommands::MI_HelpAboutClick() {
    Guard([this] { fe_.ShowAbout(); });
}

// --- Pointer and timers -----------------------------------------------------

bool MainCommands::Busy() const {
    return fe_.TimerRunning(AppTimer::Move) || fe_.TimerRunning(AppTimer::Wait);
}

void MainCommands::I_DeskMouseMove(std::int32_t x, std::int32_t y) {
    // The pointer takes over from the keyboard: the cursor hides.
    if (HideKeyboardCursor(app_.cursor)) {
        const PixelRect area = CursorArea(app_.cursor.cell);
        fe_.ShowDeskRects(std::span<const PixelRect>(&area, 1));
        fe_.DeskStateChanged();
    }
    Guard([&] { DeskMouseMove(app_.game, *this, app_.tables, x, y, Busy()); });
}

void MainCommands::I_DeskMouseUp(std::int32_t x, std::int32_t y) {
    const Selection before = app_.game.selection;
    Guard([&] { DeskMouseUp(app_.game, *this, app_.tables, x, y, Busy()); });
    fe_.DeskStateChanged();
    AnnounceSelection(before);
}

bool MainCommands::HandleKey(const KeyEvent& key) {
    const KeyDecision decision = DecideKey(key);
    switch (decision.kind) {
        case KeyDecision::Kind::kMenuCommand:
            RunMenuCommand(*this, decision.command);
            return true;
        case KeyDecision::Kind::kHelpOnRelease:
            MI_HelpContClick();
            return true;
        case KeyDecision::Kind::kColourMarks:
            ToggleColourMarks();
            return true;
        case KeyDecision::Kind::kDeskKey:
            DeskKeyDown(decision.deskKey);
            return true;
        case KeyDecision::Kind::kNone:
            break;
    }
    return false;
}

void MainCommands::DeskKeyDown(DeskKey key) {
    const Selection before = app_.game.selection;
    const Cell cell = app_.cursor.cell;
    const bool onFreeCell = app_.game.desk[CellIndex(cell.x, cell.y)] == kNoBall;
    DeskKeyResult result;
    Guard([&] {
        result = quorbals::DeskKeyDown(app_.game, *this, app_.tables, app_.cursor, key, Busy());
        if (result.cursorMoved) {
            const std::array<PixelRect, 2> areas{CursorArea(result.from),
                                                 CursorArea(app_.cursor.cell)};
            fe_.ShowDeskRects(areas);
        }
    });
    fe_.DeskStateChanged();
    if (result.cursorMoved && result.from == app_.cursor.cell) {
        fe_.Announce(CursorShownNews(app_.game, app_.cursor.cell, app_.colourMarks));
    } else if (result.acted && onFreeCell && !Busy()) {
        // The eye sees that nothing moved; the ear is told why.
        fe_.Announce(IdleActNews(before, cell));
    } else {
        AnnounceSelection(before);
    }
}

void MainCommands::AnnounceSelection(const Selection& before) {
    const std::string news = SelectionNews(before, app_.game, Busy(), app_.colourMarks);
    if (!news.empty()) {
        fe_.Announce(news);
    }
}

void MainCommands::ToggleColourMarks() {
    Guard([this] {
        app_.colourMarks = !app_.colourMarks;
        if (SetColourMarks(pictures_, app_.colourMarks)) {
            RepaintDesk();
            for (int slot = 0; slot < kPreviewCount; ++slot) {
                fe_.ShowPreview(slot);
            }
        }
        fe_.DeskStateChanged();
        fe_.Announce(app_.colourMarks ? "Colour marks on." : "Colour marks off.");
        if (!app_.paths.colourMarksFile.empty()) {
            SaveColourMarks(app_.paths.colourMarksFile, app_.colourMarks);
        }
    });
}

void MainCommands::I_DeskMouseLeave() {
    Guard([this] { DeskMouseLeave(app_.game, *this, Busy()); });
}

void MainCommands::T_GlowTimerTimer() {
    Guard([this] { GlowTimerTick(app_.game, *this); });
}

void MainCommands::WaitTimerTimer() {
    GameState& g = app_.game;
    turn_ = TurnRecord{};
    if (g.turnPhase == kPhaseFirstScan) {
        turn_.moved = g.move.color;
        turn_.movedTo = g.path.target;
    }
    turnScore_ = g.score;
    inTurn_ = true;
    Guard([this] { WaitTimerTick(app_.game, *this); });
    if (inTurn_) {
        AnnounceTurn();
    }
    KeepGameAtRest();
    fe_.DeskStateChanged();
}

void MainCommands::AnnounceTurn() {
    inTurn_ = false;
    turn_.points = app_.game.score - turnScore_;
    const std::string news = DescribeTurn(turn_);
    if (!news.empty()) {
        fe_.Announce(news);
    }
}

void MainCommands::MoveTimerTimer() {
    Guard([this] { MoveTimerTick(app_.game, *this); });
}

void MainCommands::ShowLoadedGame() {
    GameState& g = app_.game;
    SetScoreText(g.score);
    for (int k = 0; k < kPreviewCount; ++k) {
        DrawPreviewTile(k, g.nextBalls[k]);
    }
    ResetDesk();
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const BallColor c = g.desk[CellIndex(x, y)];
            if (c != kNoBall) {
                DrawBallTile(x, y, c, 0);
            }
        }
    }
    g.selection.color = kNoBall;
    RepaintDesk();
}

// --- Errors -----------------------------------------------------------------

bool MainCommands::Guard(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("Unexpected error");
    }
    return false;
}

void MainCommands::ReportError(const std::string& text) {
    fe_.ShowBox(BoxKind::Error, ErrorReportText(text));
}

// --- Effects ----------------------------------------------------------------

void MainCommands::StartTimer(GameTimer timer) {
    // Starting a running timer changes nothing (its interval goes on).
    if (!fe_.TimerRunning(ToAppTimer(timer))) {
        fe_.StartTimer(ToAppTimer(timer));
    }
}

void MainCommands::StopTimer(GameTimer timer) {
    fe_.StopTimer(ToAppTimer(timer));
}

void MainCommands::DrawBallTile(int x, int y, int color, int frame) {
    pictures_.desk.DrawBallTile(x, y, color, frame);
}

void MainCommands::DrawEmptyTile(int x, int y) {
    pictures_.desk.DrawEmptyTile(x, y);
}

void MainCommands::BallPlaced(int x, int y, int color) {
    if (inTurn_) {
        turn_.placed.push_back({{x, y}, color});
    }
}

void MainCommands::BallRemoved(int x, int y, int color) {
    // Lines removed before the balls were placed, or after.
    if (inTurn_) {
        (turn_.placed.empty() ? turn_.removed : turn_.removedAfter).push_back({{x, y}, color});
    }
}

void MainCommands::DrawArrowSprite(int x, int y, int index) {
    pictures_.desk.DrawArrowSprite(x, y, index);
}

void MainCommands::DrawPreviewTile(int slot, int color) {
    if (slot < 0 || slot >= kPreviewCount) {
        return;
    }
    if (pictures_.previews[static_cast<std::size_t>(slot)].DrawPreviewTile(color)) {
        fe_.ShowPreview(slot);
    }
}

void MainCommands::ResetDesk() {
    pictures_.desk.ResetDesk();
    // A new game repaints nothing itself: the clean Desk and the balls dealt
    // on it reach the screen once the handler is done, unless a repaint
    // flushes them earlier.
    if (!flushRequested_) {
        flushRequested_ = true;
        fe_.FlushDeskSoon();
    }
}

void MainCommands::RepaintDesk() {
    const std::vector<PixelRect> rects = pictures_.desk.Flush();
    if (!rects.empty()) {
        fe_.ShowDeskRects(rects);
    }
}

void MainCommands::FlushDesk() {
    flushRequested_ = false;
    RepaintDesk();
}

void MainCommands::SetScoreText(std::int32_t score) {
    fe_.SetScoreText(std::to_string(score));
}

void MainCommands::PlaySound(SoundCue cue) {
    if (fe_.SoundChecked()) {
        fe_.PlayWave(SoundFileName(cue));
    }
}

void MainCommands::ShowGameOver() {
    // The last turn's news first; the box speaks for itself.
    if (inTurn_) {
        AnnounceTurn();
    }
    // The finished game is not one to come back to.
    DropKeptGame();
    fe_.ShowBox(BoxKind::Information, "Game over!");
}

bool MainCommands::EnterHighScore() {
    // False only when writing the table failed: the full Desk then stays.
    return Guard([this] {
        EnterHighScoreCommand(app_.scores, app_.paths, app_.game.score, fe_.HighScores(),
                              [this](const std::string& text) { ReportError(text); });
    });
}

void MainCommands::PathCountError() {
    fe_.ShowBox(BoxKind::Error, "Path count error!");
    // The grid can no longer be trusted: end at once, without the normal
    // closing (the window settings are not saved).
    fe_.ExitNow(1);
}

}  // namespace quorbals
