// Routes a window's messages to the object that made it. The object's
// address travels in CreateWindowEx's last argument and is kept in the
// window's user data; messages that come before the object knows its
// handle, or after it let go of it, get the default handling.
#pragma once

#include "platform/win32/win32_headers.h"

namespace quorbals {

// Window needs HWND Handle() const, LRESULT Handle(UINT, WPARAM, LPARAM) and
// an HWND hwnd_ (both may be private, with this template as a friend).
template <typename Window>
LRESULT CALLBACK RouteToWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || self->Handle() != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The window is gone: nothing may use its handle any more.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

// Registers, once, the class of Window's windows: the arrow cursor on the
// button face, messages routed as above, with `icon` (null: the system's).
template <typename Window>
void RegisterRoutedClass(HINSTANCE instance, const wchar_t* name, HICON icon = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, name, &wc)) {
        return;
    }
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &RouteToWindow<Window>;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

}  // namespace quorbals
