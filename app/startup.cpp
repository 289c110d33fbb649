#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <memory>
#include <thread>

#include "app/about_box.h"
#include "app/error_report.h"
#include "app/game_file_commands.h"
#include "app/main_window.h"
#include "app/program_texts.h"
#include "app/splash_wait.h"
#include "game/random.h"
#include "platform/help_library.h"
#include "platform/signals.h"
#include "platform/sound_cue.h"
#include "storage/data_locations.h"
#include "storage/game_file_dialogs.h"
#include "storage/high_score_commands.h"
#include "storage/hiscores_dialog.h"

namespace quorbals {

namespace {

void CentreOnScreen(QWidget& w) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect r = screen->geometry();
        w.move(r.x() + (r.width() - w.width()) / 2, r.y() + (r.height() - w.height()) / 2);
    }
}

// On X11 a shown window is on screen only once it has been exposed and
// painted; wait for that (briefly) so the splash is really seen.
void ShowNow(QWidget& w) {
    w.show();
    QElapsedTimer limit;
    limit.start();
    while (limit.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (w.windowHandle() && w.windowHandle()->isExposed()) {
            break;
        }
    }
    w.repaint();
    QCoreApplication::processEvents();
}

[[noreturn]] void PathCountErrorAndExit(QWidget* owner) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kProgramName),
                    QStringLiteral("Path count error!"), QMessageBox::Ok, owner);
    box.exec();
    // The grid can no longer be trusted: end at once, without the normal
    // closing (the window settings are not saved).
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int RunQuorbals(int argc, char** argv) {
    IgnoreFileSizeSignal();
    LoadHelpLibrary();

    // X11 (or XWayland) so that window positions can be stored and restored.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // Whole scale factors only (150 % gives 2), so the artwork stays crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));

    QElapsedTimer splashStart;
    splashStart.start();

    auto splash = std::make_unique<TF_About>();
    splash->SetBorderStyle(TF_About::BorderStyle::None);
    CentreOnScreen(*splash);
    ShowNow(*splash);

    // Work shared by the windows for the whole run.
    const DataPaths paths = LocateDataPaths();
    QtSoundPlayer sound(paths.exeDir);
    HighScoreState scores;
    GameFileDialogs fileDialogs;
    TF_Hiscores* hiscores = nullptr;

    MainWindowServices services;
    services.sound = &sound;
    services.helpFile = paths.helpFile;
    services.loadHighScores = [&](QWidget*) { SetUpHighScores(scores, paths); };
    services.enterHighScore = [&](QWidget*, std::int32_t score) {
        EnterHighScore(*hiscores, scores, paths, score);
        return true;
    };
    services.showHighScores = [&](QWidget*) { ShowHighScores(*hiscores); };
    services.clearHighScores = [&](QWidget* owner) {
        AskAndClearHighScores(owner, *hiscores, scores, paths);
    };
    services.pathCountError = [](QWidget* owner) { PathCountErrorAndExit(owner); };

    // The main window's creation: paths, settings, then the first seeding.
    TF_Main mainWindow(services);
    mainWindow.settingsFile = paths.settingsFile;
    mainWindow.saveGameCommand = [&](TF_Main& w) { SaveGameCommand(w, fileDialogs); };
    mainWindow.loadGameCommand = [&](TF_Main& w) { LoadGameCommand(w, fileDialogs); };
    mainWindow.WindowSettingsLoad(paths.settingsFile);
    SeedRandomFromClock(mainWindow.state);

    TF_Hiscores hiscoresDialog(scores.table, &mainWindow);
    hiscores = &hiscoresDialog;

    WaitForSplash(
        0, [&] { return static_cast<std::int64_t>(splashStart.elapsed()); },
        [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    splash->hide();
    splash.reset();

    mainWindow.show();
    return app.exec();
}

}  // namespace quorbals
