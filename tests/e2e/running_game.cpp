#include "tests/e2e/running_game.h"

namespace quorbals::e2e {

RunningGame::RunningGame() = default;

bool RunningGame::Start() {
    if (!x_.ok()) {
        failure_ = QStringLiteral("Xvfb and openbox did not start");
        return false;
    }
    if (!home_.isValid()) {
        failure_ = QStringLiteral("no temporary home folder");
        return false;
    }
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/config")).toUtf8());
    x_.Launch(QStringLiteral(QUORBALS_BUILD_DIR "/quorbals"), {}, home_.path());

    const auto id = x_.FindWindow(QStringLiteral("Quorbals"));
    if (!id) {
        failure_ = QStringLiteral("no window titled exactly Quorbals");
        return false;
    }
    windowId_ = *id;
    const auto g = x_.Geometry(windowId_);
    if (!g) {
        failure_ = QStringLiteral("no geometry for the window");
        return false;
    }
    geometry_ = *g;
    const QRect around(g->x - 10, g->y - 10, g->width + 20, g->height + 40);
    for (int i = 0; i < 50; ++i) {
        const QImage shot = x_.Screenshot();
        if (auto d = FindDesk(shot, around)) {
            desk_ = *d;
            // The first game is dealt on the first activation.
            if (CountBalls(ReadBoard(shot, desk_)) > 0) {
                return true;
            }
        }
        SleepMs(200);
    }
    failure_ = QStringLiteral("the Desk with its first balls never showed");
    return false;
}

std::optional<std::array<int, 81>> RunningGame::WaitForBoard(
    const std::function<bool(const std::array<int, 81>&)>& done, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 100) {
        const auto board = Board();
        if (done(board)) {
            return board;
        }
        SleepMs(100);
    }
    return std::nullopt;
}

void RunningGame::ClickCell(int x, int y, int button) {
    const QPoint p = CellCentre(desk_, x, y);
    x_.MoveMouse(p.x(), p.y());
    SleepMs(50);
    x_.Click(button);
    SleepMs(50);
}

void RunningGame::PointAtCell(int x, int y) {
    const QPoint p = CellCentre(desk_, x, y);
    x_.MoveMouse(p.x(), p.y());
    SleepMs(80);
}

}  // namespace quorbals::e2e
