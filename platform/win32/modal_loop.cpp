#include "platform/win32/modal_loop.h"

namespace quorbals {

void RunModalLoop(const ModalRun& run) {
    const bool disableOwner = run.owner && IsWindowEnabled(run.owner);
    if (disableOwner) {
        EnableWindow(run.owner, FALSE);
    }
    ShowWindow(run.dialog, SW_SHOWNORMAL);
    if (run.shown) {
        run.shown();
    }
    UpdateWindow(run.dialog);
    MSG msg;
    while (IsWindow(run.dialog) && !run.ended()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) {
            break;
        }
        if (!run.dialogKeys || !IsWindow(run.dialog) || !IsDialogMessageW(run.dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (disableOwner) {
        EnableWindow(run.owner, TRUE);
    }
    if (IsWindow(run.dialog)) {
        ShowWindow(run.dialog, SW_HIDE);
    }
}

}  // namespace quorbals
