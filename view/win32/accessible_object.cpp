#include "view/win32/accessible_object.h"

namespace quorbals {

namespace {

// The UTF-8 text as a string the caller frees; null for empty text.
BSTR ToBstr(const std::string& utf8) {
    if (utf8.empty()) {
        return nullptr;
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (text) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text, length);
    }
    return text;
}

void Clear(VARIANT* out) {
    VariantInit(out);
}

template <typename T>
void Clear(T* out) {
    *out = T{};
}

}  // namespace

template <typename Out>
HRESULT AccessibleObject::Start(Out* out) const {
    if (!out) {
        return E_POINTER;
    }
    Clear(out);
    return Live() ? S_OK : CO_E_OBJNOTCONNECTED;
}

template <typename Out>
HRESULT AccessibleObject::Start(Out* out, const VARIANT& id, LONG& which) const {
    if (const HRESULT started = Start(out); started != S_OK) {
        return started;
    }
    which = ChildFrom(id);
    return which < 0 ? E_INVALIDARG : S_OK;
}

// --- IUnknown and IDispatch ---------------------------------------------------

HRESULT STDMETHODCALLTYPE AccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, __uuidof(IAccessible))) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*,
                                                   VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// --- Helpers ------------------------------------------------------------------

bool AccessibleObject::Live() const {
    return connected_ && IsWindow(hwnd_);
}

void AccessibleObject::Notify(DWORD event, LONG child) const {
    if (Live()) {
        NotifyWinEvent(event, hwnd_, OBJID_CLIENT, child);
    }
}

LONG AccessibleObject::ChildFrom(const VARIANT& id) const {
    if (id.vt != VT_I4 || id.lVal < 0 || id.lVal > ChildCount()) {
        return -1;
    }
    return id.lVal;
}

void AccessibleObject::ToVariant(LONG child, VARIANT* out) const {
    if (child > 0) {
        if (IDispatch* object = ChildObject(child)) {
            out->vt = VT_DISPATCH;
            out->pdispVal = object;
            return;
        }
    }
    out->vt = VT_I4;
    out->lVal = child;
}

HRESULT AccessibleObject::NoText(BSTR* text) const {
    const HRESULT started = Start(text);
    return started == S_OK ? DISP_E_MEMBERNOTFOUND : started;
}

HRESULT AccessibleObject::ChildNumber(const VARIANT& id, VARIANT* out,
                                      LONG (AccessibleObject::*number)(LONG) const) const {
    LONG which = 0;
    if (const HRESULT started = Start(out, id, which); started != S_OK) {
        return started;
    }
    out->vt = VT_I4;
    out->lVal = (this->*number)(which);
    return S_OK;
}

LRESULT AccessibleObject::AnswerGetObject(WPARAM wParam) {
    if (!Live()) {
        return 0;
    }
    const LRESULT answer =
        LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(this));
    return answer > 0 ? answer : 0;
}

// --- IAccessible ----------------------------------------------------------------

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accParent(IDispatch** parent) {
    if (const HRESULT started = Start(parent); started != S_OK) {
        return started;
    }
    // The window's own object, as for every client area.
    return AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accChildCount(LONG* count) {
    if (const HRESULT started = Start(count); started != S_OK) {
        return started;
    }
    *count = ChildCount();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accChild(VARIANT id, IDispatch** child) {
    LONG which = 0;
    if (const HRESULT started = Start(child, id, which); started != S_OK) {
        return started;
    }
    if (which == CHILDID_SELF) {
        AddRef();
        *child = this;
        return S_OK;
    }
    *child = ChildObject(which);
    return *child ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accName(VARIANT id, BSTR* name) {
    LONG which = 0;
    if (const HRESULT started = Start(name, id, which); started != S_OK) {
        return started;
    }
    *name = ToBstr(Name(which));
    return *name ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accValue(VARIANT, BSTR* value) {
    return NoText(value);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accDescription(VARIANT, BSTR* description) {
    return NoText(description);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accRole(VARIANT id, VARIANT* role) {
    return ChildNumber(id, role, &AccessibleObject::Role);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accState(VARIANT id, VARIANT* state) {
    return ChildNumber(id, state, &AccessibleObject::State);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
    return NoText(help);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
    if (!file || !topic) {
        return E_POINTER;
    }
    *file = nullptr;
    *topic = 0;
    return Live() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    return NoText(shortcut);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accFocus(VARIANT* id) {
    if (const HRESULT started = Start(id); started != S_OK) {
        return started;
    }
    const LONG focused = FocusedChild();
    if (focused < 0) {
        return S_FALSE;
    }
    ToVariant(focused, id);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accSelection(VARIANT* ids) {
    if (const HRESULT started = Start(ids); started != S_OK) {
        return started;
    }
    const LONG selected = SelectedChild();
    if (selected <= 0) {
        return S_FALSE;
    }
    ToVariant(selected, ids);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::get_accDefaultAction(VARIANT, BSTR* action) {
    return NoText(action);
}

HRESULT STDMETHODCALLTYPE AccessibleObject::accSelect(LONG, VARIANT) {
    return Live() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width,
                                                        LONG* height, VARIANT id) {
    if (!left || !top || !width || !height) {
        return E_POINTER;
    }
    *left = *top = *width = *height = 0;
    if (!Live()) {
        return CO_E_OBJNOTCONNECTED;
    }
    const LONG which = ChildFrom(id);
    if (which < 0) {
        return E_INVALIDARG;
    }
    RECT r = Bounds(which);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::accNavigate(LONG direction, VARIANT start,
                                                        VARIANT* end) {
    LONG from = 0;
    if (const HRESULT started = Start(end, start, from); started != S_OK) {
        return started;
    }
    const LONG count = ChildCount();
    LONG to = 0;
    switch (direction) {
        case NAVDIR_FIRSTCHILD:
            to = from == CHILDID_SELF && count > 0 ? 1 : 0;
            break;
        case NAVDIR_LASTCHILD:
            to = from == CHILDID_SELF ? count : 0;
            break;
        case NAVDIR_NEXT:
            to = from > 0 && from < count ? from + 1 : 0;
            break;
        case NAVDIR_PREVIOUS:
            to = from > 1 ? from - 1 : 0;
            break;
        case NAVDIR_UP:
        case NAVDIR_DOWN:
        case NAVDIR_LEFT:
        case NAVDIR_RIGHT:
            to = from > 0 ? Neighbour(from, direction) : 0;
            break;
        default:
            return E_INVALIDARG;
    }
    // The object's own siblings are its parent's to tell.
    if (to <= 0) {
        return S_FALSE;
    }
    ToVariant(to, end);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* id) {
    if (const HRESULT started = Start(id); started != S_OK) {
        return started;
    }
    POINT at{x, y};
    ScreenToClient(hwnd_, &at);
    const RECT whole = Bounds(CHILDID_SELF);
    if (!PtInRect(&whole, at)) {
        return S_FALSE;
    }
    LONG hit = CHILDID_SELF;
    for (LONG child = 1; child <= ChildCount(); ++child) {
        const RECT r = Bounds(child);
        if (PtInRect(&r, at)) {
            hit = child;
            break;
        }
    }
    ToVariant(hit, id);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::accDoDefaultAction(VARIANT) {
    return Live() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE AccessibleObject::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

}  // namespace quorbals
