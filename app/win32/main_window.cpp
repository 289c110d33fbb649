#include "app/win32/main_window.h"

#include "app/program_texts.h"
#include "app/win32/about_box.h"
#include "app/win32/file_dialogs.h"
#include "app/win32/key_translation.h"
#include "app/win32/main_menu.h"
#include "app/win32/message_box.h"
#include "app/win32/resource_ids.h"
#include "app/win32/score_label.h"
#include "platform/documents_folder.h"
#include "platform/win32/dpi.h"
#include "platform/win32/help_library.h"
#include "platform/win32/shell.h"
#include "platform/win32/sound_cue.h"
#include "platform/win32/text.h"
#include "platform/win32/window_placement.h"
#include "storage/cp1251.h"
#include "view/win32/bevel_paint.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

constexpr wchar_t kClassName[] = L"TF_Main";
// Posted by a reset of the Desk: its flush runs once the handler is done.
constexpr UINT kFlushDeskMessage = WM_APP + 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

UINT_PTR TimerId(AppTimer timer) {
    return timer == AppTimer::Glow ? 1 : timer == AppTimer::Wait ? 2 : 3;
}

int TimerIndex(AppTimer timer) {
    return static_cast<int>(TimerId(timer)) - 1;
}

}  // namespace

TF_Main::TF_Main() {
    for (int i = 0; i < 3; ++i) {
        const PixelPicture& preview =
            commands.Pictures().previews[static_cast<std::size_t>(i)].Picture();
        nextBitmap_[i] = std::make_unique<PictureBitmap>(preview.width, preview.height);
        nextBitmap_[i]->Load(preview);
    }
    DeskWindow::Handlers handlers;
    handlers.mouseMove = [this](std::int32_t x, std::int32_t y) { commands.I_DeskMouseMove(x, y); };
    handlers.mouseUp = [this](std::int32_t x, std::int32_t y) { commands.I_DeskMouseUp(x, y); };
    handlers.mouseLeave = [this] { commands.I_DeskMouseLeave(); };
    handlers.getObject = [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        return access_ ? access_->DeskObject(wParam, lParam) : 0;
    };
    desk_ = std::make_unique<DeskWindow>(commands.Pictures().desk, std::move(handlers));
}

TF_Main::~TF_Main() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (scoreFont_) {
        DeleteObject(scoreFont_);
    }
}

bool TF_Main::Create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterRoutedClass<TF_Main>(instance, kClassName,
                                 LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUORBALS)));
    menu_ = BuildMainMenu();
    hwnd_ = CreateWindowExW(kExStyle, kClassName, Wide(kProgramName).c_str(), kStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 300, 380, nullptr, menu_, instance, this);
    if (!hwnd_) {
        return false;
    }
    // The play area at the whole multiple of its design size nearest to
    // its monitor's scale.
    scale_ = WholeScaleForDpi(static_cast<int>(WindowDpi(hwnd_)));
    scoreFont_ = CreateScoreFont(scale_);
    const DesignRect deskAt = DeskImageInPlayArea();
    desk_->Create(hwnd_, deskAt.x * scale_, deskAt.y * scale_, scale_);
    AddScoreHint();
    access_ = std::make_unique<ScreenReaderAccess>(hwnd_, desk_->Handle(), app);
    return true;
}

RECT TF_Main::ScaledRect(const DesignRect& r) const {
    return quorbals::ScaledRect(ToPixelRect(r), scale_);
}

