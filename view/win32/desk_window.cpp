#include "view/win32/desk_window.h"

#include <vector>

#include "view/win32/colour_ref.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

constexpr wchar_t kClassName[] = L"TQuorbalsDesk";

void RegisterDeskClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kClassName, &wc)) {
        return;
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    // No background: the picture covers the whole window.
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

// The rectangles of an update region; its bounding box when they cannot be read.
std::vector<RECT> RegionRects(HRGN region, const RECT& bounds) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<RECT> rects;
    if (size >= sizeof(RGNDATAHEADER)) {
        std::vector<unsigned char> data(size);
        auto* header = reinterpret_cast<RGNDATA*>(data.data());
        if (GetRegionData(region, size, header) == size) {
            const auto* first = reinterpret_cast<const RECT*>(header->Buffer);
            rects.assign(first, first + header->rdh.nCount);
        }
    }
    if (rects.empty()) {
        rects.push_back(bounds);
    }
    return rects;
}

unsigned ButtonOf(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return 1;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return 4;
        default:
            return GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? 8u : 16u;
    }
}

}  // namespace

DeskWindow::DeskWindow(DeskPicture& desk, Handlers handlers)
    : desk_(desk),
      bitmap_(desk_.Picture().width, desk_.Picture().height),
      handlers_(std::move(handlers)) {
    bitmap_.Load(desk_.Picture());
}

DeskWindow::~DeskWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }
}

bool DeskWindow::Create(HWND parent, int x, int y, int scale) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterDeskClass(instance, &RouteToWindow<DeskWindow>);
    scale_ = scale;
    hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, x, y,
                            desk_.Picture().width * scale, desk_.Picture().height * scale, parent,
                            nullptr, instance, this);
    return hwnd_ != nullptr;
}

void DeskWindow::Place(int x, int y, int scale) {
    scale_ = scale;
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, x, y, desk_.Picture().width * scale,
                     desk_.Picture().height * scale, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void DeskWindow::ShowRects(std::span<const PixelRect> rects) {
    if (!hwnd_) {
        return;
    }
    for (const PixelRect& r : rects) {
        const RECT rect = ScaledRect(r, scale_);
        InvalidateRect(hwnd_, &rect, FALSE);
    }
}

void DeskWindow::Paint() {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool haveRegion = GetUpdateRgn(hwnd_, region, FALSE) != ERROR;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    const std::vector<RECT> rects =
        haveRegion ? RegionRects(region, ps.rcPaint) : std::vector<RECT>{ps.rcPaint};
    for (const RECT& rect : rects) {
        if (rect.right <= rect.left || rect.bottom <= rect.top) {
            continue;
        }
        const PixelRect r = DesignRectCovering(rect, scale_);
        bitmap_.Load(desk_.Picture(), r);
        bitmap_.CopyTo(dc, r.x * scale_, r.y * scale_, r, scale_);
        desk_.MarkShown(r);
    }
    // Over the copy, within the region being painted.
    PaintCursorFrame(dc, ps.rcPaint);
    EndPaint(hwnd_, &ps);
    DeleteObject(region);
}

void DeskWindow::PaintCursorFrame(HDC dc, const RECT& painted) const {
    if (!cursor_.shown) {
        return;
    }
    // A glow tick's tile never meets the frame, which lies in the border.
    const RECT area = ScaledRect(CursorArea(cursor_.cell), scale_);
    RECT common;
    if (!IntersectRect(&common, &area, &painted)) {
        return;
    }
    for (const FilledRect& part : CursorFrame(cursor_.cell)) {
        const RECT rect = ScaledRect(part.rect, scale_);
        SetBkColor(dc, ToColorRef(part.colour));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    }
}

void DeskWindow::ButtonDown(unsigned button) {
    // The release of a button pressed here comes back here, wherever the
    // pointer is by then; presses themselves do nothing.
    buttonsDown_ |= button;
    SetCapture(hwnd_);
}

void DeskWindow::ButtonUp(unsigned button, LPARAM lParam) {
    const bool pressedHere = (buttonsDown_ & button) != 0;
    buttonsDown_ &= ~button;
    if (buttonsDown_ == 0 && GetCapture() == hwnd_) {
        ReleaseCapture();
    }
    if (pressedHere && handlers_.mouseUp) {
        handlers_.mouseUp(ToDesignPixel(GET_X_LPARAM(lParam), scale_),
                          ToDesignPixel(GET_Y_LPARAM(lParam), scale_));
    }
}

LRESULT DeskWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
                tracking_ = TrackMouseEvent(&track) != FALSE;
            }
            if (handlers_.mouseMove) {
                handlers_.mouseMove(ToDesignPixel(GET_X_LPARAM(lParam), scale_),
                                    ToDesignPixel(GET_Y_LPARAM(lParam), scale_));
            }
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (handlers_.mouseLeave) {
                handlers_.mouseLeave();
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            ButtonDown(ButtonOf(message == WM_LBUTTONDBLCLK   ? WM_LBUTTONDOWN
                                : message == WM_RBUTTONDBLCLK ? WM_RBUTTONDOWN
                                : message == WM_MBUTTONDBLCLK ? WM_MBUTTONDOWN
                                                              : message,
                                wParam));
            return message == WM_XBUTTONDOWN ? TRUE : 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_XBUTTONUP:
            ButtonUp(ButtonOf(message, wParam), lParam);
            return message == WM_XBUTTONUP ? TRUE : 0;
        case WM_CAPTURECHANGED:
            buttonsDown_ = 0;
            return 0;
        case WM_GETOBJECT:
            if (handlers_.getObject) {
                if (const LRESULT answer = handlers_.getObject(wParam, lParam)) {
                    return answer;
                }
            }
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace quorbals
