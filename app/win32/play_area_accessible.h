// The main window's play area for screen readers: the score ("Score:
// 120"), the previews ("Next: red, green, blue"), the Desk's window and the
// latest news, as children 1 to 4. The Desk and the news are windows of
// their own with objects of their own; the score and the previews are
// painted into the main window and are simple elements here.
#pragma once

#include <string>

#include "app/app_state.h"
#include "view/win32/accessible_object.h"

namespace quorbals {

class PlayAreaAccessible final : public AccessibleObject {
public:
    enum Child : LONG { kScore = 1, kPreviews = 2, kDesk = 3, kNews = 4 };

    // Everything read must outlive the object's connection.
    PlayAreaAccessible(HWND main, HWND desk, HWND news, const AppState& app,
                       const std::string& newsText);

    // Tells screen readers of a changed score or previews.
    void StateChanged();

protected:
    LONG ChildCount() const override { return kNews; }
    std::string Name(LONG child) const override;
    LONG Role(LONG child) const override;
    LONG State(LONG child) const override;
    RECT Bounds(LONG child) const override;
    IDispatch* ChildObject(LONG child) const override;
    LONG FocusedChild() const override;

private:
    bool HasKeyboard() const;
    // A rectangle of the play area's design in the window's client pixels,
    // which show the design enlarged on a scaled desktop.
    RECT Scaled(LONG x, LONG y, LONG width, LONG height) const;
    // A child window's rectangle in the client pixels.
    RECT WindowBounds(HWND child) const;

    HWND desk_;
    HWND news_;
    const AppState& app_;
    const std::string& newsText_;
    std::string score_;
    std::string previews_;
};

}  // namespace quorbals
