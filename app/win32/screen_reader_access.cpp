#include "app/win32/screen_reader_access.h"

#include "app/win32/play_area_accessible.h"
#include "view/win32/desk_accessible.h"

namespace quorbals {

namespace {

bool AsksForClient(LPARAM lParam) {
    // Compared as 32 bits: some callers sign-extend the id, some do not.
    return static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT);
}

}  // namespace

ScreenReaderAccess::ScreenReaderAccess(HWND main, HWND desk, const AppState& app) {
    // Handing objects out and the live region's setting both go through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ownsCom_ = SUCCEEDED(com);
    news_.Create(main);
    desk_ = new DeskAccessible(desk, DeskAccessible::Facts{app.game, app.cursor, app.colourMarks});
    playArea_ = new PlayAreaAccessible(main, desk, news_.Handle(), app, news_.Text());
}

ScreenReaderAccess::~ScreenReaderAccess() {
    // Screen readers may hold the objects longer; they only fail from now on.
    desk_->Disconnect();
    desk_->Release();
    playArea_->Disconnect();
    playArea_->Release();
    if (ownsCom_) {
        CoUninitialize();
    }
}

LRESULT ScreenReaderAccess::DeskObject(WPARAM wParam, LPARAM lParam) {
    return AsksForClient(lParam) ? desk_->AnswerGetObject(wParam) : 0;
}

LRESULT ScreenReaderAccess::PlayAreaObject(WPARAM wParam, LPARAM lParam) {
    return AsksForClient(lParam) ? playArea_->AnswerGetObject(wParam) : 0;
}

void ScreenReaderAccess::StateChanged() {
    desk_->StateChanged();
    playArea_->StateChanged();
}

void ScreenReaderAccess::Announce(const std::string& text) {
    news_.Say(text);
}

}  // namespace quorbals
