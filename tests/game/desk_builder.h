// Small helpers that set up game records for tests, keeping the Desk,
// FreeCellList and FreeCount in step.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "game/state.h"

namespace quorbals::testing {

// An empty, consistent Desk: every record names its own cell and is free.
inline GameState EmptyGame() {
    GameState state;
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const int i = CellIndex(x, y);
            state.desk[i] = kNoBall;
            state.freeCellList[i].x = x;
            state.freeCellList[i].y = y;
            state.freeCellList[i].free = 1;
        }
    }
    state.freeCount = kCellCount;
    state.selection.color = kNoBall;
    state.nextBalls = {0, 0, 0};
    state.turnPhase = 3;
    return state;
}

inline void PutBall(GameState& state, int x, int y, BallColor color) {
    const int i = CellIndex(x, y);
    if (state.desk[i] == kNoBall) {
        --state.freeCount;
    }
    state.desk[i] = color;
    state.freeCellList[i].free = 0;
}

inline void PutBalls(GameState& state, std::initializer_list<std::pair<int, int>> cells,
                     BallColor color) {
    for (const auto& [x, y] : cells) {
        PutBall(state, x, y, color);
    }
}

// A colour for (x, y) from 1..5 that differs from all eight neighbours'
// colours in this pattern, so a Desk filled with it holds no run at all.
inline BallColor FillerColor(int x, int y) {
    return 1 + (x + 2 * y) % 5;
}

// Fills every empty cell except those listed with the filler pattern.
inline void FillExcept(GameState& state, std::initializer_list<std::pair<int, int>> keepFree) {
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            bool keep = false;
            for (const auto& [kx, ky] : keepFree) {
                keep = keep || (kx == x && ky == y);
            }
            if (!keep && state.desk[CellIndex(x, y)] == kNoBall) {
                PutBall(state, x, y, FillerColor(x, y));
            }
        }
    }
}

// The random state from which the next RandomBelow(n) yields r.
inline std::uint32_t StateGiving(std::int32_t n, std::int32_t r) {
    // Smallest state s with floor(n * s / 2^32) == r.
    const std::uint64_t next =
        ((static_cast<std::uint64_t>(r) << 32) + static_cast<std::uint64_t>(n) - 1) /
        static_cast<std::uint64_t>(n);
    // Undo one step of the generator: multiply by the inverse of its factor.
    std::uint32_t inverse = 134775813u;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2u - 134775813u * inverse;
    }
    return (static_cast<std::uint32_t>(next) - 1u) * inverse;
}

}  // namespace quorbals::testing
