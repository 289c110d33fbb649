#include "tests/e2e/running_game.h"

#include <QDir>
#include <QFile>

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
    return home_.path() + QStringLiteral("/data/Quorbals");
}

bool RunningGame::Launch() {
    if (!x_.ok()) {
        failure_ = QStringLiteral("Xvfb and openbox did not start");
        return false;
    }
    if (!home_.isValid()) {
        failure_ = QStringLiteral("no temporary home folder");
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
                             {program_.winePrefix, program_.exe}, home_.path());
    } else {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/config")).toUtf8());
        process_ = x_.Launch(QStringLiteral(QUORBALS_BUILD_DIR "/quorbals"), {}, home_.path());
    }
    launchedBefore_ = true;
    return true;
}

bool RunningGame::Start() {
    return Launch() && FindMainWindow();
}

bool RunningGame::FindMainWindow(int timeoutMs) {
    const auto id = x_.FindWindow(QStringLiteral("Quorbals"), timeoutMs);
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
    // The first game is dealt on the first activation, which also places the
    // window again once its frame is known; a busy machine may show the Desk
    // before that move. Only a Desk and board seen unchanged in shots half a
    // second apart are taken.
    std::optional<QPoint> lastDesk;
    std::array<int, 81> lastBoard{};
    int steadyMs = 0;
    for (int i = 0; i < 75; ++i) {
        const QImage shot = x_.Screenshot();
        const auto gNow = x_.Geometry(windowId_);
        const WindowGeometry w = gNow ? *gNow : geometry_;
        const QRect around(w.x - 10, w.y - 10, w.width + 20, w.height + 40);
        const auto d = FindDesk(shot, around, scale_);
        const auto board = d ? ReadBoard(shot, *d, scale_) : std::array<int, 81>{};
        if (d && CountBalls(board) > 0 && d == lastDesk && board == lastBoard) {
            steadyMs += 200;
            if (steadyMs >= 400) {
                desk_ = *d;
                geometry_ = w;
                return true;
            }
        } else {
            steadyMs = 0;
        }
        lastDesk = d;
        lastBoard = board;
        SleepMs(200);
    }
    failure_ = QStringLiteral("the Desk with its first balls never showed, or never held still");
    return false;
}

bool RunningGame::Close() {
    // Alt+F4 is openbox's Close: the window manager's close request, which
    // both builds answer by saving their settings and ending.
    x_.Activate(windowId_);
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
    SleepMs(200);
    x_.Key(QStringLiteral("Return"));
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

bool RunningGame::WaitForGlow(int x, int y, int timeoutMs) {
    // The first of the four glow frames has no dot: several shots are read.
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        if (ShowsGlowDot(Shot(), desk_, x, y, scale_)) {
            return true;
        }
        SleepMs(50);
    }
    return false;
}

void RunningGame::ClickCell(int x, int y, int button) {
    const QPoint p = CellCentre(desk_, x, y, scale_);
    x_.MoveMouse(p.x(), p.y());
    SleepMs(50);
    x_.Click(button);
    SleepMs(50);
}

void RunningGame::PointAtCell(int x, int y) {
    const QPoint p = CellCentre(desk_, x, y, scale_);
    x_.MoveMouse(p.x(), p.y());
    SleepMs(80);
}

}  // namespace quorbals::e2e
