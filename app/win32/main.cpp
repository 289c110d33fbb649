#include "app/win32/startup.h"
#include "platform/win32/win32_headers.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return quorbals::RunQuorbals();
}
