// Small game states for the Desk tests, built by hand.
#pragma once

#include <algorithm>

#include "game/state.h"

namespace quorbals::testing {

inline GameState EmptyGame() {
    GameState state;
    for (int i = 0; i < kCellCount; ++i) {
        state.desk[i] = kNoBall;
        state.freeCellList[i] = FreeCellRecord{i % kDeskSide, i / kDeskSide, 1, {0, 0, 0}};
    }
    state.freeCount = kCellCount;
    state.selection.color = kNoBall;
    state.path.grid.fill(kPathFree);
    state.arrowMarks.fill(-1);
    state.turnPhase = 3;
    return state;
}

inline void PutBall(GameState& state, int x, int y, BallColor color) {
    if (state.desk[CellIndex(x, y)] == kNoBall) {
        --state.freeCount;
    }
    state.desk[CellIndex(x, y)] = color;
    state.freeCellList[CellIndex(x, y)].free = 0;
}

}  // namespace quorbals::testing
