#include "app/win32/about_box.h"

#include "app/program_texts.h"
#include "app/win32/client_size.h"
#include "app/win32/program_icon_art.h"
#include "app/win32/text.h"
#include "view/win32/bevel_paint.h"

namespace quorbals {

namespace {

constexpr wchar_t kClassName[] = L"TF_About";

struct Line {
    int top;
    const char* text;  // null: filled in at activation
};

HFONT MakeFont(const wchar_t* face, int pixelHeight, bool bold) {
    // A negative height asks for the characters' height in pixels.
    return CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

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
      baseFont_(MakeFont(L"MS Sans Serif", 11, false)),
      titleFont_(MakeFont(L"Arial", 24, true)),
      lineFont_(MakeFont(L"Arial", 15, false)),
      icon_(32, 32) {
    // The icon on the button face: its transparent ground shows the panel.
    PixelPicture art = ProgramIconArt(32);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Pixel ground = Rgb(GetRValue(face), GetGValue(face), GetBValue(face));
    for (Pixel& p : art.pixels) {
        if ((p >> 24) == 0) {
            p = ground;
        }
    }
    icon_.Load(art);
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
}

bool TF_About::Create(HWND owner) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, kClassName, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &RouteToWindow<TF_About>;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kClassName;
        RegisterClassExW(&wc);
    }
    RECT outer{0, 0, kFormSize, kFormSize};
    AdjustWindowRectEx(&outer, StyleOf(borderStyle_), FALSE, ExStyleOf(borderStyle_));
    hwnd_ = CreateWindowExW(ExStyleOf(borderStyle_), kClassName, L"About", StyleOf(borderStyle_), 0,
                            0, outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                            instance, this);
    if (hwnd_) {
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(baseFont_), FALSE);
        FormActivate();
        CentreOnScreen();
    }
    return hwnd_ != nullptr;
}

void TF_About::FormActivate() {
    // The client area is exactly the panel, in either border style.
    FitClientArea(hwnd_, kFormSize, kFormSize);
    version_ = kAboutVersion;
    date_ = kAboutDate;
}

void TF_About::CentreOnScreen() {
    RECT window{};
    GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    // The owner takes no input while the dialog runs; its timers go on.
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        EnableWindow(owner, FALSE);
    }
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    MSG msg;
    while (!ended_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        if (got < 0) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // Enabled again before the box goes, so that activation returns to the owner.
    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
    }
    ShowWindow(hwnd_, SW_HIDE);
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
    PaintPanelBevels(dc, PixelRect{0, 0, kFormSize, kFormSize}, Bevel::Lowered, Bevel::Raised);
    PaintPanelBevels(dc,
                     PixelRect{kIconFrame.left, kIconFrame.top, kIconFrame.right - kIconFrame.left,
                               kIconFrame.bottom - kIconFrame.top},
                     Bevel::Lowered, Bevel::Raised);
    icon_.CopyTo(dc, kIconImage.left, kIconImage.top, PixelRect{0, 0, 32, 32});

    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(dc, titleFont_);
    SetTextColor(dc, RGB(0, 0, 255));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const std::wstring title = Wide(kProgramName);
    TextOutW(dc, 80, 14, title.c_str(), static_cast<int>(title.size()));

    SelectObject(dc, lineFont_);
    SetTextColor(dc, RGB(0, 0, 0));
    const Line lines[] = {{54, nullptr},
                          {120, kAboutCredit},
                          {152, kAboutHome},
                          {184, kAboutContact},
                          {217, nullptr}};
    for (const Line& line : lines) {
        const std::wstring text = Wide(line.text        ? std::string(line.text)
                                       : line.top == 54 ? version_
                                                        : date_);
        RECT r{10, line.top, 10 + 253, line.top + 20};
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
            const int x = GET_X_LPARAM(lParam);
            const int y = GET_Y_LPARAM(lParam);
            // The frame around the icon has no click handler; the icon has.
            if (!Inside(kIconFrame, x, y) || Inside(kIconImage, x, y)) {
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
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace quorbals
