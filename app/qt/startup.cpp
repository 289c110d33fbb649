#include "app/qt/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <memory>
#include <thread>

#include "app/program_texts.h"
#include "app/qt/about_box.h"
#include "app/qt/centring.h"
#include "app/qt/error_report.h"
#include "app/qt/main_window.h"
#include "app/splash_wait.h"
#include "platform/qt/help_library.h"
#include "platform/qt/signals.h"
#include "platform/qt/sound_cue.h"
#include "storage/data_locations.h"
#include "storage/qt/game_file_dialogs.h"
#include "storage/qt/hiscores_dialog.h"

namespace quorbals {

namespace {

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
    CentreOnPrimaryScreen(*splash);
    ShowNow(*splash);

    // Work shared by the windows for the whole run.
    const DataPaths paths = LocateDataPaths();
    QtSoundPlayer sound(paths.exeDir);
    GameFileDialogs fileDialogs;
    MainWindowServices services;
    services.sound = &sound;
    services.fileDialogs = &fileDialogs;

    // The main window's creation: paths, settings, then the first seeding.
    TF_Main mainWindow(services);
    mainWindow.commands.FormCreate(paths);

    TF_Hiscores hiscoresDialog(mainWindow.app.scores.table, &mainWindow);
    mainWindow.SetHighScoreDialog(&hiscoresDialog);

    WaitForSplash(
        0, [&] { return static_cast<std::int64_t>(splashStart.elapsed()); },
        [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    splash->hide();
    splash.reset();

    mainWindow.show();
    return app.exec();
}

}  // namespace quorbals
