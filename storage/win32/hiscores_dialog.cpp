#include "storage/win32/hiscores_dialog.h"

#include <cstddef>
#include <stdexcept>

#include "assets/win32/corner_ornaments.h"
#include "platform/win32/dpi.h"
#include "platform/win32/wide_path.h"
#include "storage/cp1251.h"
#include "storage/file_error.h"
#include "storage/high_score_commands.h"
#include "storage/win32/system_file_error.h"
#include "view/bevel.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

constexpr wchar_t kClassName[] = L"TF_Hiscores";
constexpr int kNameEditId = 101;
constexpr int kGridId = 102;
constexpr int kEscape = 27;
constexpr COLORREF kWhiteColour = RGB(255, 255, 255);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kGridLineColour = RGB(192, 192, 192);
constexpr COLORREF kCheckMarkColour = RGB(0, 128, 0);
constexpr int kGlyphSize = 18;
constexpr int kGlyphSpacing = 4;

constexpr COLORREF ToColorRef(DesignColour c) {
    return RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF);
}

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
    ::SetDCBrushColor(dc, colour);
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void DrawBevel(HDC dc, PixelRect r, Bevel bevel) {
    for (const BevelLine& line : BevelRing(r, bevel)) {
        const COLORREF colour =
            ::GetSysColor(line.shade == BevelShade::Light ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        FillColour(dc, RECT{line.x0, line.y0, line.x1 + 1, line.y1 + 1}, colour);
    }
}

// The texts come from the shared code as UTF-8; should one not be, its
// malformed bytes show as '?' rather than the whole text going.
std::wstring Wide(const std::string& utf8) {
    try {
        return WidePath(utf8);
    } catch (const FileError&) {
        return WidePath(DecodeCp1251(EncodeCp1251(utf8)));
    }
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Paints through a bitmap of the area's size, so that nothing flickers.
template <typename Paint>
void PaintBuffered(HDC target, const RECT& area, Paint paint) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC memory = ::CreateCompatibleDC(target);
    HBITMAP bitmap = ::CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
    paint(memory);
    ::BitBlt(target, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
}

void RegisterDialogClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, kClassName, &existing)) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
}

}  // namespace

TF_Hiscores::TF_Hiscores(HINSTANCE instance, HWND owner, const ScoreTable& table) : table_(table) {
    if (instance == nullptr) {
        instance = ::GetModuleHandleW(nullptr);
    }
    RegisterDialogClass(instance, &TF_Hiscores::WindowProc);
    // A fixed dialog frame with a caption and no system menu: no close box
    // and no other border icons.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_DLGFRAME | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT outer = P_Form;
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    ::CreateWindowExW(exStyle, kClassName, Wide(kHighScoreCaption).c_str(), style, 0, 0,
                      outer.right - outer.left, outer.bottom - outer.top, owner, nullptr, instance,
                      this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("The high-score dialog could not be created.");
    }
    // At the whole multiple of the design size nearest to its monitor's scale.
    scale_ = WholeScaleForDpi(static_cast<int>(WindowDpi(hwnd_)));
    nameAt_ = NameBoxPosition(0);
    CreateControls(instance);
    LayOut();
    CentreOnScreen();
    FormCreate();
}

TF_Hiscores::~TF_Hiscores() {
    if (hwnd_ != nullptr) {
        ::DestroyWindow(hwnd_);
    }
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

void TF_Hiscores::CreateControls(HINSTANCE instance) {
    // Created in tab order; later siblings lie below, and the name box is
    // raised over the grid whenever it is shown. LayOut places them.
    E_EditName = ::CreateWindowExW(
        0, L"EDIT", L"", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL, 0, 0, 0, 0,
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameEditId)), instance, nullptr);
    BB_OK = ::CreateWindowExW(
        0, L"BUTTON", Wide(kOkCaption).c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_OWNERDRAW, 0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
    SG_Scores = ::CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | SS_OWNERDRAW, 0,
        0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGridId)), instance, nullptr);
    // No length limit of its own.
    ::SendMessageW(E_EditName, EM_SETLIMITTEXT, 0, 0);
    ::SetWindowLongPtrW(E_EditName, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        E_EditName, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TF_Hiscores::NameEditProc)));
}

