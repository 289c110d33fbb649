#include "view/move_animation.h"

#include "game/path_search.h"

namespace quorbals {

void MoveTimerTick(GameState& state, Effects& effects) {
    MoveState& move = state.move;
    effects.DrawEmptyTile(move.from.x, move.from.y);
    effects.DrawBallTile(move.to.x, move.to.y, move.color, 0);
    effects.RepaintDesk();
    effects.PlaySound(SoundCue::Move);

    if (move.to == state.path.target) {
        effects.StopTimer(GameTimer::Move);
        state.turnPhase = 0;
        effects.StartTimer(GameTimer::Wait);
        return;
    }

    move.from = move.to;
    // A step that would leave the Desk is not taken; input cannot rebuild
    // the route while a ball travels, so a sound route never asks for one.
    NeighbourCell(move.to, ForwardOf(state.path.grid[CellIndex(move.to.x, move.to.y)]), move.to);
}

}  // namespace quorbals
