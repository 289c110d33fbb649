// The travelling ball: one cell further along the route per move-timer tick.
#pragma once

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

// The body of the move timer's tick. On arrival it stops the move timer,
// sets state.turnPhase to 0 and starts the wait timer.
void MoveTimerTick(GameState& state, Effects& effects);

}  // namespace quorbals
