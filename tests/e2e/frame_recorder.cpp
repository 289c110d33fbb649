#include "tests/e2e/frame_recorder.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace quorbals::e2e {

namespace {
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

QRect Outer(int x, int y, int width, int height, int border) {
    return {x, y, width + 2 * border, height + 2 * border};
}
}  // namespace

FrameRecorder::FrameRecorder(const QString& display) {
    xcb_connection_t* c = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    connection_ = c;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // The window manager's frames are the root's children: their creation,
    // every move and every mapping come to the root's listeners.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    Reply<xcb_generic_error_t> error(xcb_request_check(
        c, xcb_change_window_attributes_checked(c, root_, XCB_CW_EVENT_MASK, &mask)));
    if (error) {
        xcb_disconnect(c);
        connection_ = nullptr;
    }
}

FrameRecorder::~FrameRecorder() {
    if (connection_) {
        xcb_disconnect(connection_);
    }
}

void FrameRecorder::TakeEvents() {
    // A round trip first, so that every event the server sent before now is
    // in the queue.
    Reply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
        switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
                if (e->parent == root_) {
                    placed_[e->window] = Outer(e->x, e->y, e->width, e->height, e->border_width);
                }
                break;
            }
            case XCB_CONFIGURE_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event.get());
                if (e->event == root_) {
                    placed_[e->window] = Outer(e->x, e->y, e->width, e->height, e->border_width);
                }
                break;
            }
            case XCB_REPARENT_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_reparent_notify_event_t*>(event.get());
                if (e->event == root_ && e->parent == root_) {
                    Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(
                        connection_, xcb_get_geometry(connection_, e->window), nullptr));
                    if (g) {
                        placed_[e->window] =
                            Outer(g->x, g->y, g->width, g->height, g->border_width);
                    }
                }
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                const auto at = placed_.find(e->window);
                if (e->event == root_ && at != placed_.end()) {
                    atMapping_[e->window] = at->second;
                }
                break;
            }
            default:
                break;
        }
    }
}

unsigned FrameRecorder::TopLevelOf(unsigned window) const {
    for (unsigned w = window; w != 0;) {
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, w), nullptr));
        if (!tree) {
            return 0;
        }
        if (tree->parent == root_) {
            return w;
        }
        w = tree->parent;
    }
    return 0;
}

std::optional<QRect> FrameRecorder::WhenMapped(const QString& windowId) {
    if (!connection_) {
        return std::nullopt;
    }
    TakeEvents();
    const auto at = atMapping_.find(TopLevelOf(windowId.toUInt()));
    if (at == atMapping_.end()) {
        return std::nullopt;
    }
    return at->second;
}

std::optional<QRect> FrameRecorder::Now(const QString& windowId) {
    if (!connection_) {
        return std::nullopt;
    }
    TakeEvents();
    const auto at = placed_.find(TopLevelOf(windowId.toUInt()));
    if (at == placed_.end()) {
        return std::nullopt;
    }
    return at->second;
}

}  // namespace quorbals::e2e
