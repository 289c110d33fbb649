// I_Desk: the Desk picture as a child window. Drawing goes into the shared
// DeskPicture; a repaint hands the changed squares to the window system,
// and painting copies them from the Desk bitmap with BitBlt and SRCCOPY.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/win32/win32_headers.h"
#include "platform/win32/window_procedure.h"
#include "view/desk_picture.h"
#include "view/win32/picture_bitmap.h"

namespace quorbals {

class DeskWindow {
public:
    struct Handlers {
        std::function<void(std::int32_t x, std::int32_t y)> mouseMove;
        std::function<void(std::int32_t x, std::int32_t y)> mouseUp;
        std::function<void()> mouseLeave;
    };

    DeskWindow(const SpriteSheets& sheets, const ViewTables& tables, Handlers handlers);
    ~DeskWindow();
    DeskWindow(const DeskWindow&) = delete;
    DeskWindow& operator=(const DeskWindow&) = delete;

    // Makes the hidden child window at (x, y) of `parent`.
    bool Create(HWND parent, int x, int y);
    HWND Handle() const { return hwnd_; }

    void DrawBallTile(int x, int y, int color, int frame) {
        desk_.DrawBallTile(x, y, color, frame);
    }
    void DrawEmptyTile(int x, int y) { desk_.DrawEmptyTile(x, y); }
    void DrawArrowSprite(int x, int y, int index) { desk_.DrawArrowSprite(x, y, index); }
    // The clean Desk; it reaches the screen once the running handler has
    // finished, or with an earlier Repaint().
    void ResetDesk();
    // Invalidates what changed since the last repaint.
    void Repaint();

    const DeskPicture& Picture() const { return desk_; }

private:
    template <typename Window>
    friend LRESULT CALLBACK RouteToWindow(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void ButtonDown(unsigned button);
    void ButtonUp(unsigned button, LPARAM lParam);

    DeskPicture desk_;
    PictureBitmap bitmap_;
    Handlers handlers_;
    HWND hwnd_ = nullptr;
    bool tracking_ = false;
    bool flushQueued_ = false;
    unsigned buttonsDown_ = 0;
};

}  // namespace quorbals
