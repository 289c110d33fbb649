#include "app/web/startup.h"

#include <emscripten.h>

#include <memory>

#include "app/startup_sequence.h"
#include "app/web/main_window.h"
#include "app/web/page_calls.h"
#include "storage/data_locations.h"
#include "storage/web/hiscores_dialog.h"

namespace quorbals {

namespace {

// The windows live as long as the page.
std::unique_ptr<TF_Main> mainWindow;
std::unique_ptr<TF_Hiscores> hiscores;

class WebStartup final : public StartupSteps {
public:
    void LoadHelpLibrary() override {}  // the help pages are part of the site
    void InitApplication() override {}
    void ShowSplash() override { page::ShowSplash(); }
    void CreateMainWindow() override {
        mainWindow = std::make_unique<TF_Main>();
        mainWindow->commands.FormCreate(LocateDataPaths());
    }
    void CreateHighScoreDialog() override {
        hiscores = std::make_unique<TF_Hiscores>(mainWindow->app.scores.table);
        mainWindow->SetHighScoreDialog(hiscores.get());
    }
    std::int64_t NowMs() override { return static_cast<std::int64_t>(emscripten_get_now()); }
    // Hands the page back to the browser, so that the splash is painted.
    void SleepBriefly() override { emscripten_sleep(10); }
    void CloseSplash() override { page::CloseSplash(); }
    int RunMessageLoop() override {
        page::ShowMainWindow();
        return 0;
    }
};

}  // namespace

int RunQuorbals() {
    WebStartup steps;
    return RunStartup(steps);
}

TF_Main* MainWindow() {
    return mainWindow.get();
}

}  // namespace quorbals
