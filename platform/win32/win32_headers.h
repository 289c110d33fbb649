// The system's headers as the Windows front end includes them. The shared
// rules name an effect PlaySound, which the multimedia header would turn
// into PlaySoundA or PlaySoundW; the sound cue lives in a file of its own.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>
#undef PlaySound
