#include "platform/win32/sound_cue.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

namespace quorbals {

void PlayWaveByName(const char* name) {
    PlaySoundA(name, nullptr, SND_ASYNC | SND_FILENAME);
}

}  // namespace quorbals
