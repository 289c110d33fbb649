#include "app/win32/play_area_accessible.h"

#include "app/main_window_layout.h"
#include "app/program_texts.h"
#include "view/cell_names.h"

namespace quorbals {

PlayAreaAccessible::PlayAreaAccessible(HWND main, HWND desk, HWND news, const AppState& app,
                                       const std::string& newsText)
    : AccessibleObject(main),
      desk_(desk),
      news_(news),
      app_(app),
      newsText_(newsText),
      score_(Name(kScore)),
      previews_(Name(kPreviews)) {}

void PlayAreaAccessible::StateChanged() {
    if (!Live()) {
        return;
    }
    std::string score = Name(kScore);
    if (score != score_) {
        score_ = std::move(score);
        Notify(EVENT_OBJECT_NAMECHANGE, kScore);
    }
    std::string previews = Name(kPreviews);
    if (previews != previews_) {
        previews_ = std::move(previews);
        Notify(EVENT_OBJECT_NAMECHANGE, kPreviews);
    }
}

bool PlayAreaAccessible::HasKeyboard() const {
    const HWND focus = GetFocus();
    return focus && (focus == Window() || focus == desk_);
}

std::string PlayAreaAccessible::Name(LONG child) const {
    switch (child) {
        case kScore:
            return ScoreName(app_.game);
        case kPreviews:
            return PreviewNames(app_.game, app_.colourMarks);
        case kDesk:
            return kDeskName;
        case kNews:
            return newsText_;
        default:
            return kProgramName;
    }
}

LONG PlayAreaAccessible::Role(LONG child) const {
    switch (child) {
        case kScore:
        case kPreviews:
        case kNews:
            return ROLE_SYSTEM_STATICTEXT;
        case kDesk:
            return ROLE_SYSTEM_TABLE;
        default:
            return ROLE_SYSTEM_CLIENT;
    }
}

LONG PlayAreaAccessible::State(LONG child) const {
    LONG state = IsWindowVisible(Window()) ? 0 : STATE_SYSTEM_INVISIBLE;
    switch (child) {
        case kScore:
        case kPreviews:
        case kNews:
            return state | STATE_SYSTEM_READONLY;
        case kDesk:
            return state;
        default:
            state |= STATE_SYSTEM_FOCUSABLE;
            return FocusedChild() == CHILDID_SELF ? state | STATE_SYSTEM_FOCUSED : state;
    }
}

RECT PlayAreaAccessible::Scaled(LONG x, LONG y, LONG width, LONG height) const {
    RECT client{};
    GetClientRect(Window(), &client);
    const LONG across = client.right;
    const LONG down = client.bottom;
    return RECT{x * across / kPlayWidth, y * down / kPlayHeight, (x + width) * across / kPlayWidth,
                (y + height) * down / kPlayHeight};
}

RECT PlayAreaAccessible::WindowBounds(HWND child) const {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT PlayAreaAccessible::Bounds(LONG child) const {
    switch (child) {
        case kScore:
            return Scaled(kScoreLabel.x, kScoreLabel.y, kScoreLabel.width, kScoreLabel.height);
        case kPreviews: {
            const DesignRect& first = kPreviewImages.front();
            const DesignRect& last = kPreviewImages.back();
            return Scaled(first.x, first.y, last.Right() - first.x, last.Bottom() - first.y);
        }
        case kDesk:
            return WindowBounds(desk_);
        case kNews:
            return WindowBounds(news_);
        default: {
            RECT client{};
            GetClientRect(Window(), &client);
            return client;
        }
    }
}

IDispatch* PlayAreaAccessible::ChildObject(LONG child) const {
    const HWND window = child == kDesk ? desk_ : child == kNews ? news_ : nullptr;
    IDispatch* object = nullptr;
    if (window &&
        FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                          reinterpret_cast<void**>(&object)))) {
        object = nullptr;
    }
    return object;
}

LONG PlayAreaAccessible::FocusedChild() const {
    if (!HasKeyboard()) {
        return -1;
    }
    // The keys reach the Desk; while its cursor shows, the focus is there.
    return app_.cursor.shown ? LONG{kDesk} : LONG{CHILDID_SELF};
}

}  // namespace quorbals
