#include "game/turn_cycle.h"

#include "game/lines.h"
#include "game/spawning.h"

namespace quorbals {

void WaitTimerTick(GameState& state, Effects& effects) {
    // Lives for this tick only.
    bool firstScanRemoved = false;

    if (state.turnPhase == kPhaseFirstScan) {
        ScanLines(state, effects);
        firstScanRemoved = state.linesRemoved;
        state.turnPhase = kPhasePlacement;
    }
    if (state.turnPhase == kPhasePlacement) {
        if (!firstScanRemoved) {
            PlaceNextBalls(state, effects);
            effects.PlaySound(SoundCue::Add);
        }
        state.turnPhase = kPhaseSecondScan;
    }
    if (state.turnPhase == kPhaseSecondScan) {
        ScanLines(state, effects);
        state.turnPhase = kPhaseClose;
    }
    if (state.turnPhase == kPhaseClose) {
        // Stopped before any sound or modal box, so the boxes' own message
        // loops cannot run the cycle again.
        effects.StopTimer(GameTimer::Wait);
        if (state.freeCount <= 0) {
            effects.PlaySound(SoundCue::End);
            effects.ShowGameOver();
            if (!effects.EnterHighScore()) {
                return;  // the error was reported; the full Desk stays
            }
            NewGame(state, effects);
        } else if (!state.linesRemoved && !firstScanRemoved) {
            DealNextBalls(state, effects);
        }
    }
}

}  // namespace quorbals
