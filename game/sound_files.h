// The game's wave files, one per sound cue in the order of SoundCue. The
// build (cmake/QuorbalsSounds.cmake), the Windows installer, the sound
// maker (tools/make_sounds.py) and the page all take the list from here:
// keep each name on a line of its own between the braces.
#pragma once

#include <array>

namespace quorbals {

// clang-format off
inline constexpr std::array<const char*, 5> kSoundFiles{
    "select.wav",
    "move.wav",
    "remove.wav",
    "add.wav",
    "end.wav",
};
// clang-format on

}  // namespace quorbals
