// The move that a release on the route's end makes on the Desk.
#pragma once

#include "game/state.h"

namespace quorbals {

// The ball at `from` goes to `to` at once: `from` becomes empty and free,
// `to` takes the colour and is taken; state.freeCount is unchanged (one cell freed,
// one taken). Cells off the Desk, or from == to, change nothing.
void MoveBall(GameState& state, Cell from, Cell to);

}  // namespace quorbals
