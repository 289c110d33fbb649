#include "app/win32/application_window.h"

#include "app/program_texts.h"
#include "platform/win32/text.h"

namespace quorbals {

namespace {
constexpr wchar_t kClassName[] = L"QuorbalsApplication";
// Passes an activation on once the one that brought it here has finished.
constexpr UINT kActivateMain = WM_APP + 1;
}  // namespace

ApplicationWindow::~ApplicationWindow() {
    if (hwnd_) {
        // Takes the windows it owns (the help viewer) with it.
        DestroyWindow(hwnd_);
    }
}

bool ApplicationWindow::Create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &RouteToWindow<ApplicationWindow>;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    // A tool window without size: no task-bar button, nothing to see.
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, Wide(kProgramName).c_str(), WS_POPUP, 0,
                            0, 0, 0, nullptr, nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT ApplicationWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                PostMessageW(hwnd_, kActivateMain, 0, 0);
            }
            break;
        case kActivateMain:
            if (main_ && IsWindowVisible(main_) && IsWindowEnabled(main_)) {
                SetForegroundWindow(main_);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace quorbals
