#include "game/move.h"

namespace quorbals {

void MoveBall(GameState& state, Cell from, Cell to) {
    // Moving a ball onto its own cell would empty it.
    if (!OnDesk(from.x, from.y) || !OnDesk(to.x, to.y) || from == to) {
        return;
    }
    const int source = CellIndex(from.x, from.y);
    const int target = CellIndex(to.x, to.y);
    const BallColor color = state.desk[source];
    state.desk[source] = kNoBall;
    state.freeCellList[source].free = 1;
    state.freeCellList[target].free = 0;
    state.desk[target] = color;
}

}  // namespace quorbals
