// MM_Menu on Win32: the shared menu table turned into a menu bar with its
// command numbers, and its shortcuts into an accelerator table.
#pragma once

#include <optional>

#include "app/main_menu.h"
#include "platform/win32/win32_headers.h"

namespace quorbals {

// The WM_COMMAND number of a menu command, and back.
constexpr UINT kFirstMenuCommandId = 101;
constexpr UINT MenuCommandId(MenuCommand command) {
    return kFirstMenuCommandId + static_cast<UINT>(command);
}
std::optional<MenuCommand> MenuCommandFromId(UINT id);

// The menu bar's entries by position, as the table orders them.
constexpr UINT kMenuBarGame = 0;
constexpr UINT kMenuBarPlay = 1;

// The menu bar with every entry and item of the table; the entries that
// wait for the window's showing start greyed, Sound starts checked.
HMENU BuildMainMenu();

}  // namespace quorbals
