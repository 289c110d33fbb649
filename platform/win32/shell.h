// Web addresses through the desktop shell.
#pragma once

#include <windows.h>

namespace quorbals {

// "open" on `url` with `owner` as the owner window; the result is ignored.
void OpenWebAddress(HWND owner, const char* url);

}  // namespace quorbals
