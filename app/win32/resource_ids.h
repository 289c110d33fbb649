// Resource identifiers shared by quorbals.rc and the Win32 front end's code.
// Plain #defines: the resource compiler reads this file too.
#pragma once

// The program icon (16, 32 and 48 in 32-bit colour, 32 in 16 colours, 256):
// the main window's class takes it with LoadIcon, the About box its
// 32-pixel picture with LoadImage.
#define IDI_QUORBALS 1
