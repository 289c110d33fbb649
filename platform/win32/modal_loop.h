// The one modal loop of the Windows front end's own dialogs: the owner takes
// no input while it runs, and every message of the thread is dispatched, so
// that the owner's timers go on.
#pragma once

#include <functional>

#include "platform/win32/win32_headers.h"

namespace quorbals {

struct ModalRun {
    HWND dialog = nullptr;
    HWND owner = nullptr;  // may be null
    // Tab, Enter and Escape go through the dialog manager (dialogs with controls).
    bool dialogKeys = false;
    // Called once the dialog is shown, before it is first painted.
    std::function<void()> shown;
    // Asked before each message: whether the dialog has ended.
    std::function<bool()> ended;
};

// Disables the owner (when it is enabled), shows the dialog and dispatches
// messages until it has ended, is destroyed or the program quits (the quit
// message is posted again for the outer loop); then enables the owner before
// the dialog is hidden, so that the owner, not another program, is
// activated next.
void RunModalLoop(const ModalRun& run);

}  // namespace quorbals
