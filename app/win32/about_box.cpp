#include "app/win32/about_box.h"

#include "app/about_box_layout.h"
#include "app/program_texts.h"
#include "app/win32/resource_ids.h"
#include "platform/win32/dpi.h"
#include "platform/win32/modal_loop.h"
#include "platform/win32/text.h"
#include "platform/win32/window_placement.h"
#include "view/win32/bevel_paint.h"
#include "view/win32/colour_ref.h"
#include "view/win32/design_font.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

constexpr wchar_t kClassName[] = L"TF_About";

DWORD StyleOf(TF_About::BorderStyle style) {
    return style == TF_About::BorderStyle::Dialog
               ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN
               : WS_POPUP | WS_CLIPCHILDREN;
}

DWORD ExStyleOf(TF_About::BorderStyle style) {
    return style == TF_About::BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : WS_EX_TOOLWINDOW;
}

}  // namespace

TF_About::TF_About(BorderStyle style)
    : borderStyle_(style),
      // The program icon's 32-pixel picture; its clear ground shows the panel.
      icon_(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORBALS),
                                          IMAGE_ICON, kAboutIconImage.width, kAboutIconImage.height,
                                          LR_DEFAULTCOLOR))) {
    // The fonts are made at the window's scale once it exists (Create).
}

TF_About::~TF_About() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (HFONT font : {baseFont_, titleFont_, lineFont_}) {
        if (font) {
            DeleteObject(font);
        }
    }
    if (icon_) {
        DestroyIcon(icon_);
    }
}

void TF_About::MakeFonts() {
    for (HFONT* font : {&baseFont_, &titleFont_, &lineFont_}) {
        if (*font) {
            DeleteObject(*font);
        }
    }
    baseFont_ = CreateDesignFont(kAboutBaseFont, scale_);
    titleFont_ = CreateDesignFont(kAboutTitleFont, scale_);
    lineFont_ = CreateDesignFont(kAboutLineFont, scale_);
    if (hwnd_) {
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(baseFont_), FALSE);
    }
}

bool TF_About::Create(HWND owner) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterRoutedClass<TF_About>(instance, kClassName);
    RECT outer{0, 0, kAboutSize, kAboutSize};
    AdjustWindowRectEx(&outer, StyleOf(borderStyle_), FALSE, ExStyleOf(borderStyle_));
    hwnd_ = CreateWindowExW(ExStyleOf(borderStyle_), kClassName, Wide(kAboutCaption).c_str(),
                            StyleOf(borderStyle_), 0, 0, outer.right - outer.left,
                            outer.bottom - outer.top, owner, nullptr, instance, this);
    if (hwnd_) {
        // At the whole multiple of the design size nearest to its monitor's scale.
        scale_ = WholeScaleForDpi(static_cast<int>(WindowDpi(hwnd_)));
        MakeFonts();
        FormActivate();
        CentreOnScreen(hwnd_);
    }
    return hwnd_ != nullptr;
}

void TF_About::FormActivate() {
    // The client area is exactly the panel, in either border style.
    FitClientArea(hwnd_, kAboutForm.width * scale_, kAboutForm.height * scale_);
}

void TF_About::ShowSplash() {
    if (!hwnd_ && !Create(nullptr)) {
        return;
    }
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

bool TF_About::ShowModal(HWND owner) {
    if (!hwnd_ && !Create(owner)) {
        return false;
    }
    // Enter and Escape reach the box itself, as WM_CHAR.
    RunModalLoop(
        {.dialog = hwnd_, .owner = owner, .dialogKeys = false, .shown = nullptr, .ended = [this] {
             return ended_;
         }});
    return result_;
}

void TF_About::B_OkClick() {
    if (borderStyle_ == BorderStyle::Dialog) {
        End(true);
    }
}

void TF_About::End(bool ok) {
    ended_ = true;
    result_ = ok;
}

void TF_About::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    {
        // The bevels and the icon in design pixels, copied at the box's
        // scale; the texts are drawn at that scale.
        DesignCanvas canvas(dc, kAboutForm.width, kAboutForm.height);
        PaintPanelBevels(canvas.Dc(), ToPixelRect(kAboutForm), Bevel::Lowered, Bevel::Raised);
        PaintPanelBevels(canvas.Dc(), ToPixelRect(kAboutIconFrame), Bevel::Lowered, Bevel::Raised);
        const DesignRect icon = kAboutIconImage.In(kAboutIconFrame);
        if (icon_) {
            DrawIconEx(canvas.Dc(), icon.x, icon.y, icon_, icon.width, icon.height, 0, nullptr,
                       DI_NORMAL);
        }
        canvas.CopyTo(dc, scale_);
    }

    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(dc, titleFont_);
    SetTextColor(dc, ToColorRef(kAboutTitleColour));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const std::wstring title = Wide(kProgramName);
    TextOutW(dc, kAboutTitleX * scale_, kAboutTitleY * scale_, title.c_str(),
             static_cast<int>(title.size()));

    SelectObject(dc, lineFont_);
    SetTextColor(dc, ToColorRef(kAboutLineColour));
    for (const AboutLine& line : kAboutLines) {
        const std::wstring text = Wide(line.text);
        RECT r = ScaledRect(ToPixelRect(line.rect), scale_);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd_, &ps);
}

LRESULT TF_About::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                FormActivate();
            }
            break;
        case WM_MOUSEACTIVATE:
            // The splash never takes the focus from whoever has it.
            if (borderStyle_ == BorderStyle::None) {
                return MA_NOACTIVATEANDEAT;
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const int x = ToDesignPixel(GET_X_LPARAM(lParam), scale_);
            const int y = ToDesignPixel(GET_Y_LPARAM(lParam), scale_);
            // The frame around the icon has no click handler; the icon has.
            if (AboutClickReachesOk(x, y)) {
                B_OkClick();
            }
            return 0;
        }
        case WM_CHAR:
            if (borderStyle_ == BorderStyle::Dialog) {
                if (wParam == 13) {
                    End(true);
                } else if (wParam == 27) {
                    End(false);
                }
            }
            return 0;
        case WM_CLOSE:
            if (borderStyle_ == BorderStyle::Dialog) {
                End(false);
            }
            return 0;
        case kDpiChangedMessage:
            // Moved to a monitor of another scale.
            scale_ = WholeScaleForDpi(static_cast<int>(TakeSuggestedRect(hwnd_, wParam, lParam)));
            MakeFonts();
            FormActivate();
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace quorbals
