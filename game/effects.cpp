#include "game/effects.h"

namespace quorbals {

const char* SoundFileName(SoundCue cue) {
    switch (cue) {
        case SoundCue::Select:
            return "select.wav";
        case SoundCue::Move:
            return "move.wav";
        case SoundCue::Remove:
            return "remove.wav";
        case SoundCue::Add:
            return "add.wav";
        case SoundCue::End:
            return "end.wav";
    }
    return "";
}

}  // namespace quorbals
