// Resource identifiers shared by quorbals.rc and the Win32 front end's code.
// Plain #defines: the resource compiler reads this file too.
#pragma once

// The program icon (16, 32 and 48 in 32-bit colour, 32 in 16 colours for the
// About box, 256): LoadIcon(instance, MAKEINTRESOURCE(IDI_QUORBALS)), or
// LoadImage with LR_DEFAULTCOLOR and the size wanted.
#define IDI_QUORBALS 1
