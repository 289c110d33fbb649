// The real game started on a private X display with its own home folder
// (the Qt game) or under Wine in the tests' prefix (the Windows game), with
// its window and its Desk found on screen.
#pragma once

#include <optional>

#include "tests/e2e/board_reader.h"
#include "tests/e2e/game_program.h"
#include "tests/e2e/x_session.h"

namespace quorbals::e2e {

class RunningGame {
public:
    RunningGame();
    ~RunningGame();
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    // Starts the program (again, after Close) and returns at once. The data
    // folder is emptied before the first start, so each test begins afresh.
    bool Launch();
    // Launch, then wait for the main window and the first game's balls.
    // False (with `failure` set) when the game did not come up.
    bool Start();
    // Waits for the main window (titled "Quorbals", 273 pixels wide) and
    // the dealt Desk in it, standing still.
    bool FindMainWindow(int timeoutMs = 30000);
    // Opens the menu of `menuKey` (its Alt key, "alt+g" for Game), waits
    // until it shows and chooses the item `downs` places down; false when
    // no menu came up.
    bool ChooseMenuItem(const QString& menuKey, int downs);
    // Waits for a window with this exact name other than the main window
    // (a dialog, a message box) and gives it the focus.
    std::optional<QString> FindDialog(const QString& name, int timeoutMs = 20000);
    // Closes the main window as the window manager does and waits until the
    // program has ended.
    bool Close();
    // Waits until the program has ended by itself (after Exit, say).
    bool WaitForEnd(int timeoutMs = 20000);
    const QString& failure() const { return failure_; }

    const GameProgram& program() const { return program_; }
    // Screen pixels per Desk picture pixel that the game is expected to
    // show (the Windows game on a scaled screen); 1 unless set.
    void SetScale(int scale) { scale_ = scale; }
    int scale() const { return scale_; }
    XSession& x() { return x_; }
    QString home() const { return x_.home(); }
    QString dataDir() const;
    QPoint desk() const { return desk_; }
    WindowGeometry window() const { return geometry_; }
    QString windowId() const { return windowId_; }

    // A Unix path as the program under test names it.
    QString PathForGame(const QString& unixPath) const {
        return program_.windows ? WindowsPath(unixPath) : unixPath;
    }
    // Replaces the text of a file dialog's name box with `unixPath` and
    // confirms it; the dialog must have the focus.
    void EnterFileName(const QString& unixPath);

    QImage Shot() const { return x_.Screenshot(); }
    std::array<int, 81> Board() const { return ReadBoard(Shot(), desk_, scale_); }
    // Waits until the board read from the screen satisfies `done`.
    std::optional<std::array<int, 81>> WaitForBoard(
        const std::function<bool(const std::array<int, 81>&)>& done, int timeoutMs = 10000);
    // Waits until the ball on a cell glows, as the selected ball does.
    bool WaitForGlow(int x, int y, int timeoutMs = 5000);
    // A release of the button over a cell (the press lands there too).
    void ClickCell(int x, int y, int button = 1);
    void PointAtCell(int x, int y);
    // A screen point relative to the Desk picture.
    QPoint DeskPoint(int px, int py) const { return desk_ + QPoint(px, py) * scale_; }

private:
    void EndWine() const;

    const GameProgram& program_;
    XSession x_;
    QString failure_;
    QProcess* process_ = nullptr;
    bool launchedBefore_ = false;
    QString windowId_;
    WindowGeometry geometry_;
    QPoint desk_;
    int scale_ = 1;
};

}  // namespace quorbals::e2e
