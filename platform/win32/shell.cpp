#include "platform/win32/shell.h"

#include <shellapi.h>

namespace quorbals {

void OpenWebAddress(HWND owner, const char* url) {
    // Nothing is reported when no program opens the address.
    ShellExecuteA(owner, "open", url, "", "", SW_SHOWNORMAL);
}

}  // namespace quorbals
