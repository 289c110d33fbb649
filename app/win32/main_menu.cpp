#include "app/win32/main_menu.h"

#include <string>

#include "platform/win32/text.h"

namespace quorbals {

namespace {

std::wstring ItemText(const MenuItem& item) {
    std::string text = item.caption;
    if (item.shortcut != MenuShortcut::None) {
        text += '\t';
        text += ShortcutText(item.shortcut);
    }
    return Wide(text);
}

}  // namespace

std::optional<MenuCommand> MenuCommandFromId(UINT id) {
    if (id < kFirstMenuCommandId || id >= kFirstMenuCommandId + kMenuCommandCount) {
        return std::nullopt;
    }
    return static_cast<MenuCommand>(id - kFirstMenuCommandId);
}

HMENU BuildMainMenu() {
    HMENU bar = CreateMenu();
    for (const MenuBarEntry& entry : MainMenu()) {
        const UINT greyed = entry.enabledBeforeShow ? 0 : MF_GRAYED;
        const std::wstring caption = Wide(entry.caption);
        if (entry.items.empty()) {
            AppendMenuW(bar, MF_STRING | greyed, MenuCommandId(entry.command), caption.c_str());
            continue;
        }
        HMENU popup = CreatePopupMenu();
        for (const MenuItem& item : entry.items) {
            if (item.IsSeparator()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const UINT checked = item.checkable ? MF_CHECKED : 0;
            AppendMenuW(popup, MF_STRING | checked, MenuCommandId(item.command),
                        ItemText(item).c_str());
        }
        AppendMenuW(bar, MF_POPUP | greyed, reinterpret_cast<UINT_PTR>(popup), caption.c_str());
    }
    return bar;
}

}  // namespace quorbals
