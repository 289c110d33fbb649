// What follows every move: the body of the wait timer's tick.
#pragma once

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

// Values of state.turnPhase: the step of the cycle that is due next.
constexpr std::int32_t kPhaseFirstScan = 0;
constexpr std::int32_t kPhasePlacement = 1;
constexpr std::int32_t kPhaseSecondScan = 2;
constexpr std::int32_t kPhaseClose = 3;

// Runs the whole cycle from state.turnPhase on: scan, placement when the
// scan removed nothing, second scan, then game over or a new deal. At game
// over it calls ShowGameOver and EnterHighScore, and NewGame only when
// EnterHighScore returns true.
void WaitTimerTick(GameState& state, Effects& effects);

}  // namespace quorbals
