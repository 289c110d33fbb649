// What follows every move: the body of the wait timer's tick.
#pragma once

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

void WaitTimerTick(GameState& state, Effects& effects);

}  // namespace quorbals
