#include "platform/win32/dpi.h"

namespace quorbals {

namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

FARPROC User32Entry(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

template <typename Call>
Call Entry(const char* name) {
    // Through void(*)() as the compilers ask for a cast between function types.
    return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(User32Entry(name)));
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

}  // namespace

UINT WindowDpi(HWND hwnd) {
    static const auto forWindow = Entry<GetDpiForWindowCall>("GetDpiForWindow");
    if (forWindow && hwnd) {
        if (const UINT dpi = forWindow(hwnd)) {
            return dpi;
        }
    }
    return SystemDpi();
}

RECT OuterRectForDpi(RECT client, DWORD style, bool menu, DWORD exStyle, UINT dpi) {
    static const auto adjust = Entry<AdjustForDpiCall>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&client, style, menu, exStyle, dpi)) {
        AdjustWindowRectEx(&client, style, menu, exStyle);
    }
    return client;
}

UINT TakeSuggestedRect(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return HIWORD(wParam);
}

}  // namespace quorbals
