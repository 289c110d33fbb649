#include "game/path_search.h"

#include "game/null_effects.h"

namespace quorbals {

namespace {

int Index(Cell c) {
    return CellIndex(c.x, c.y);
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

bool OnDesk(Cell c) {
    return quorbals::OnDesk(c.x, c.y);
}

// One step of the greedy walk along a row (horizontal) or a column.
bool Step(GameState& state, Cell& walker, int delta, bool horizontal) {
    if (delta == 0) {
        return false;
    }
    const Direction forward = horizontal ? (delta > 0 ? kRight : kLeft) : (delta > 0 ? kDown : kUp);
    Cell next;
    if (!NeighbourCell(walker, forward, next)) {
        return false;
    }
    auto& grid = state.path.grid;
    if (grid[Index(next)] != kPathFree) {
        return false;
    }
    // The selected ball's cell stays blocked and never takes a code.
    if (!(walker == state.path.start)) {
        grid[Index(walker)] = (grid[Index(walker)] & ~0xF) + forward;
    }
    walker = next;
    grid[Index(next)] = PathCode(Opposite(forward), kNone);
    return true;
}

}  // namespace

bool StepHorizontal(GameState& state, Cell& walker, int dx) {
    return Step(state, walker, dx, true);
}

bool StepVertical(GameState& state, Cell& walker, int dy) {
    return Step(state, walker, dy, false);
}

bool UnlinkBetween(GameState& state, Cell from, Cell to) {
    if (!OnDesk(from) || !OnDesk(to)) {
        return false;
    }
    auto& grid = state.path.grid;
    Cell walker = from;
    int steps = 0;
    while (!(walker == to)) {
        if (++steps > kPathCountLimit) {
            return false;
        }
        const std::int32_t code = grid[Index(walker)];
        if (!(walker == from)) {
            grid[Index(walker)] = kPathFree;
        }
        // A back direction that names no neighbour leaves the walker where
        // it is; the count then ends the walk.
        NeighbourCell(walker, BackOf(code), walker);
    }
    return true;
}

ShortcutResult TryShortcut(GameState& state, Cell cell, Direction d) {
    Cell neighbour;
    if (!OnDesk(cell) || !NeighbourCell(cell, d, neighbour)) {
        return ShortcutResult::NoJoin;
    }
    auto& grid = state.path.grid;
    const std::int32_t theirs = grid[Index(neighbour)];
    if (theirs == kPathFree || theirs == kPathBlocked) {
        return ShortcutResult::NoJoin;
    }
    const Direction e = Opposite(d);
    const std::int32_t mine = grid[Index(cell)];
    const bool isPredecessor = BackOf(mine) == d && ForwardOf(theirs) == e;
    const bool isSuccessor = ForwardOf(mine) == d && BackOf(theirs) == e;
    if (isPredecessor || isSuccessor) {
        return ShortcutResult::NoJoin;
    }
    if (!UnlinkBetween(state, cell, neighbour)) {
        return ShortcutResult::CountError;
    }
    grid[Index(cell)] = (static_cast<std::int32_t>(d) << 4) | (grid[Index(cell)] & 0xF);
    grid[Index(neighbour)] = (grid[Index(neighbour)] & ~0xF) | e;
    state.path.firstStep = cell;
    return ShortcutResult::Joined;
}

PathResult GreedyWalk(GameState& state, Effects& effects) {
    PathRecords& path = state.path;
    if (!OnDesk(path.start) || !OnDesk(path.target)) {
        return PathResult::NotFound;
    }
    Cell walker = path.start;
    int backOuts = 0;
    while (!(walker == path.target)) {
        const int sx = Sign(path.target.x - walker.x);
        const int sy = Sign(path.target.y - walker.y);
        // Toward the target first, then away from it along the row, then
        // along the column.
        bool stepped = StepHorizontal(state, walker, sx) || StepVertical(state, walker, sy);
        if (!stepped) {
            stepped = sx != 0
                          ? StepHorizontal(state, walker, -sx)
                          : StepHorizontal(state, walker, -1) || StepHorizontal(state, walker, 1);
        }
        if (!stepped) {
            stepped = sy != 0 ? StepVertical(state, walker, -sy)
                              : StepVertical(state, walker, -1) || StepVertical(state, walker, 1);
        }
        if (stepped) {
            continue;
        }
        if (walker == path.start) {
            return PathResult::NotFound;
        }
        if (++backOuts > kPathCountLimit) {
            effects.PathCountError();
            return PathResult::CountError;
        }
        // A dead end: block it and back out to the predecessor.
        const std::int32_t code = path.grid[Index(walker)];
        path.grid[Index(walker)] = kPathBlocked;
        NeighbourCell(walker, BackOf(code), walker);
    }
    return PathResult::Found;
}

PathResult PruneRoute(GameState& state, Effects& effects) {
    PathRecords& path = state.path;
    constexpr Direction kTestOrder[] = {kLeft, kRight, kUp, kDown};
    if (!OnDesk(path.start) || !OnDesk(path.target)) {
        return PathResult::NotFound;
    }
    Cell walker = path.target;
    int moves = 0;
    while (!(walker == path.start)) {
        bool joined = false;
        for (const Direction d : kTestOrder) {
            const ShortcutResult result = TryShortcut(state, walker, d);
            if (result == ShortcutResult::CountError) {
                effects.PathCountError();
                return PathResult::CountError;
            }
            if (result == ShortcutResult::Joined) {
                joined = true;
                break;
            }
        }
        if (joined) {
            continue;  // the same cell again: its back direction has changed
        }
        path.firstStep = walker;
        if (++moves > kPathCountLimit) {
            effects.PathCountError();
            return PathResult::CountError;
        }
        NeighbourCell(walker, BackOf(path.grid[Index(walker)]), walker);
    }
    return PathResult::Found;
}

PathResult FindPath(GameState& state, Effects& effects, Cell target) {
    PathRecords& path = state.path;
    path.target = target;
    for (int i = 0; i < kCellCount; ++i) {
        path.grid[i] = state.desk[i] == kNoBall ? kPathFree : kPathBlocked;
    }
    path.ready = 0;
    if (!OnDesk(path.start) || !OnDesk(target) || path.start == target) {
        return PathResult::NotFound;
    }
    const PathResult walk = GreedyWalk(state, effects);
    if (walk != PathResult::Found) {
        return walk;
    }
    return PruneRoute(state, effects);
}

Route FollowRoute(const PathRecords& path) {
    Route route;
    Cell cell = path.firstStep;
    if (!OnDesk(cell)) {
        return route;
    }
    for (int n = 0; n < kCellCount; ++n) {
        route.cells[n] = cell;
        if (cell == path.target) {
            route.length = n + 1;
            return route;
        }
        if (!NeighbourCell(cell, ForwardOf(path.grid[Index(cell)]), cell)) {
            break;
        }
    }
    return Route{};
}

bool RouteExists(const GameState& state, Cell from, Cell target) {
    GameState scratch = state;
    scratch.path.start = from;
    NullEffects quiet;
    return FindPath(scratch, quiet, target) == PathResult::Found;
}

}  // namespace quorbals
