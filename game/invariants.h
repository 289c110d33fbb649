// Consistency checks of the game records, for tests and the simulator's
// soak mode. Each returns an empty string when all is well, otherwise a
// description of the first fault found.
#pragma once

#include <string>

#include "game/state.h"

namespace quorbals {

// The Desk's colours, state.freeCellList, state.freeCount, state.nextBalls
// and state.score agree.
std::string CheckStateInvariants(const GameState& state);

// No run of five or more of one colour is left (true after every scan).
std::string CheckNoLineLeft(const GameState& state);

}  // namespace quorbals
