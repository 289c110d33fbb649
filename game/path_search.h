// The route from the selected ball (state.path.start) to a free cell: a greedy
// walk that backs out of dead ends, then a pruning walk back from the target.
//
// The route lives in state.path.grid: -1 free, -2 blocked (a ball, the
// selected ball, or a dead end of this search), otherwise the PathCode
// (back << 4) | forward of a route cell.
#pragma once

#include <array>
#include <cstdint>

#include "game/effects.h"
#include "game/neighbour_cell.h"
#include "game/state.h"

namespace quorbals {

enum class PathResult { Found, NotFound, CountError };

// Each walk gives up when its count exceeds this.
constexpr int kPathCountLimit = 1000;

constexpr std::int32_t PathCode(Direction back, Direction forward) {
    return (static_cast<std::int32_t>(back) << 4) | static_cast<std::int32_t>(forward);
}
constexpr Direction BackOf(std::int32_t code) {
    return static_cast<Direction>((code >> 4) & 0xF);
}
constexpr Direction ForwardOf(std::int32_t code) {
    return static_cast<Direction>(code & 0xF);
}
constexpr Direction Opposite(Direction d) {
    return static_cast<Direction>((d + 2) % 4);
}

// Runs one search from state.path.start to target. Sets path.target,
// rebuilds path.grid from the Desk and clears path.ready; on Found the grid
// holds the pruned chain and path.firstStep its first cell. On a count
// overflow calls effects.PathCountError() and returns CountError.
// A start or target off the Desk, or a target equal to the start, is
// NotFound (the pointer handling never asks for those).
PathResult FindPath(GameState& state, Effects& effects, Cell target);

// Whether FindPath finds a route from `from` to `target` on the Desk as it
// stands, the ball on `from` blocking as the selected one does. Nothing of
// `state` changes: the search runs on a copy.
bool RouteExists(const GameState& state, Cell from, Cell target);

// The two walks of FindPath, on the grid as it stands; exposed for tests.
PathResult GreedyWalk(GameState& state, Effects& effects);
PathResult PruneRoute(GameState& state, Effects& effects);

// The building blocks of the walks, exposed for tests.
bool StepHorizontal(GameState& state, Cell& walker, int dx);
bool StepVertical(GameState& state, Cell& walker, int dy);

enum class ShortcutResult { NoJoin, Joined, CountError };
// Tests the neighbour of route cell `cell` in direction d and joins the two
// when the neighbour is an earlier route cell that is not yet linked to it.
// CountError when UnlinkBetween overflowed (the caller reports it).
ShortcutResult TryShortcut(GameState& state, Cell cell, Direction d);
// Frees the route cells met following back directions from `from` up to
// `to` (neither is changed). False when the walk exceeded the count limit.
bool UnlinkBetween(GameState& state, Cell from, Cell to);

// The cells of the found route, path.firstStep first and path.target last,
// following forward directions. length is 0 when the chain is broken.
struct Route {
    std::array<Cell, kCellCount> cells{};
    int length = 0;
};
Route FollowRoute(const PathRecords& path);

}  // namespace quorbals
