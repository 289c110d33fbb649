#include "app/win32/startup.h"

#include <memory>
#include <stdexcept>

#include "app/program_texts.h"
#include "app/startup_sequence.h"
#include "app/win32/about_box.h"
#include "app/win32/application_window.h"
#include "app/win32/main_window.h"
#include "platform/win32/help_library.h"
#include "platform/win32/win32_headers.h"
#include "storage/data_locations.h"
#include "storage/win32/hiscores_dialog.h"

namespace quorbals {

namespace {

// The Win32 front end's share of each start-up step.
class Win32Startup final : public StartupSteps {
public:
    void LoadHelpLibrary() override { quorbals::LoadHelpLibrary(); }
    void InitApplication() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        if (!application_.Create()) {
            throw std::runtime_error("The application window could not be created");
        }
    }
    void ShowSplash() override {
        splash_ = std::make_unique<TF_About>(TF_About::BorderStyle::None);
        splash_->ShowSplash();
    }
    void CreateMainWindow() override {
        // The main window's creation: paths, settings, then the first seeding.
        mainWindow_ = std::make_unique<TF_Main>();
        if (!mainWindow_->Create()) {
            throw std::runtime_error("The main window could not be created");
        }
        mainWindow_->SetApplicationWindow(application_.Handle());
        application_.SetMainWindow(mainWindow_->Handle());
        mainWindow_->commands.FormCreate(LocateDataPaths());
    }
    void CreateHighScoreDialog() override {
        hiscores_ = std::make_unique<TF_Hiscores>(GetModuleHandleW(nullptr), mainWindow_->Handle(),
                                                  mainWindow_->app.scores.table);
        mainWindow_->SetHighScoreDialog(hiscores_.get());
        hiscores_->SetAnnouncer(
            [window = mainWindow_.get()](const std::string& text) { window->Announce(text); });
    }
    std::int64_t NowMs() override { return static_cast<std::int64_t>(GetTickCount64()); }
    void SleepBriefly() override { Sleep(1); }
    void CloseSplash() override { splash_.reset(); }
    int RunMessageLoop() override {
        ShowWindow(mainWindow_->Handle(), SW_SHOWNORMAL);
        UpdateWindow(mainWindow_->Handle());
        MSG msg;
        for (;;) {
            const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got == 0) {
                return static_cast<int>(msg.wParam);
            }
            if (got < 0) {
                return 1;
            }
            if (mainWindow_->TakeKey(msg)) {
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

private:
    // Made first and gone last: what it owns outlives the main window only
    // until the program ends.
    ApplicationWindow application_;
    std::unique_ptr<TF_About> splash_;
    std::unique_ptr<TF_Main> mainWindow_;
    std::unique_ptr<TF_Hiscores> hiscores_;
};

}  // namespace

int RunQuorbals() {
    try {
        Win32Startup steps;
        return RunStartup(steps);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), kProgramName, MB_ICONERROR | MB_OK);
        return 1;
    }
}

}  // namespace quorbals
