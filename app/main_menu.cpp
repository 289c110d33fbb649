#include "app/main_menu.h"

#include <array>

#include "app/main_commands.h"

namespace quorbals {

namespace {

constexpr MenuItem kSeparator{};

constexpr std::array<MenuItem, 11> kGameItems{{
    {"MI_GameNew", "&Start", MenuShortcut::F2, MenuCommand::GameNew},
    kSeparator,
    {"MI_GameScores", "&High Scores ...", MenuShortcut::None, MenuCommand::GameScores},
    {"MI_GameClearScores", "&Clear High Scores", MenuShortcut::None, MenuCommand::GameClearScores},
    kSeparator,
    {"MI_GameLoad", "&Load...", MenuShortcut::None, MenuCommand::GameLoad},
    {"MI_GameSave", "&Save...", MenuShortcut::None, MenuCommand::GameSave},
    kSeparator,
    {"MI_OptionsSound", "Sound", MenuShortcut::None, MenuCommand::OptionsSound, true},
    kSeparator,
    {"MI_GameExit", "&Exit", MenuShortcut::CtrlX, MenuCommand::GameExit},
}};

constexpr std::array<MenuItem, 6> kHelpItems{{
    {"MI_HelpCont", "&Contents", MenuShortcut::F1, MenuCommand::HelpCont},
    kSeparator,
    {"MI_HelpSiteHome", "&Vintra Games Home Page", MenuShortcut::None, MenuCommand::HelpSiteHome},
    {"MI_HelpGameHome", "&Quorbals Home Page", MenuShortcut::None, MenuCommand::HelpGameHome},
    kSeparator,
    {"MI_HelpAbout", "&About ...", MenuShortcut::None, MenuCommand::HelpAbout},
}};

constexpr std::array<MenuBarEntry, 3> kMenuBar{{
    {"MI_Game", "&Game", kGameItems, MenuCommand::GameNew, false},
    {"MI_Play", "&Start!", {}, MenuCommand::Play, false},
    {"MI_Help", "&Help", kHelpItems, MenuCommand::HelpCont, true},
}};

}  // namespace

std::span<const MenuBarEntry> MainMenu() {
    return kMenuBar;
}

const char* ShortcutText(MenuShortcut shortcut) {
    switch (shortcut) {
        case MenuShortcut::F1:
            return "F1";
        case MenuShortcut::F2:
            return "F2";
        case MenuShortcut::CtrlX:
            return "Ctrl+X";
        case MenuShortcut::None:
            break;
    }
    return "";
}

void RunMenuCommand(MainCommands& commands, MenuCommand command) {
    switch (command) {
        case MenuCommand::GameNew:
        case MenuCommand::Play:
            commands.MI_GameNewClick();
            break;
        case MenuCommand::GameScores:
            commands.MI_GameScoresClick();
            break;
        case MenuCommand::GameClearScores:
            commands.MI_GameClearScoresClick();
            break;
        case MenuCommand::GameLoad:
            commands.MI_GameLoadClick();
            break;
        case MenuCommand::GameSave:
            commands.MI_GameSaveClick();
            break;
        case MenuCommand::OptionsSound:
            commands.MI_OptionsSoundClick();
            break;
        case MenuCommand::GameExit:
            commands.MI_GameExitClick();
            break;
        case MenuCommand::HelpCont:
            commands.MI_HelpContClick();
            break;
        case MenuCommand::HelpSiteHome:
            commands.MI_HelpSiteHomeClick();
            break;
        case MenuCommand::HelpGameHome:
            commands.MI_HelpGameHomeClick();
            break;
        case MenuCommand::HelpAbout:
            commands.MI_HelpAboutClick();
            break;
    }
}

}  // namespace quorbals
