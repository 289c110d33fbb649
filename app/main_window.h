// The main window: the score and preview strip, the Desk, the menu, the
// three timers, and the handlers that connect them to the rules.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "game/effects.h"
#include "game/state.h"
#include "view/desk_geometry.h"
#include "view/sprite_sheets.h"

class QAction;
class QLabel;
class QMenu;

namespace quorbals {

class BevelPanel;
class DeskView;
class TileImage;
class SoundPlayer;

// What the window needs from the platform; tests pass fakes.
struct MainWindowServices {
    SoundPlayer* sound = nullptr;
    // Shows the high-score table after a finished game; false when writing
    // the table failed (the failure has been reported).
    std::function<bool(QWidget* owner, std::int32_t score)> enterHighScore;
    std::function<void(QWidget* owner)> showHighScores;
    std::function<void(QWidget* owner)> clearHighScores;
    // Called once, at the first activation, before the first game.
    std::function<void(QWidget* owner)> loadHighScores;
    // The route search's fatal check: shows its box and ends the process.
    std::function<void(QWidget* owner)> pathCountError;
    // Full path of the help file.
    std::string helpFile;
};

class TF_Main : public QMainWindow, public Effects {
    Q_OBJECT
public:
    explicit TF_Main(MainWindowServices services, QWidget* parent = nullptr);
    ~TF_Main() override;

    // Handlers, named after their control and event.
    void FormShow();
    void FormActivate();
    void FormClose();
    void MI_GameNewClick();
    void MI_GameExitClick();
    void MI_GameScoresClick();
    void MI_GameClearScoresClick();
    void MI_GameLoadClick();
    void MI_GameSaveClick();
    void MI_OptionsSoundClick();
    void MI_HelpContClick();
    void MI_HelpSiteHomeClick();
    void MI_HelpGameHomeClick();
    void MI_HelpAboutClick();
    void I_DeskMouseMove(int x, int y);
    void I_DeskMouseUp(int x, int y);
    void T_GlowTimerTimer();
    void WaitTimerTimer();
    void MoveTimerTimer();

    // Effects asked for by the rules.
    void StartTimer(GameTimer timer) override;
    void StopTimer(GameTimer timer) override;
    void DrawBallTile(int x, int y, int color, int frame) override;
    void DrawEmptyTile(int x, int y) override;
    void DrawArrowSprite(int x, int y, int index) override;
    void DrawPreviewTile(int slot, int color) override;
    void ResetDesk() override;
    void RepaintDesk() override;
    void SetScoreText(std::int32_t score) override;
    void PlaySound(SoundCue cue) override;
    void ShowGameOver() override;
    bool EnterHighScore() override;
    void PathCountError() override;

    // Sizes the window to its play area, centres it on the primary screen
    // and switches Sound on; then applies what the settings file holds.
    void WindowSettingsLoad(const std::string& settingsFile);
    // Stores the outer position and the Sound switch.
    void WindowSettingsSave(const std::string& settingsFile) const;

    bool activatedOnce() const { return activatedOnce_; }
    bool soundOn() const;
    void setSoundOn(bool on);
    // Loading a game hands its state over here, then redraws the view.
    void ShowLoadedGame();

    GameState state;
    ViewTables tables;
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

    // Save and load hook in here (the file dialogs live with the storage code).
    std::function<void(TF_Main&)> saveGameCommand;
    std::function<void(TF_Main&)> loadGameCommand;
    // Where FormClose stores the window settings; empty stores nothing.
    std::string settingsFile;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void BuildControls();
    void BuildMenu();
    bool busy() const;
    QRect ScreenRect() const;
    QSize OuterSize() const;
    void ClampToScreen();
    void Guard(const std::function<void()>& body);

    MainWindowServices services_;
    bool activatedOnce_ = false;
    bool clampWhenFramed_ = false;
};

}  // namespace quorbals
