#include "tests/e2e/running_game.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>

namespace quorbals::e2e {

RunningGame::RunningGame() : program_(ProgramUnderTest()) {}

RunningGame::~RunningGame() {
    // Wine's own processes (the desktop, services) would outlive the display.
    if (program_.windows) {
        EndWine();
    }
}

void RunningGame::EndWine() const {
    QProcess server;
    QProcessEnvironment env = x_.environment();
    env.insert(QStringLiteral("WINEPREFIX"), program_.winePrefix);
    server.setProcessEnvironment(env);
    server.start(QStringLiteral("/usr/lib/wine/wineserver"), {QStringLiteral("-k")});
    server.waitForFinished(10000);
}

QString RunningGame::dataDir() const {
    if (program_.windows) {
        return WineAppData(program_.winePrefix) + QStringLiteral("/Quorbals");
    }
    return home() + QStringLiteral("/data/Quorbals");
}

bool RunningGame::Launch() {
    if (!x_.ok()) {
        failure_ = QStringLiteral("no private X session: ") + x_.failure();
        return false;
    }
    if (program_.windows) {
        if (!launchedBefore_ && !WineAppData(program_.winePrefix).isEmpty()) {
            QDir(dataDir()).removeRecursively();
        }
        // tools/wine-run.sh makes the prefix on its first use; that takes
        // longer than any window wait here, so it is done beforehand.
        if (!QFile::exists(program_.winePrefix + QStringLiteral("/.quorbals-prefix-ready"))) {
            x_.Run(QStringLiteral(QUORBALS_SOURCE_DIR "/tools/wine-run.sh"),
                   {program_.winePrefix, QStringLiteral("cmd.exe"), QStringLiteral("/c"),
                    QStringLiteral("exit")},
                   300000);
        }
        process_ = x_.Launch(QStringLiteral(QUORBALS_SOURCE_DIR "/tools/wine-run.sh"),
                             {program_.winePrefix, program_.exe}, home());
    } else {
        // The session's home and XDG folders are the game's.
        process_ = x_.Launch(QStringLiteral(QUORBALS_BUILD_DIR "/quorbals"), {}, home());
    }
    launchedBefore_ = true;
    return true;
}

bool RunningGame::Start() {
    return Launch() && FindMainWindow();
}

bool RunningGame::FindMainWindow(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    // Message boxes carry the program's name too, and the main window is
    // mapped before it has its size: only the one as wide as the play area
    // (273 pixels at the expected scale) will do.
    const int width = 273 * scale_;
    const auto id = x_.FindWindow(
        QStringLiteral("Quorbals"),
        [this, width](const QString& candidate) {
            const auto g = x_.Geometry(candidate);
            return g && g->width == width;
        },
        timeoutMs);
    if (!id) {
        failure_ =
            QStringLiteral("no window titled exactly Quorbals came up %1 pixels wide").arg(width);
        return false;
    }
    windowId_ = *id;
    // The first game is dealt on the first activation, which also places the
    // window again once its frame is known; a busy machine may show the Desk
    // before that move. Only a Desk and board seen unchanged in shots at
    // least 400 ms apart are taken.
    std::optional<QPoint> lastDesk;
    std::array<int, 81> lastBoard{};
    QElapsedTimer steady;
    const bool settled = WaitUntil(
        [&] {
            const QImage shot = x_.Screenshot();
            const auto g = x_.Geometry(windowId_);
            if (!g) {
                return false;
            }
            const QRect around(g->x - 10, g->y - 10, g->width + 20, g->height + 40);
            const auto d = FindDesk(shot, around, scale_);
            const auto board = d ? ReadBoard(shot, *d, scale_) : std::array<int, 81>{};
            if (!d || CountBalls(board) == 0 || d != lastDesk || board != lastBoard) {
                lastDesk = d;
                lastBoard = board;
                steady.start();
                return false;
            }
            if (steady.elapsed() < 400) {
                return false;
            }
            desk_ = *d;
            geometry_ = *g;
            return true;
        },
        std::max<int>(1000, timeoutMs - static_cast<int>(clock.elapsed())), 200);
    if (!settled) {
        failure_ =
            QStringLiteral("the Desk with its first balls never showed, or never held still");
    }
    return settled;
}

bool RunningGame::ChooseMenuItem(const QString& menuKey, int downs) {
    // The open menu is a window of its own: one that was not there before.
    const QStringList before = x_.VisibleWindows();
    x_.Key(menuKey);
    const bool shown = WaitUntil(
        [&] {
            const QStringList now = x_.VisibleWindows();
            return std::any_of(now.begin(), now.end(),
                               [&](const QString& id) { return !before.contains(id); });
        },
        10000);
    if (!shown) {
        return false;
    }
    QString keys;
    for (int i = 0; i < downs; ++i) {
        keys += QStringLiteral("Down ");
    }
    x_.Key(keys + QStringLiteral("Return"));
    return true;
}

std::optional<QString> RunningGame::FindDialog(const QString& name, int timeoutMs) {
    const auto id = x_.FindWindow(
        name, [this](const QString& candidate) { return candidate != windowId_; }, timeoutMs);
    if (id && x_.Activate(*id)) {
        return id;
    }
    return std::nullopt;
}

bool RunningGame::Close() {
    // Alt+F4 is openbox's Close: the window manager's close request, which
    // both builds answer by saving their settings and ending.
    if (!x_.Activate(windowId_)) {
        failure_ = QStringLiteral("the main window never became active to be closed");
        return false;
    }
    x_.Key(QStringLiteral("alt+F4"));
    if (process_ == nullptr || !process_->waitForFinished(20000)) {
        failure_ = QStringLiteral("the program did not end after its window was closed");
        return false;
    }
    return true;
}

bool RunningGame::WaitForEnd(int timeoutMs) {
    if (process_ == nullptr || !process_->waitForFinished(timeoutMs)) {
        failure_ = QStringLiteral("the program did not end");
        return false;
    }
    return true;
}

void RunningGame::EnterFileName(const QString& unixPath) {
    // Both builds' dialogs start with the name box focused; Home and
    // Shift+End select its text in either.
    x_.Key(QStringLiteral("Home shift+End"));
    x_.Type(PathForGame(unixPath));
    x_.Key(QStringLiteral("Return"));
}

std::optional<std::array<int, 81>> RunningGame::WaitForBoard(
    const std::function<bool(const std::array<int, 81>&)>& done, int timeoutMs) {
    std::optional<std::array<int, 81>> seen;
    WaitUntil(
        [&] {
            const auto board = Board();
            if (!done(board)) {
                return false;
            }
            seen = board;
            return true;
        },
        timeoutMs);
    return seen;
}

bool RunningGame::WaitForGlow(int x, int y, int timeoutMs) {
    // The first of the four glow frames has no dot: several shots are read.
    return WaitUntil([&] { return ShowsGlowDot(Shot(), desk_, x, y, scale_); }, timeoutMs, 50);
}

void RunningGame::ClickCell(int x, int y, int button) {
    const QPoint p = CellCentre(desk_, x, y, scale_);
    // One xdotool run: the X server takes the pointer's move and the click
    // in the order one connection sent them.
    x_.Run(QStringLiteral("xdotool"),
           {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
            QStringLiteral("click"), QString::number(button)});
}

void RunningGame::PointAtCell(int x, int y) {
    const QPoint p = CellCentre(desk_, x, y, scale_);
    x_.MoveMouse(p.x(), p.y());
}

}  // namespace quorbals::e2e
