// The real game started on a private X display with its own home folder,
// with its window and its Desk found on screen.
#pragma once

#include <QTemporaryDir>
#include <optional>

#include "tests/e2e/board_reader.h"
#include "tests/e2e/x_session.h"

namespace quorbals::e2e {

class RunningGame {
public:
    RunningGame();

    // False (with `failure` set) when the game did not come up.
    bool Start();
    const QString& failure() const { return failure_; }

    XSession& x() { return x_; }
    QString home() const { return home_.path(); }
    QString dataDir() const { return home_.path() + QStringLiteral("/data/Quorbals"); }
    QPoint desk() const { return desk_; }
    WindowGeometry window() const { return geometry_; }
    QString windowId() const { return windowId_; }

    QImage Shot() const { return x_.Screenshot(); }
    std::array<int, 81> Board() const { return ReadBoard(Shot(), desk_); }
    // Waits until the board read from the screen satisfies `done`.
    std::optional<std::array<int, 81>> WaitForBoard(
        const std::function<bool(const std::array<int, 81>&)>& done, int timeoutMs = 10000);
    // A release of the button over a cell (the press lands there too).
    void ClickCell(int x, int y, int button = 1);
    void PointAtCell(int x, int y);
    // A screen point relative to the Desk picture.
    QPoint DeskPoint(int px, int py) const { return desk_ + QPoint(px, py); }

private:
    XSession x_;
    QTemporaryDir home_;
    QString failure_;
    QString windowId_;
    WindowGeometry geometry_;
    QPoint desk_;
};

}  // namespace quorbals::e2e
