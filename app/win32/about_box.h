// TF_About: the About box. Without a border it is the start-up splash and
// ignores clicks and keys; with the dialog border it is the modal About
// dialog, ended by a click anywhere but the icon's frame, Enter or Escape.
#pragma once

#include <string>

#include "platform/win32/win32_headers.h"
#include "platform/win32/window_procedure.h"

namespace quorbals {

class TF_About {
public:
    enum class BorderStyle { None, Dialog };

    explicit TF_About(BorderStyle style);
    ~TF_About();
    TF_About(const TF_About&) = delete;
    TF_About& operator=(const TF_About&) = delete;

    // The splash: shown centred on the screen and painted at once.
    void ShowSplash();
    // The dialog: modal over `owner` until it ends. True when ended with OK.
    bool ShowModal(HWND owner);

    // Makes the hidden box, sized and centred; ShowSplash and ShowModal
    // make it when it is not there yet.
    bool Create(HWND owner);

    // A click on the panel, the icon or a label.
    void B_OkClick();
    int Scale() const { return scale_; }
    BorderStyle borderStyle() const { return borderStyle_; }
    HWND Handle() const { return hwnd_; }

private:
    void FormActivate();
    // The fonts at the box's scale.
    void MakeFonts();
    void Paint();
    void End(bool ok);
    template <typename Window>
    friend LRESULT CALLBACK RouteToWindow(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    BorderStyle borderStyle_;
    HWND hwnd_ = nullptr;
    int scale_ = 1;  // screen pixels per design pixel
    HFONT baseFont_ = nullptr;
    HFONT titleFont_ = nullptr;
    HFONT lineFont_ = nullptr;
    HICON icon_ = nullptr;
    bool ended_ = false;
    bool result_ = false;
};

}  // namespace quorbals
