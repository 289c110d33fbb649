#include "app/win32/startup.h"

#include <memory>

#include "app/program_texts.h"
#include "app/splash_wait.h"
#include "app/win32/about_box.h"
#include "app/win32/main_window.h"
#include "app/win32/win32_headers.h"
#include "platform/win32/help_library.h"
#include "storage/data_locations.h"

namespace quorbals {

namespace {

std::int64_t NowMs() {
    return static_cast<std::int64_t>(GetTickCount64());
}

}  // namespace

int RunQuorbals() {
    // Before anything else, as the help viewer's library has always been.
    LoadHelpLibrary();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const std::int64_t splashStart = NowMs();
    auto splash = std::make_unique<TF_About>(TF_About::BorderStyle::None);
    splash->ShowSplash();

    // The main window's creation: paths, settings, then the first seeding.
    auto mainWindow = std::make_unique<TF_Main>();
    if (!mainWindow->Create()) {
        return 1;
    }
    mainWindow->commands.FormCreate(LocateDataPaths());

    // The high-score dialog is made here once it exists for this front end;
    // until then scores are entered without a dialog.

    // The splash's second: no messages are handled meanwhile.
    WaitForSplash(splashStart, NowMs, [] { Sleep(1); });
    splash.reset();

    ShowWindow(mainWindow->Handle(), SW_SHOWNORMAL);
    UpdateWindow(mainWindow->Handle());

    MSG msg;
    int status = 0;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            status = static_cast<int>(msg.wParam);
            break;
        }
        if (got < 0) {
            status = 1;
            break;
        }
        if (mainWindow->Handle() &&
            TranslateAcceleratorW(mainWindow->Handle(), mainWindow->Accelerators(), &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return status;
}

}  // namespace quorbals