void TF_Main::ApplyScale(int scale) {
    scale_ = scale;
    if (scoreFont_) {
        DeleteObject(scoreFont_);
    }
    scoreFont_ = CreateScoreFont(scale_);
    const DesignRect deskAt = DeskImageInPlayArea();
    desk_->Place(deskAt.x * scale_, deskAt.y * scale_, scale_);
    if (hint_) {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = hwnd_;
        tool.uId = 1;
        tool.rect = ScaledRect(kScoreLabel);
        SendMessageW(hint_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    FitClientArea(hwnd_, clientWidth_ * scale_, clientHeight_ * scale_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TF_Main::AddScoreHint() {
    const std::string hint = DecodeCp1251(
        std::string(reinterpret_cast<const char*>(kScoreHintCp1251), sizeof kScoreHintCp1251));
    hintText_ = Wide(hint);
    hint_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hint_) {
        return;
    }
    TTTOOLINFOW tool{};
    // The size every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = 1;
    tool.rect = ScaledRect(kScoreLabel);
    tool.lpszText = hintText_.data();
    SendMessageW(hint_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// --- Window events ---------------------------------------------------------

LRESULT TF_Main::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SHOWWINDOW:
            if (wParam && !playShown_) {
                FormShow();
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                FormActivate();
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0) {  // a menu item
                RunMenuItem(LOWORD(wParam));
                return 0;
            }
            break;
        case kFlushDeskMessage:
            commands.FlushDesk();
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // A key sent to the window itself; the message loop offers the
            // keys of its controls the same way (TakeKey).
            return TakeKey(message, wParam, lParam)
                       ? 0
                       : DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_TIMER:
            TimerTick(wParam);
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT answer = access_ ? access_->PlayAreaObject(wParam, lParam) : 0) {
                return answer;
            }
            break;
        case kGetDpiScaledSizeMessage:
        case kDpiChangedMessage:
            return DpiMessage(message, wParam, lParam);
        case WM_CLOSE:
            FormClose();
            // The window closes even when the settings could not be written.
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void TF_Main::OnDestroy() {
    for (AppTimer timer : {AppTimer::Glow, AppTimer::Wait, AppTimer::Move}) {
        StopTimer(timer);
    }
    PostQuitMessage(0);
}

void TF_Main::RunMenuItem(UINT id) {
    if (const auto command = MenuCommandFromId(id)) {
        RunMenuCommand(commands, *command);
    }
}

LRESULT TF_Main::DpiMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDpiChangedMessage) {
        ApplyScale(WholeScaleForDpi(static_cast<int>(TakeSuggestedRect(hwnd_, wParam, lParam))));
        return 0;
    }
    // Asked for the size at the new monitor's scale, so that the rectangle
    // suggested with the move already fits the play area.
    const UINT dpi = static_cast<UINT>(wParam);
    auto* size = reinterpret_cast<SIZE*>(lParam);
    const int scale = WholeScaleForDpi(static_cast<int>(dpi));
    const RECT outer = OuterRectForDpi(RECT{0, 0, clientWidth_ * scale, clientHeight_ * scale},
                                       kStyle, true, kExStyle, dpi);
    size->cx = outer.right - outer.left;
    size->cy = outer.bottom - outer.top;
    return TRUE;
}

void TF_Main::FormShow() {
    playShown_ = true;
    ShowWindow(desk_->Handle(), SW_SHOWNA);
    EnableMenuItem(menu_, kMenuBarPlay, MF_BYPOSITION | MF_ENABLED);
    EnableMenuItem(menu_, kMenuBarGame, MF_BYPOSITION | MF_ENABLED);
    DrawMenuBar(hwnd_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool TF_Main::TakeKey(UINT message, WPARAM wParam, LPARAM lParam) {
    const std::optional<KeyEvent> key = KeyEventOf(message, wParam, lParam);
    return key && commands.HandleKey(*key);
}

bool TF_Main::TakeKey(const MSG& msg) {
    // Keys of this window and its controls; a menu that is open, or a
    // dialog, takes the keys in a loop of its own.
    if (hwnd_ == nullptr || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) {
        return false;
    }
    return TakeKey(msg.message, msg.wParam, msg.lParam);
}

void TF_Main::TimerTick(UINT_PTR id) {
    // A tick already queued when its timer stopped is dropped.
    if (id < 1 || id > 3 || !timerRunning_[id - 1]) {
        return;
    }
    if (id == TimerId(AppTimer::Glow)) {
        commands.T_GlowTimerTimer();
    } else if (id == TimerId(AppTimer::Wait)) {
        commands.WaitTimerTimer();
    } else {
        commands.MoveTimerTimer();
    }
}

void TF_Main::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (playShown_) {
        // Bevels and previews in design pixels, copied at the window's
        // scale; the score's text is drawn at that scale.
        DesignCanvas canvas(dc, kPlayArea.width, kPlayArea.height);
        PaintPanelBevels(canvas.Dc(), ToPixelRect(kStripPanel), Bevel::Lowered);
        // The Desk's panel overlaps the strip by one pixel and is drawn over it.
        PaintPanelBevels(canvas.Dc(), ToPixelRect(kDeskPanel), Bevel::Raised);
        for (int i = 0; i < 3; ++i) {
            const DesignRect& at = kPreviewImages[static_cast<std::size_t>(i)];
            nextBitmap_[i]->CopyTo(canvas.Dc(), at.x, at.y, PixelRect{0, 0, at.width, at.height});
        }
        canvas.CopyTo(dc, scale_);
        PaintScore(dc, scoreFont_, scoreText_, scale_);
    }
    EndPaint(hwnd_, &ps);
}

// --- Front end --------------------------------------------------------------

void TF_Main::ShowDeskRects(std::span<const PixelRect> rects) {
    // The cursor changes only with a repaint of the areas it left and entered.
    desk_->SetKeyboardCursor(commands.Cursor());
    desk_->ShowRects(rects);
}

void TF_Main::FlushDeskSoon() {
    if (hwnd_) {
        PostMessageW(hwnd_, kFlushDeskMessage, 0, 0);
    }
}

void TF_Main::ShowPreview(int slot) {
    if (slot < 0 || slot > 2) {
        return;
    }
    nextBitmap_[slot]->Load(commands.Pictures().previews[static_cast<std::size_t>(slot)].Picture());
    if (hwnd_) {
        const RECT r = ScaledRect(kPreviewImages[static_cast<std::size_t>(slot)]);
        InvalidateRect(hwnd_, &r, FALSE);
        UpdateWindow(hwnd_);
    }
}

void TF_Main::DeskStateChanged() {
    if (access_) {
        access_->StateChanged();
    }
}

void TF_Main::Announce(const std::string& text) {
    if (access_) {
        access_->Announce(text);
    }
}

void TF_Main::SetScoreText(const std::string& text) {
    scoreText_ = text;
    if (hwnd_) {
        const RECT r = ScaledRect(kScoreLabel);
        InvalidateRect(hwnd_, &r, TRUE);
    }
}

bool TF_Main::TimerRunning(AppTimer timer) const {
    return timerRunning_[TimerIndex(timer)];
}

void TF_Main::StartTimer(AppTimer timer) {
    if (hwnd_ && SetTimer(hwnd_, TimerId(timer), TimerIntervalMs(timer), nullptr)) {
        timerRunning_[TimerIndex(timer)] = true;
    }
}

void TF_Main::StopTimer(AppTimer timer) {
    if (timerRunning_[TimerIndex(timer)]) {
        if (hwnd_) {
            KillTimer(hwnd_, TimerId(timer));
        }
        timerRunning_[TimerIndex(timer)] = false;
    }
}

ScreenRect TF_Main::PrimaryScreen() const {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenRect TF_Main::OuterRect() const {
    RECT r{};
    if (!hwnd_ || !GetWindowRect(hwnd_, &r)) {
        return {};
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TF_Main::SetClientSize(int width, int height) {
    // Design pixels: the window shows them at its scale.
    clientWidth_ = width;
    clientHeight_ = height;
    const RECT outer = OuterRectForDpi(RECT{0, 0, width * scale_, height * scale_}, kStyle, true,
                                       kExStyle, WindowDpi(hwnd_));
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar taller than one line is not in that estimate: measure and
    // correct once.
    FitClientArea(hwnd_, width * scale_, height * scale_);
}

void TF_Main::MoveWindow(int left, int top) {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TF_Main::CloseMainWindow() {
    if (hwnd_) {
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
}

bool TF_Main::SoundChecked() const {
    return (GetMenuState(menu_, MenuCommandId(MenuCommand::OptionsSound), MF_BYCOMMAND) &
            MF_CHECKED) != 0;
}

void TF_Main::SetSoundChecked(bool on) {
    CheckMenuItem(menu_, MenuCommandId(MenuCommand::OptionsSound),
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void TF_Main::PlayWave(const char* name) {
    PlayWaveByName(name);
}

bool TF_Main::ShowBox(BoxKind kind, const std::string& text) {
    return ShowQuorbalsBox(hwnd_, kind, text);
}

std::optional<std::string> TF_Main::AskSavePath(const std::string& folder,
                                                const std::string& fileName) {
    return AskGameSavePath(hwnd_, folder, fileName);
}

std::optional<std::string> TF_Main::AskLoadPath(const std::string& folder,
                                                const std::string& fileName) {
    return AskGameLoadPath(hwnd_, folder, fileName);
}

std::string TF_Main::DocumentsFolder() const {
    return UserDocumentsFolder();
}

void TF_Main::ShowAbout() {
    TF_About about(TF_About::BorderStyle::Dialog);
    about.ShowModal(hwnd_);
}

void TF_Main::ShowHelp(const std::string& helpFile) {
    ShowHelpTopic(application_, helpFile);
}

void TF_Main::OpenWebAddress(const char* url) {
    quorbals::OpenWebAddress(application_, url);
}

void TF_Main::ExitNow(int status) {
    ExitProcess(static_cast<UINT>(status));
}

}  // namespace quorbals
