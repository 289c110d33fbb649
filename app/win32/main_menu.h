// MM_Menu: the main window's menu bar, its command numbers and the
// accelerators F2, Ctrl+X and F1.
#pragma once

#include "platform/win32/win32_headers.h"

namespace quorbals {

enum MenuCommand : UINT {
    kCmdGameNew = 101,
    kCmdGameScores,
    kCmdGameClearScores,
    kCmdGameLoad,
    kCmdGameSave,
    kCmdOptionsSound,
    kCmdGameExit,
    kCmdPlay,
    kCmdHelpCont,
    kCmdHelpSiteHome,
    kCmdHelpGameHome,
    kCmdHelpAbout,
};

// Positions of the three entries on the menu bar.
constexpr UINT kMenuBarGame = 0;
constexpr UINT kMenuBarPlay = 1;
constexpr UINT kMenuBarHelp = 2;

// "&Game", "&Start!" and "&Help", with "&Game" and "&Start!" disabled
// until the window is shown. Sound starts checked.
HMENU BuildMainMenu();

// F2 for "&Start", Ctrl+X for "&Exit", F1 for "&Contents".
HACCEL CreateMainAccelerators();

}  // namespace quorbals
