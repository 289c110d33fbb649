#include "app/win32/main_menu.h"

namespace quorbals {

HMENU BuildMainMenu() {
    HMENU game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, kCmdGameNew, L"&Start\tF2");
    AppendMenuW(game, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(game, MF_STRING, kCmdGameScores, L"&High Scores ...");
    AppendMenuW(game, MF_STRING, kCmdGameClearScores, L"&Clear High Scores");
    AppendMenuW(game, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(game, MF_STRING, kCmdGameLoad, L"&Load...");
    AppendMenuW(game, MF_STRING, kCmdGameSave, L"&Save...");
    AppendMenuW(game, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(game, MF_STRING | MF_CHECKED, kCmdOptionsSound, L"Sound");
    AppendMenuW(game, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(game, MF_STRING, kCmdGameExit, L"&Exit\tCtrl+X");

    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, kCmdHelpCont, L"&Contents\tF1");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, kCmdHelpSiteHome, L"&Vintra Games Home Page");
    AppendMenuW(help, MF_STRING, kCmdHelpGameHome, L"&Quorbals Home Page");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, kCmdHelpAbout, L"&About ...");

    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(game), L"&Game");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, kCmdPlay, L"&Start!");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
    return bar;
}

HACCEL CreateMainAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY, VK_F2, static_cast<WORD>(kCmdGameNew)},
        {FVIRTKEY | FCONTROL, 'X', static_cast<WORD>(kCmdGameExit)},
        {FVIRTKEY, VK_F1, static_cast<WORD>(kCmdHelpCont)},
    };
    return CreateAcceleratorTableW(keys, static_cast<int>(sizeof keys / sizeof keys[0]));
}

}  // namespace quorbals
