// The simulator's player: moves the ball that makes the longest run.
#pragma once

#include <optional>

#include "game/state.h"

namespace quorbals::sim {

struct BotMove {
    Cell from;
    Cell to;
    int gain = 0;
};

// The longest run of the colour of the ball at `from` through `to` along a
// column, a row or a diagonal: `to` itself plus the contiguous balls of that
// colour on both sides, with `from` counted as empty.
int MoveGain(const GameState& state, Cell from, Cell to);

// Over every ball in cell order and, for each, every free cell reachable from
// it through orthogonally adjacent free cells, in cell order: the first pair
// with the largest gain. Nothing when no ball can move.
std::optional<BotMove> ChooseMove(const GameState& state);

}  // namespace quorbals::sim
