// The turn's news for screen readers: a static text of no size in the main
// window, whose text is the latest news ("Red ball moved to row 4, column
// 6. ...", "Colour marks on."). Saying news makes screen readers read it:
// through UI Automation's notification event where the system has one
// (Windows 10 from version 1709), else as a polite live region whose change
// is signalled with a WinEvent (Windows 8 and later read it).
#pragma once

#include <string>

#include "platform/win32/win32_headers.h"

struct IRawElementProviderSimple;

namespace quorbals {

class NewsWindow {
public:
    NewsWindow() = default;
    ~NewsWindow();
    NewsWindow(const NewsWindow&) = delete;
    NewsWindow& operator=(const NewsWindow&) = delete;

    // COM must be set up on the thread.
    bool Create(HWND parent);
    HWND Handle() const { return hwnd_; }
    const std::string& Text() const { return text_; }

    void Say(const std::string& text);

private:
    bool RaiseNotification(const std::wstring& text);

    using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, wchar_t*,
                                                    wchar_t*);

    HWND hwnd_ = nullptr;
    std::string text_;
    void LoadAutomation();

    bool triedAutomation_ = false;
    HMODULE automation_ = nullptr;
    HostProviderFromHwnd hostProvider_ = nullptr;
    RaiseNotificationEvent raiseNotification_ = nullptr;
};

}  // namespace quorbals
