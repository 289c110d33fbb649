#include "app/qt/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <memory>
#include <thread>

#include "app/program_texts.h"
#include "app/qt/about_box.h"
#include "app/qt/error_report.h"
#include "app/qt/main_window.h"
#include "app/startup_sequence.h"
#include "platform/qt/help_library.h"
#include "platform/qt/signals.h"
#include "platform/qt/sound_cue.h"
#include "storage/data_locations.h"
#include "storage/qt/game_file_dialogs.h"
#include "storage/qt/hiscores_dialog.h"
#include "view/qt/centring.h"

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

// The Qt front end's share of each start-up step.
class QtStartup final : public StartupSteps {
public:
    QtStartup(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    void LoadHelpLibrary() override {
        IgnoreFileSizeSignal();
        quorbals::LoadHelpLibrary();
    }
    void InitApplication() override {
        // X11 (or XWayland) so that window positions can be stored and restored.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "xcb");
        }
        // Whole scale factors only (150 % gives 2), so the artwork stays crisp.
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::Round);
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setApplicationName(QString::fromUtf8(kProgramName));
        clock_.start();
    }
    void ShowSplash() override {
        splash_ = std::make_unique<TF_About>();
        splash_->SetBorderStyle(TF_About::BorderStyle::None);
        CentreOnPrimaryScreen(*splash_);
        ShowNow(*splash_);
    }
    void CreateMainWindow() override {
        const DataPaths paths = LocateDataPaths();
        sound_ = std::make_unique<QtSoundPlayer>(paths.exeDir);
        MainWindowServices services;
        services.sound = sound_.get();
        services.fileDialogs = &fileDialogs_;
        mainWindow_ = std::make_unique<TF_Main>(services);
        mainWindow_->commands.FormCreate(paths);
    }
    void CreateHighScoreDialog() override {
        hiscores_ = std::make_unique<TF_Hiscores>(mainWindow_->app.scores.table, mainWindow_.get());
        mainWindow_->SetHighScoreDialog(hiscores_.get());
    }
    std::int64_t NowMs() override { return clock_.elapsed(); }
    void SleepBriefly() override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
    void CloseSplash() override {
        splash_->hide();
        splash_.reset();
    }
    int RunMessageLoop() override {
        mainWindow_->show();
        const int status = QApplication::exec();
        hiscores_.reset();
        mainWindow_.reset();
        return status;
    }

private:
    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
    QElapsedTimer clock_;
    std::unique_ptr<TF_About> splash_;
    std::unique_ptr<QtSoundPlayer> sound_;
    GameFileDialogs fileDialogs_;
    std::unique_ptr<TF_Main> mainWindow_;
    std::unique_ptr<TF_Hiscores> hiscores_;
};

}  // namespace

int RunQuorbals(int argc, char** argv) {
    QtStartup steps(argc, argv);
    return RunStartup(steps);
}

}  // namespace quorbals
