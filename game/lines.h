// Finding, removing and scoring runs of five or more.
#pragma once

#include <cstdint>

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

// Points for one pass that removed this many balls.
std::int32_t PointsForPass(std::int32_t ballsRemoved);

void ClearCell(GameState& state, Effects& effects, int x, int y);

// One pass over the Desk; sets state.linesRemoved and returns BallsRemoved.
std::int32_t ScanLines(GameState& state, Effects& effects);

}  // namespace quorbals
