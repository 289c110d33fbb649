#include "app/win32/message_box.h"

#include "app/program_texts.h"
#include "platform/win32/text.h"

namespace quorbals {

bool ShowQuorbalsBox(HWND owner, BoxKind kind, const std::string& text) {
    UINT flags = MB_OK | MB_ICONINFORMATION;
    if (kind == BoxKind::Error) {
        flags = MB_OK | MB_ICONERROR;
    } else if (kind == BoxKind::Question) {
        flags = MB_OKCANCEL | MB_ICONQUESTION;
    }
    // A hidden owner (during start-up) would hide the box's task-bar presence.
    if (owner && !IsWindowVisible(owner)) {
        owner = nullptr;
    }
    return MessageBoxW(owner, Wide(text).c_str(), Wide(kProgramName).c_str(), flags) == IDOK;
}

}  // namespace quorbals
