// I_Desk: the shared Desk picture as a child window. The rectangles it is
// told have changed are handed to the window system, and painting copies
// them from the Desk bitmap with BitBlt and SRCCOPY, or on a scaled screen
// each picture pixel as a square of whole screen pixels. The keyboard
// cursor's frame is painted over the copy, never into the picture. Pointer
// positions reach the handlers in picture pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "platform/win32/win32_headers.h"
#include "platform/win32/window_procedure.h"
#include "view/desk_picture.h"
#include "view/keyboard_play.h"
#include "view/win32/picture_bitmap.h"

namespace quorbals {

class DeskWindow {
public:
    struct Handlers {
        std::function<void(std::int32_t x, std::int32_t y)> mouseMove;
        std::function<void(std::int32_t x, std::int32_t y)> mouseUp;
        std::function<void()> mouseLeave;
        // WM_GETOBJECT: a screen reader asks for an object; 0 leaves the
        // answer to the system.
        std::function<LRESULT(WPARAM wParam, LPARAM lParam)> getObject;
    };

    // The picture must outlive the window.
    DeskWindow(DeskPicture& desk, Handlers handlers);
    ~DeskWindow();
    DeskWindow(const DeskWindow&) = delete;
    DeskWindow& operator=(const DeskWindow&) = delete;

    // Makes the hidden child window at (x, y) of `parent`, showing each
    // picture pixel as a square of `scale` pixels.
    bool Create(HWND parent, int x, int y, int scale = 1);
    HWND Handle() const { return hwnd_; }
    // Moves the window to (x, y) of its parent at another scale.
    void Place(int x, int y, int scale);
    int Scale() const { return scale_; }

    // Invalidates these rectangles of the picture.
    void ShowRects(std::span<const PixelRect> rects);
    // Where the keyboard cursor is and whether it shows; the areas it left
    // and entered come to ShowRects.
    void SetKeyboardCursor(const KeyboardCursor& cursor) { cursor_ = cursor; }

    const DeskPicture& Picture() const { return desk_; }

private:
    template <typename Window>
    friend LRESULT CALLBACK RouteToWindow(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PaintCursorFrame(HDC dc, const RECT& painted) const;
    void ButtonDown(unsigned button);
    void ButtonUp(unsigned button, LPARAM lParam);

    DeskPicture& desk_;
    PictureBitmap bitmap_;
    Handlers handlers_;
    HWND hwnd_ = nullptr;
    int scale_ = 1;
    KeyboardCursor cursor_;
    bool tracking_ = false;
    unsigned buttonsDown_ = 0;
};

}  // namespace quorbals
