// The main window of the Qt front end: the score and preview strip, the
// Desk, the menu and the three timers. What they do is decided by the
// shared MainCommands; this class supplies Qt's windows, boxes and calls.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/front_end.h"
#include "app/main_commands.h"
#include "view/sprite_sheets.h"

class QAction;
class QLabel;
class QMenu;

namespace quorbals {

class BevelPanel;
class DeskView;
class GameFileDialogs;
class SoundPlayer;
class TileImage;

// What the window needs from the rest of the program; tests pass fakes or
// leave them out.
struct MainWindowServices {
    SoundPlayer* sound = nullptr;
    HighScoreDialog* hiscores = nullptr;
    GameFileDialogs* fileDialogs = nullptr;
};

class TF_Main : public QMainWindow, public FrontEnd {
    Q_OBJECT
public:
    explicit TF_Main(MainWindowServices services, QWidget* parent = nullptr);
    ~TF_Main() override;

    // Handlers, named after their control and event.
    void FormShow();
    void FormActivate() { commands.FormActivate(); }
    void FormClose() { commands.FormClose(); }
    void MI_GameNewClick() { commands.MI_GameNewClick(); }
    void MI_GameExitClick() { commands.MI_GameExitClick(); }
    void MI_GameScoresClick() { commands.MI_GameScoresClick(); }
    void MI_GameClearScoresClick() { commands.MI_GameClearScoresClick(); }
    void MI_GameLoadClick() { commands.MI_GameLoadClick(); }
    void MI_GameSaveClick() { commands.MI_GameSaveClick(); }
    void MI_HelpContClick() { commands.MI_HelpContClick(); }
    void MI_HelpSiteHomeClick() { commands.MI_HelpSiteHomeClick(); }
    void MI_HelpGameHomeClick() { commands.MI_HelpGameHomeClick(); }
    void MI_HelpAboutClick() { commands.MI_HelpAboutClick(); }
    void I_DeskMouseMove(int x, int y) { commands.I_DeskMouseMove(x, y); }
    void I_DeskMouseUp(int x, int y) { commands.I_DeskMouseUp(x, y); }
    void T_GlowTimerTimer() { commands.T_GlowTimerTimer(); }
    void WaitTimerTimer() { commands.WaitTimerTimer(); }
    void MoveTimerTimer() { commands.MoveTimerTimer(); }

    // Sizes, centres and places the window from a settings file, as its
    // creation does (tests call it with files of their own).
    void WindowSettingsLoad(const std::string& settingsFile);

    bool activatedOnce() const { return app.activatedOnce; }
    bool soundOn() const { return SoundChecked(); }
    void setSoundOn(bool on) { SetSoundChecked(on); }

    // FrontEnd.
    void DrawBallTile(int x, int y, int color, int frame) override;
    void DrawEmptyTile(int x, int y) override;
    void DrawArrowSprite(int x, int y, int index) override;
    void DrawPreviewTile(int slot, int color) override;
    void ResetDesk() override;
    void RepaintDesk() override;
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
    HighScoreDialog* HighScores() override { return services_.hiscores; }
    // The dialog is made after the window, which owns it.
    void SetHighScoreDialog(HighScoreDialog* dialog) { services_.hiscores = dialog; }
    void ShowAbout() override;
    void ShowHelp(const std::string& helpFile) override;
    void OpenWebAddress(const char* url) override;
    void ExitNow(int status) override;

    AppState app;
    GameState& state = app.game;
    ViewTables& tables = app.tables;
    MainCommands commands{app, *this};
    SpriteSheets sheets;

    // Controls, named as the rest of the program refers to them.
    QWidget* P_Play = nullptr;
    BevelPanel* P_Panel = nullptr;
    BevelPanel* P_Desk = nullptr;
    QLabel* L_Scores = nullptr;
    TileImage* I_Next[3] = {nullptr, nullptr, nullptr};
    DeskView* I_Desk = nullptr;
    QTimer T_GlowTimer;
    QTimer WaitTimer;
    QTimer MoveTimer;

    QMenu* MI_Game = nullptr;
    QAction* MI_GameNew = nullptr;
    QAction* MI_GameScores = nullptr;
    QAction* MI_GameClearScores = nullptr;
    QAction* MI_GameLoad = nullptr;
    QAction* MI_GameSave = nullptr;
    QAction* MI_OptionsSound = nullptr;
    QAction* MI_GameExit = nullptr;
    QAction* MI_Play = nullptr;
    QMenu* MI_Help = nullptr;
    QAction* MI_HelpCont = nullptr;
    QAction* MI_HelpSiteHome = nullptr;
    QAction* MI_HelpGameHome = nullptr;
    QAction* MI_HelpAbout = nullptr;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void BuildControls();
    void BuildMenu();
    QTimer& Timer(AppTimer timer);
    const QTimer& Timer(AppTimer timer) const;

    MainWindowServices services_;
};

}  // namespace quorbals
