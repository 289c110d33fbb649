// Finding, removing and scoring runs of five or more.
#pragma once

#include <cstdint>

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

constexpr int kMinLine = 5;

// Points for one pass that removed this many balls: 10 for five, 12 for
// each ball beyond five, nothing below five.
std::int32_t PointsForPass(std::int32_t ballsRemoved);

// Empties one cell and keeps state.desk, state.freeCellList and
// state.freeCount in step.
void ClearCell(GameState& state, Effects& effects, int x, int y);

// One pass over the Desk; sets state.linesRemoved and returns the number of
// balls it removed.
std::int32_t ScanLines(GameState& state, Effects& effects);

}  // namespace quorbals
