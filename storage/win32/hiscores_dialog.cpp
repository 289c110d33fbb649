#include "storage/win32/hiscores_dialog.h"

#include <cstddef>
#include <stdexcept>

#include "platform/win32/dpi.h"
#include "platform/win32/modal_loop.h"
#include "platform/win32/text.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/window_placement.h"
#include "storage/high_score_commands.h"
#include "storage/win32/hiscores_paint.h"
#include "view/check_mark.h"
#include "view/win32/colour_ref.h"
#include "view/win32/design_font.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

constexpr wchar_t kClassName[] = L"TF_Hiscores";
constexpr int kNameEditId = 101;
constexpr int kGridId = 102;
constexpr int kEscape = 27;

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND MakeControl(HWND parent, HINSTANCE instance, const wchar_t* kind, const std::wstring& text,
                 DWORD style, int id) {
    return ::CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                             nullptr);
}

}  // namespace

TF_Hiscores::TF_Hiscores(HINSTANCE instance, HWND owner, const ScoreTable& table)
    : table_(table), checkMark_(kCheckMarkSize, kCheckMarkSize) {
    if (instance == nullptr) {
        instance = ::GetModuleHandleW(nullptr);
    }
    RegisterRoutedClass<TF_Hiscores>(instance, kClassName);
    // A fixed dialog frame with a caption and no system menu: no close box
    // and no other border icons.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_DLGFRAME | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT outer = P_Form;
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    hwnd_ = ::CreateWindowExW(exStyle, kClassName, Wide(kHighScoreCaption).c_str(), style, 0, 0,
                              outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                              instance, this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("The high-score dialog could not be created.");
    }
    LoadCheckMark(checkMark_);
    // At the whole multiple of the design size nearest to its monitor's scale.
    scale_ = WholeScaleForDpi(static_cast<int>(WindowDpi(hwnd_)));
    nameAt_ = NameBoxPosition(0);
    CreateControls(instance);
    LayOut();
    CentreOnScreen(hwnd_);
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
    E_EditName =
        MakeControl(hwnd_, instance, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kNameEditId);
    BB_OK = MakeControl(hwnd_, instance, L"BUTTON", Wide(kOkCaption),
                        WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, IDOK);
    SG_Scores = MakeControl(hwnd_, instance, L"STATIC", L"",
                            WS_VISIBLE | WS_DISABLED | SS_OWNERDRAW, kGridId);
    // No length limit of its own.
    ::SendMessageW(E_EditName, EM_SETLIMITTEXT, 0, 0);
    ::SetWindowLongPtrW(E_EditName, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        E_EditName, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TF_Hiscores::NameEditProc)));
}

void TF_Hiscores::LayOut() {
    HFONT previous = font_;
    font_ = CreateDesignFont(kHighScoreFont, scale_, RUSSIAN_CHARSET, DEFAULT_PITCH | FF_SWISS);
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
    FitClientArea();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void TF_Hiscores::FitClientArea() {
    quorbals::FitClientArea(hwnd_, P_Form.right * scale_, P_Form.bottom * scale_);
}

void TF_Hiscores::FormCreate() {
    GridFilled = false;
}

void TF_Hiscores::FormActivate() {
    if (!GridFilled) {
        FitClientArea();
        WriteHeaderAndRows(*this, table_);
        GridFilled = true;
    }
    if ((::GetWindowLongPtrW(E_EditName, GWL_STYLE) & WS_VISIBLE) != 0) {
        ::SetFocus(E_EditName);
        ::SendMessageW(E_EditName, EM_SETSEL, 0, -1);
    }
}

void TF_Hiscores::BB_OKClick() {
    End();
}

void TF_Hiscores::BB_OKKeyPress(wchar_t key) {
    if (key == kEscape) {
        End();
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
    ended_ = false;
    CentreOnScreen(hwnd_);
    const auto shown = [this] {
        // Showing activates the dialog; where the system leaves that for
        // later, the showing itself still runs the activation's work.
        if (::GetActiveWindow() != hwnd_) {
            Activated();
        }
        if (!summary_.empty() && announce_) {
            announce_(summary_);
        }
    };
    RunModalLoop({.dialog = hwnd_,
                  .owner = ::GetWindow(hwnd_, GW_OWNER),
                  .dialogKeys = true,
                  .shown = shown,
                  .ended = [this] { return ended_; }});
    running_ = false;
    return NameText();
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

void TF_Hiscores::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE) {
        Activated();
        return;
    }
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(hwnd_, focus)) {
        lastFocus_ = focus;
    }
}

void TF_Hiscores::OnCommand(WPARAM wParam) {
    if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
        BB_OKClick();
    } else if (LOWORD(wParam) == IDCANCEL && EscapeClosesScores(::GetFocus() == BB_OK)) {
        // Escape, as the dialog manager reports it: a key typed into the
        // OK button, or nothing from the name box.
        BB_OKKeyPress(static_cast<wchar_t>(kEscape));
    }
}

LRESULT TF_Hiscores::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case WM_CLOSE:
            End();
            return 0;
        case WM_CTLCOLOREDIT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, ToColorRef(kNameBoxColour));
            ::SetBkColor(dc, RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID == kGridId) {
                // Through a bitmap of the grid's size, so that nothing flickers.
                DesignCanvas buffer(item.hDC, item.rcItem.right, item.rcItem.bottom);
                PaintGrid(buffer.Dc());
                buffer.CopyTo(item.hDC, 1);
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
        case kDpiChangedMessage:
            // Moved to a monitor of another scale.
            scale_ = WholeScaleForDpi(static_cast<int>(TakeSuggestedRect(hwnd_, wParam, lParam)));
            LayOut();
            return 0;
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
