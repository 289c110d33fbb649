// The main window of the Qt front end: the score and preview strip, the
// Desk, the menu and the three timers. What they do is decided by the
// shared MainCommands; this class supplies Qt's windows, boxes and calls.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/front_end.h"
#include "app/main_commands.h"
#include "app/main_menu.h"

class QAction;
class QLabel;
class QMenu;

namespace quorbals {

class Announcer;
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

    // Sizes, centres and places the window from a settings file, as its
    // creation does (tests call it with files of their own).
    void WindowSettingsLoad(const std::string& settingsFile);

    bool activatedOnce() const { return app.activatedOnce; }

    // The menu item that runs a command ("&Start!" is the menu bar's own).
    QAction* Item(MenuCommand command) const { return items_[static_cast<std::size_t>(command)]; }

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

    // Controls, named as the rest of the program refers to them.
    QWidget* P_Play = nullptr;
    BevelPanel* P_Panel = nullptr;
    BevelPanel* P_Desk = nullptr;
    QLabel* L_Scores = nullptr;
    TileImage* I_Next[3] = {nullptr, nullptr, nullptr};
    DeskView* I_Desk = nullptr;
    // The turn's news for screen readers; nothing of it shows.
    Announcer* News = nullptr;
    QTimer T_GlowTimer;
    QTimer WaitTimer;
    QTimer MoveTimer;

    QMenu* MI_Game = nullptr;
    QAction* MI_Play = nullptr;
    QMenu* MI_Help = nullptr;
    QAction* MI_OptionsSound = nullptr;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildControls();
    void BuildMenu();
    QTimer& Timer(AppTimer timer);
    const QTimer& Timer(AppTimer timer) const;

    MainWindowServices services_;
    std::array<QAction*, kMenuCommandCount> items_{};
};

}  // namespace quorbals
