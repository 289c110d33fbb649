// An IAccessible for screen readers, written out once: reference counting,
// the checks of child ids, the VARIANTs and strings of the interface, and
// the answer to WM_GETOBJECT. A subclass only says what it holds: its
// children, numbered 1..n, are simple elements or objects of their own
// (windows), and child 0 is the object itself.
#pragma once

#include <string>

#include "platform/win32/win32_headers.h"
// After the window headers, which it builds on. Its interface's id is
// written __uuidof(IAccessible): IID_IAccessible is defined both by the
// accessibility library and by the uuid library, and a program that pulls
// in both copies does not link.
#include <oleacc.h>

namespace quorbals {

class AccessibleObject : public IAccessible {
public:
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // IUnknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: screen readers call IAccessible itself, never by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* id) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* ids) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT id) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override;

    // WM_GETOBJECT's answer for this object as the window's client; 0 when
    // it cannot be handed out (the system's default answer then).
    LRESULT AnswerGetObject(WPARAM wParam);
    // The window goes away or the object's owner lets go of what it reads:
    // every call fails from now on, for clients that still hold the object.
    void Disconnect() { connected_ = false; }
    HWND Window() const { return hwnd_; }

protected:
    // Made with one reference, the maker's; it lets go with Release().
    explicit AccessibleObject(HWND hwnd) : hwnd_(hwnd) {}
    virtual ~AccessibleObject() = default;

    // Connected and its window still there.
    bool Live() const;
    // Raises a WinEvent for a child of the window's client (0: the object).
    void Notify(DWORD event, LONG child) const;

    virtual LONG ChildCount() const = 0;
    // UTF-8 names; empty: none.
    virtual std::string Name(LONG child) const = 0;
    virtual LONG Role(LONG child) const = 0;
    virtual LONG State(LONG child) const = 0;
    // Where a child lies, in client pixels of the window (the object: the
    // whole client area).
    virtual RECT Bounds(LONG child) const = 0;
    // A new reference to a child that is an object of its own; null for a
    // simple element.
    virtual IDispatch* ChildObject(LONG) const { return nullptr; }
    // The child that has the keyboard focus: 0 the object itself, -1 none.
    virtual LONG FocusedChild() const { return -1; }
    // The selected child; 0 none.
    virtual LONG SelectedChild() const { return 0; }
    // The child beside `child` in a direction (NAVDIR_UP, _DOWN, _LEFT,
    // _RIGHT); 0 none.
    virtual LONG Neighbour(LONG, LONG) const { return 0; }

private:
    // What every call does first: `out` checked and cleared, then the
    // object checked to be live. S_OK when the call may go on.
    template <typename Out>
    HRESULT Start(Out* out) const;
    // The same, and the child that `id` names in `which`.
    template <typename Out>
    HRESULT Start(Out* out, const VARIANT& id, LONG& which) const;
    // The child a VARIANT names, or -1 when it names none of this object's.
    LONG ChildFrom(const VARIANT& id) const;
    // Puts a child into a VARIANT: the object of its own if it has one.
    void ToVariant(LONG child, VARIANT* out) const;
    // The answer for a text this object never has (value, help and the like).
    HRESULT NoText(BSTR* text) const;
    // A child's role or state as a VT_I4 answer.
    HRESULT ChildNumber(const VARIANT& id, VARIANT* out,
                        LONG (AccessibleObject::*number)(LONG) const) const;

    HWND hwnd_;
    LONG references_ = 1;
    bool connected_ = true;
};

}  // namespace quorbals
