#include "platform/qt/window_decorations.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace quorbals {

namespace {
// The Motif window-manager hints: flags, functions, decorations, input
// mode, status.
constexpr std::uint32_t kHintFunctions = 1u << 0;
constexpr std::uint32_t kHintDecorations = 1u << 1;
constexpr std::uint32_t kFuncMove = 1u << 2;
constexpr std::uint32_t kFuncMinimise = 1u << 3;
constexpr std::uint32_t kFuncClose = 1u << 5;
constexpr std::uint32_t kDecorBorder = 1u << 1;
constexpr std::uint32_t kDecorTitle = 1u << 3;
constexpr std::uint32_t kDecorMenu = 1u << 4;
constexpr std::uint32_t kDecorMinimise = 1u << 5;

// How long the window manager may take to answer a request for the frame.
constexpr int kFrameAnswerMs = 500;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return atom ? atom->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The window's _NET_FRAME_EXTENTS, once the window manager has set it.
std::optional<QMargins> ReadExtents(xcb_connection_t* c, xcb_window_t window, xcb_atom_t extents) {
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

bool WindowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t feature) {
    const xcb_atom_t supported = Atom(c, "_NET_SUPPORTED");
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, feature) != atoms + count;
}
}  // namespace

void RequestFrame(QWidget& window, const FrameRequest& request) {
    xcb_connection_t* c = X11Connection();
    if (!c) {
        return;
    }
    const xcb_atom_t hintsAtom = Atom(c, "_MOTIF_WM_HINTS");
    if (hintsAtom == XCB_ATOM_NONE) {
        return;
    }
    std::uint32_t functions = kFuncMove;
    std::uint32_t decorations = kDecorBorder | kDecorTitle;
    if (request.systemMenu) {
        decorations |= kDecorMenu;
    }
    if (request.minimise) {
        functions |= kFuncMinimise;
        decorations |= kDecorMinimise;
    }
    if (request.close) {
        functions |= kFuncClose;
    }
    const std::uint32_t hints[5] = {kHintFunctions | kHintDecorations, functions, decorations, 0,
                                    0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                        hintsAtom, hintsAtom, 32, 5, hints);
    xcb_flush(c);
}

std::optional<QMargins> FrameExtents(QWidget& window) {
    xcb_connection_t* c = X11Connection();
    if (!c) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    if (auto known = ReadExtents(c, id, extents)) {
        return known;
    }
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!geometry || extents == XCB_ATOM_NONE || request == XCB_ATOM_NONE ||
        !WindowManagerSupports(c, geometry->root, request)) {
        return std::nullopt;
    }
    // The window manager sets _NET_FRAME_EXTENTS on the unmapped window in
    // answer; the window has not been shown yet, so the answer is awaited
    // here rather than in the event loop.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (auto answered = ReadExtents(c, id, extents)) {
            return answered;
        }
        if (clock.elapsed() >= kFrameAnswerMs) {
            return std::nullopt;
        }
        QThread::msleep(2);
    }
}

}  // namespace quorbals
