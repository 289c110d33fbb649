// One step from a cell to its neighbour, as the route search walks and the
// travelling ball moves.
#pragma once

#include <cstdint>

#include "game/state.h"

namespace quorbals {

// The neighbour of `cell` in direction d (kLeft, kUp, kRight, kDown). False,
// leaving `out` alone, for any other value of d and for a neighbour off the
// Desk.
constexpr bool NeighbourCell(Cell cell, std::int32_t d, Cell& out) {
    Cell next = cell;
    switch (d) {
        case kLeft:
            --next.x;
            break;
        case kUp:
            --next.y;
            break;
        case kRight:
            ++next.x;
            break;
        case kDown:
            ++next.y;
            break;
        default:
            return false;
    }
    if (!OnDesk(next.x, next.y)) {
        return false;
    }
    out = next;
    return true;
}

}  // namespace quorbals
