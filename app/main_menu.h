// MM_Menu, the main window's menu, once for every front end: the entries of
// the menu bar, their items in display order with captions (an ampersand
// marks the access key), shortcuts and separators, and the command each
// item runs. A front end builds its menu from this table and hands each
// choice back to RunMenuCommand.
#pragma once

#include <span>

namespace quorbals {

class MainCommands;

enum class MenuCommand {
    GameNew,
    GameScores,
    GameClearScores,
    GameLoad,
    GameSave,
    OptionsSound,
    GameExit,
    Play,
    HelpCont,
    HelpSiteHome,
    HelpGameHome,
    HelpAbout,
};
inline constexpr int kMenuCommandCount = static_cast<int>(MenuCommand::HelpAbout) + 1;

enum class MenuShortcut { None, F1, F2, CtrlX };

struct MenuItem {
    const char* name = nullptr;  // the control's name; null for a separator line
    const char* caption = "";
    MenuShortcut shortcut = MenuShortcut::None;
    MenuCommand command = MenuCommand::GameNew;
    bool checkable = false;  // Sound carries a check mark

    constexpr bool IsSeparator() const { return name == nullptr; }
};

struct MenuBarEntry {
    const char* name;
    const char* caption;
    // The submenu; an entry without one runs `command` itself.
    std::span<const MenuItem> items;
    MenuCommand command;
    // "&Game" and "&Start!" are enabled only once the window is shown.
    bool enabledBeforeShow;
};

std::span<const MenuBarEntry> MainMenu();

// How a shortcut is written beside its item: "F2", "Ctrl+X", "F1".
const char* ShortcutText(MenuShortcut shortcut);

// Runs the handler of a menu command (both "&Start" and "&Start!" start a
// new game). The Sound item's check mark is inverted here, for front ends
// whose menus do not do it themselves.
void RunMenuCommand(MainCommands& commands, MenuCommand command);

}  // namespace quorbals
