// The route from the selected ball (PathStart) to a free cell: a greedy
// walk that backs out of dead ends, then a pruning walk back from the target.
#pragma once

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

enum class PathResult { Found, NotFound, CountError };

// Each walk gives up when its count exceeds this.
constexpr int kPathCountLimit = 1000;

constexpr std::int32_t PathCode(Direction back, Direction forward) {
    return (static_cast<std::int32_t>(back) << 4) | static_cast<std::int32_t>(forward);
}
constexpr Direction BackOf(std::int32_t code) { return static_cast<Direction>((code >> 4) & 0xF); }
constexpr Direction ForwardOf(std::int32_t code) { return static_cast<Direction>(code & 0xF); }

// Runs one search; on a count overflow calls effects.PathCountError().
PathResult FindPath(GameState& state, Effects& effects, Cell target);

// The building blocks, exposed for tests.
bool StepHorizontal(GameState& state, Cell& walker, int dx);
bool StepVertical(GameState& state, Cell& walker, int dy);
bool TryShortcut(GameState& state, Cell cell, Direction d);
// False when the walk exceeded the count limit.
bool UnlinkBetween(GameState& state, Cell from, Cell to);

}  // namespace quorbals
