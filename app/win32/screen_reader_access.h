// What the main window shows screen readers: the Desk as a table of cells,
// the play area with the score, the previews and the latest news, and the
// events that tell screen readers what changed after each command and
// turn. Made once the windows exist; the windows only hand it WM_GETOBJECT.
#pragma once

#include <string>

#include "app/app_state.h"
#include "app/win32/news_window.h"
#include "platform/win32/win32_headers.h"

namespace quorbals {

class DeskAccessible;
class PlayAreaAccessible;

class ScreenReaderAccess {
public:
    // `app` must outlive this object.
    ScreenReaderAccess(HWND main, HWND desk, const AppState& app);
    ~ScreenReaderAccess();
    ScreenReaderAccess(const ScreenReaderAccess&) = delete;
    ScreenReaderAccess& operator=(const ScreenReaderAccess&) = delete;

    // WM_GETOBJECT of the Desk's window and of the main window: the object
    // for the client area, 0 for what the system answers by itself.
    LRESULT DeskObject(WPARAM wParam, LPARAM lParam);
    LRESULT PlayAreaObject(WPARAM wParam, LPARAM lParam);

    // The Desk, the selection, the cursor, the score or the previews may
    // have changed.
    void StateChanged();
    // A turn's news, for screen readers to read out.
    void Announce(const std::string& text);

private:
    // COM was set up here and is to be taken down here.
    bool ownsCom_ = false;
    NewsWindow news_;
    DeskAccessible* desk_ = nullptr;
    PlayAreaAccessible* playArea_ = nullptr;
};

}  // namespace quorbals