void TF_Hiscores::LayOut() {
    HFONT previous = font_;
    font_ = ::CreateFontW(-kHighScoreFont.pixelHeight * scale_, 0, 0, 0,
                          kHighScoreFont.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                          RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, Wide(kHighScoreFont.family).c_str());
    for (HWND control : {E_EditName, BB_OK, SG_Scores}) {
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    if (previous != nullptr) {
        ::DeleteObject(previous);
    }
    const int s = scale_;
    const auto place = [s](HWND control, int x, int y, int width, int height) {
        ::SetWindowPos(control, nullptr, x * s, y * s, width * s, height * s,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(E_EditName, nameAt_.left, nameAt_.top, kNameBoxWidth, kNameBoxHeight);
    place(BB_OK, kOkButton.x, kOkButton.y, kOkButton.width, kOkButton.height);
    place(SG_Scores, kScoreGrid.x, kScoreGrid.y, kScoreGrid.width, kScoreGrid.height);
    // The name box's text lines up with the grid's.
    ::SendMessageW(E_EditName, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(2 * s, 2 * s));
    SetClientSize(P_Form.right, P_Form.bottom);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void TF_Hiscores::FormCreate() {
    GridFilled = false;
}

void TF_Hiscores::FormActivate() {
    if (!GridFilled) {
        SetClientSize(P_Form.right, P_Form.bottom);
        WriteHeaderAndRows(*this, table_);
        GridFilled = true;
    }
    if ((::GetWindowLongPtrW(E_EditName, GWL_STYLE) & WS_VISIBLE) != 0) {
        ::SetFocus(E_EditName);
        ::SendMessageW(E_EditName, EM_SETSEL, 0, -1);
    }
}

void TF_Hiscores::BB_OKClick() {
    End(ModalResult::Ok);
}

void TF_Hiscores::BB_OKKeyPress(wchar_t key) {
    if (key == kEscape) {
        End(ModalResult::Cancel);
    }
}

void TF_Hiscores::SetCell(int row, int column, const std::string& text) {
    if (row < 0 || row >= kScoreGridRows || column < 0 || column >= 3) {
        return;
    }
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = Wide(text);
    ::InvalidateRect(SG_Scores, nullptr, FALSE);
}

std::string TF_Hiscores::CellText(int row, int column) const {
    return Utf8Path(cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)));
}

std::string TF_Hiscores::NameText() const {
    return Utf8Path(WindowText(E_EditName));
}

void TF_Hiscores::ShowNameBox(int left, int top, const std::string& name) {
    nameAt_ = BoxPosition{left, top};
    ::SetWindowTextW(E_EditName, Wide(name).c_str());
    ::SetWindowPos(E_EditName, HWND_TOP, left * scale_, top * scale_, 0, 0,
                   SWP_NOSIZE | SWP_SHOWWINDOW);
}

void TF_Hiscores::HideNameBox() {
    ::ShowWindow(E_EditName, SW_HIDE);
}

void TF_Hiscores::SetSummary(const std::string& summary) {
    summary_ = summary;
}

std::string TF_Hiscores::RunModal() {
    if (hwnd_ == nullptr || running_) {
        return NameText();
    }
    running_ = true;
    result_ = ModalResult::None;
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    CentreOnScreen();
    ::ShowWindow(hwnd_, SW_SHOW);
    // Showing activates the dialog; where the system leaves that for later,
    // the showing itself still runs the activation's work.
    if (::GetActiveWindow() != hwnd_) {
        Activated();
    }
    ::UpdateWindow(hwnd_);
    if (!summary_.empty() && announce_) {
        announce_(summary_);
    }
    MSG msg;
    while (result_ == ModalResult::None && hwnd_ != nullptr) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave, and let the outer loop see it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (hwnd_ == nullptr || !::IsDialogMessageW(hwnd_, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // The owner first, so that it, not another program, is activated next.
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    if (hwnd_ != nullptr) {
        ::ShowWindow(hwnd_, SW_HIDE);
    }
    running_ = false;
    return NameText();
}

void TF_Hiscores::End(ModalResult result) {
    result_ = result;
}

void TF_Hiscores::Activated() {
    // Back to the control that had the focus, as a dialog does; then the
    // form's own activation, which prefers the name box.
    HWND target = lastFocus_;
    if (target == nullptr || !::IsChild(hwnd_, target) || !::IsWindowVisible(target) ||
        !::IsWindowEnabled(target)) {
        target = BB_OK;
    }
    ::SetFocus(target);
    FormActivate();
}

void TF_Hiscores::SetClientSize(int designWidth, int designHeight) {
    const int width = designWidth * scale_;
    const int height = designHeight * scale_;
    RECT client{};
    RECT outer{};
    ::GetClientRect(hwnd_, &client);
    ::GetWindowRect(hwnd_, &outer);
    const int dw = width - (client.right - client.left);
    const int dh = height - (client.bottom - client.top);
    if (dw != 0 || dh != 0) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + dw,
                       outer.bottom - outer.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TF_Hiscores::CentreOnScreen() {
    RECT outer{};
    ::GetWindowRect(hwnd_, &outer);
    const ScreenRect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const ScreenRect place = CentredOn(screen, outer.right - outer.left, outer.bottom - outer.top);
    ::SetWindowPos(hwnd_, nullptr, place.x, place.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TF_Hiscores::PaintForm(HDC dc) const {
    FillColour(dc, P_Form, ::GetSysColor(COLOR_BTNFACE));
    const PixelRect whole{P_Form.left, P_Form.top, P_Form.right - P_Form.left,
                          P_Form.bottom - P_Form.top};
    DrawBevel(dc, whole, Bevel::Lowered);
    DrawBevel(dc, InsideRing(whole, Bevel::Lowered), Bevel::Raised);
    // The ornaments lie over the bevels; their clear pixels let them show.
    for (int image = 0; image < 4; ++image) {
        const unsigned char* pixels = kCornerOrnamentRgba[image];
        for (int y = 0; y < kOrnamentSize; ++y) {
            for (int x = 0; x < kOrnamentSize; ++x) {
                const unsigned char* p = pixels + (y * kOrnamentSize + x) * 4;
                if (p[3] != 0) {
                    const DesignRect& at = kOrnaments[static_cast<std::size_t>(image)];
                    ::SetPixelV(dc, at.x + x, at.y + y, RGB(p[0], p[1], p[2]));
                }
            }
        }
    }
}

void TF_Hiscores::PaintGridLines(HDC dc) const {
    RECT inside{0, 0, kScoreGrid.width, kScoreGrid.height};
    FillColour(dc, inside, kWhiteColour);
    ::DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    // Each cell is followed by its grid line, right and below; the header
    // row is raised on the button face. The last row lies below the edge.
    for (int row = 0; row < kScoreGridRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            const DesignRect cell = ScoreCellRect(row, column);
            const int left = inside.left + cell.x;
            const int top = inside.top + cell.y;
            if (row == 0) {
                FillColour(dc, RECT{left, top, left + cell.width, top + cell.height},
                           ::GetSysColor(COLOR_BTNFACE));
                DrawBevel(dc, PixelRect{left, top, cell.width, cell.height}, Bevel::Raised);
            }
            FillColour(dc,
                       RECT{left + cell.width, top, left + cell.width + 1, top + cell.height + 1},
                       kGridLineColour);
            FillColour(dc, RECT{left, top + cell.height, left + cell.width, top + cell.height + 1},
                       kGridLineColour);
        }
    }
    ::RestoreDC(dc, saved);
}

void TF_Hiscores::PaintGrid(HDC dc) const {
    // The lines in design pixels, copied at the dialog's scale; the texts
    // drawn at that scale, two pixels in from their cell's corner.
    {
        DesignCanvas canvas(dc, kScoreGrid.width, kScoreGrid.height);
        PaintGridLines(canvas.Dc());
        canvas.CopyTo(dc, scale_);
    }
    const int s = scale_;
    constexpr int kEdge = 2;  // the sunken edge's width
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, kEdge * s, kEdge * s, (kScoreGrid.width - kEdge) * s,
                        (kScoreGrid.height - kEdge) * s);
    ::SelectObject(dc, font_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kTextColour);
    for (int row = 0; row < kScoreGridRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            const DesignRect cell = ScoreCellRect(row, column);
            const int left = kEdge + cell.x;
            const int top = kEdge + cell.y;
            const std::wstring& text =
                cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            RECT textRect{(left + 2) * s, (top + 2) * s, (left + cell.width - 2) * s,
                          (top + cell.height) * s};
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                        DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    ::RestoreDC(dc, saved);
}

void TF_Hiscores::DrawOkButton(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT whole = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const int s = scale_;
    {
        // The default button's black frame, then the face, flat while
        // pushed: in design pixels, copied at the dialog's scale.
        DesignCanvas canvas(dc, kOkButton.width, kOkButton.height);
        RECT face{0, 0, kOkButton.width, kOkButton.height};
        ::FrameRect(canvas.Dc(), &face, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&face, -1, -1);
        if (pushed) {
            ::FrameRect(canvas.Dc(), &face, ::GetSysColorBrush(COLOR_BTNSHADOW));
            ::InflateRect(&face, -1, -1);
            FillColour(canvas.Dc(), face, ::GetSysColor(COLOR_BTNFACE));
        } else {
            ::DrawFrameControl(canvas.Dc(), &face, DFC_BUTTON, DFCS_BUTTONPUSH);
        }
        canvas.CopyTo(dc, s);
    }
    // The check mark left of the caption, the two centred together.
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, font_);
    SIZE caption{};
    const std::wstring okText = Wide(kOkCaption);
    ::GetTextExtentPoint32W(dc, okText.c_str(), static_cast<int>(okText.size()), &caption);
    const int shift = pushed ? s : 0;
    const int width = whole.right - whole.left;
    const int height = whole.bottom - whole.top;
    const int glyphLeft =
        whole.left + (width - (kGlyphSize + kGlyphSpacing) * s - caption.cx) / 2 + shift;
    const int glyphTop = whole.top + (height - kGlyphSize * s) / 2 + shift;
    LOGBRUSH brush{BS_SOLID, kCheckMarkColour, 0};
    HPEN pen = ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                              static_cast<DWORD>(3 * s), &brush, 0, nullptr);
    ::SelectObject(dc, pen);
    const POINT mark[] = {{glyphLeft + 3 * s, glyphTop + 9 * s},
                          {glyphLeft + 7 * s, glyphTop + 13 * s},
                          {glyphLeft + 15 * s, glyphTop + 4 * s}};
    ::Polyline(dc, mark, 3);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kTextColour);
    ::TextOutW(dc, glyphLeft + (kGlyphSize + kGlyphSpacing) * s,
               whole.top + (height - caption.cy) / 2 + shift, okText.c_str(),
               static_cast<int>(okText.size()));
    ::RestoreDC(dc, saved);
    ::DeleteObject(pen);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = whole;
        ::InflateRect(&focus, -4 * s, -4 * s);
        ::DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK TF_Hiscores::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<TF_Hiscores*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TF_Hiscores*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT TF_Hiscores::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd_, focus)) {
                    lastFocus_ = focus;
                }
            } else {
                Activated();
            }
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
                BB_OKClick();
            } else if (LOWORD(wParam) == IDCANCEL) {
                // Escape, as the dialog manager reports it: a key typed into
                // the OK button, or nothing from the name box.
                if (EscapeClosesScores(::GetFocus() == BB_OK)) {
                    BB_OKKeyPress(static_cast<wchar_t>(kEscape));
                }
            }
            return 0;
        case WM_CLOSE:
            End(ModalResult::Cancel);
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == E_EditName) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, ToColorRef(kNameBoxColour));
                ::SetBkColor(dc, kWhiteColour);
                return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
            }
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID == kGridId) {
                PaintBuffered(item.hDC, item.rcItem, [this](HDC dc) { PaintGrid(dc); });
            } else if (item.CtlID == IDOK) {
                DrawOkButton(item);
            }
            return TRUE;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd_, &ps);
            DesignCanvas canvas(dc, P_Form.right, P_Form.bottom);
            PaintForm(canvas.Dc());
            canvas.CopyTo(dc, scale_);
            ::EndPaint(hwnd_, &ps);
            return 0;
        }
        case kDpiChangedMessage: {
            // Moved to a monitor of another scale.
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top,
                           suggested.right - suggested.left, suggested.bottom - suggested.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            scale_ = WholeScaleForDpi(HIWORD(wParam));
            LayOut();
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK TF_Hiscores::NameEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TF_Hiscores*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const LRESULT result = ::CallWindowProcW(self->editProc_, hwnd, message, wParam, lParam);
    // The whole text is selected whenever the box gets the focus, so that
    // typing replaces the offered name; a click then places the caret.
    if (message == WM_SETFOCUS) {
        ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
    }
    return result;
}

}  // namespace quorbals
