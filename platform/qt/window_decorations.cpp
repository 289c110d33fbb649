#include "platform/qt/window_decorations.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

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
}  // namespace

void RequestFrame(QWidget& window, const FrameRequest& request) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) {
        return;
    }
    xcb_connection_t* c = x11->connection();
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof kName - 1, kName), nullptr);
    if (!atom) {
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
                        atom->atom, atom->atom, 32, 5, hints);
    xcb_flush(c);
    std::free(atom);
}

}  // namespace quorbals
