// The Windows start-up floor: a bare Win32 window of the game's shape (a menu
// bar over a 273 x 306 client area), doing nothing else. Its title is the
// first argument, "Floor" by default. Built by startup_wine.sh:
//   x86_64-w64-mingw32-g++-posix -O2 -static -mwindows floor_window_win32.cpp
#include <windows.h>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    const char* title = commandLine && *commandLine ? commandLine : "Floor";
    WNDCLASSA wc{};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QuorbalsFloor";
    RegisterClassA(&wc);

    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&Game");
    AppendMenuA(bar, MF_STRING, 2, "&Help");
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, 273, 306};
    AdjustWindowRect(&r, style, TRUE);
    HWND window =
        CreateWindowA("QuorbalsFloor", title, style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                      r.bottom - r.top, nullptr, bar, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
