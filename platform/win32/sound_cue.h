// The sound cue: a wave file started by its bare name. Kept apart from the
// shared headers because the system's headers define PlaySound as a macro.
#pragma once

namespace quorbals {

// Starts `name` asynchronously, cutting off a sound still playing; the
// system looks for the file and plays its default sound when it finds none.
void PlayWaveByName(const char* name);

}  // namespace quorbals
