#include "app/win32/client_size.h"

namespace quorbals {

void FitClientArea(HWND hwnd, int width, int height) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (client.right == width && client.bottom == height) {
        return;
    }
    RECT window{};
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + width - client.right,
                 window.bottom - window.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorbals
