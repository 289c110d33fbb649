#include "app/win32/news_window.h"

#include "platform/win32/text.h"
// After the window headers, which they build on.
#include <oleacc.h>
#include <uiautomationcore.h>

namespace quorbals {

namespace {

// UI Automation's LiveSetting property, by which a live region is polite.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kLivePolite = 1;
// UI Automation's NotificationKind_Other and NotificationProcessing_All:
// news is read when the reader is free, and none is dropped.
constexpr int kNotificationOther = 4;
constexpr int kNotificationAll = 2;

void MarkPoliteLiveRegion(HWND hwnd) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return;
    }
    VARIANT live;
    VariantInit(&live);
    live.vt = VT_I4;
    live.lVal = kLivePolite;
    services->SetHwndProp(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          kLiveSettingProperty, live);
    services->Release();
}

}  // namespace

NewsWindow::~NewsWindow() {
    // The window goes with its parent.
    if (automation_) {
        FreeLibrary(automation_);
    }
}

bool NewsWindow::Create(HWND parent) {
    // Visible but of no size: screen readers pass over hidden windows.
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0,
                            0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) {
        return false;
    }
    MarkPoliteLiveRegion(hwnd_);
    return true;
}

void NewsWindow::LoadAutomation() {
    // At the first news rather than at start-up, which it would only slow.
    triedAutomation_ = true;
    automation_ = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (automation_) {
        hostProvider_ = reinterpret_cast<HostProviderFromHwnd>(
            reinterpret_cast<void*>(GetProcAddress(automation_, "UiaHostProviderFromHwnd")));
        raiseNotification_ = reinterpret_cast<RaiseNotificationEvent>(
            reinterpret_cast<void*>(GetProcAddress(automation_, "UiaRaiseNotificationEvent")));
    }
}

void NewsWindow::Say(const std::string& text) {
    text_ = text;
    if (!hwnd_) {
        return;
    }
    const std::wstring wide = Wide(text);
    // The text is the static's name, which screen readers read; setting it
    // also signals the name's change.
    SetWindowTextW(hwnd_, wide.c_str());
    // One of the two, or a screen reader could read the news twice.
    if (!RaiseNotification(wide)) {
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    }
}

bool NewsWindow::RaiseNotification(const std::wstring& text) {
    if (!triedAutomation_) {
        LoadAutomation();
    }
    if (!hostProvider_ || !raiseNotification_) {
        return false;
    }
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProvider_(hwnd_, &provider)) || !provider) {
        return false;
    }
    BSTR display = SysAllocString(text.c_str());
    BSTR activity = SysAllocString(L"Quorbals.TurnNews");
    const HRESULT raised =
        raiseNotification_(provider, kNotificationOther, kNotificationAll, display, activity);
    SysFreeString(display);
    SysFreeString(activity);
    provider->Release();
    return SUCCEEDED(raised);
}

}  // namespace quorbals
