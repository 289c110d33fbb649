#include "game/effects.h"

#include "game/sound_files.h"

namespace quorbals {

const char* SoundFileName(SoundCue cue) {
    const auto at = static_cast<std::size_t>(cue);
    return at < kSoundFiles.size() ? kSoundFiles[at] : "";
}

}  // namespace quorbals
