// The application's hidden window. It is never shown; it owns what belongs
// to the program rather than to its main window: the help viewer, and the
// shell's windows for web addresses. A window owned by the main window
// would stay in front of it for good, and where it covers the main window
// no click could reach the game.
#pragma once

#include "platform/win32/win32_headers.h"
#include "platform/win32/window_procedure.h"

namespace quorbals {

class ApplicationWindow {
public:
    ApplicationWindow() = default;
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    // Makes the hidden window, titled with the program name.
    bool Create();
    HWND Handle() const { return hwnd_; }
    // The main window, which gets the activation should it ever come here.
    void SetMainWindow(HWND main) { main_ = main; }

private:
    template <typename Window>
    friend LRESULT CALLBACK RouteToWindow(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND main_ = nullptr;
};

}  // namespace quorbals
