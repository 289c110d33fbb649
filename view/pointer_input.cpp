#include "view/pointer_input.h"

#include <algorithm>

#include "game/move.h"
#include "game/path_search.h"
#include "game/state.h"
#include "view/arrows.h"

namespace quorbals {

namespace {

constexpr std::int32_t kUnmarked = -1;

bool HasSelection(const GameState& state) {
    return state.selection.color != kNoBall;
}

Cell SelectedCell(const GameState& state) {
    return Cell{state.selection.x, state.selection.y};
}

void SelectBall(GameState& state, Effects& effects, Cell cell) {
    const BallColor color = state.desk[CellIndex(cell.x, cell.y)];
    state.selection = Selection{cell.x, cell.y, color, 0};
    effects.DrawBallTile(cell.x, cell.y, color, 0);
    effects.PlaySound(SoundCue::Select);
}

void StartMove(GameState& state, Effects& effects, Cell target) {
    const Cell from = SelectedCell(state);
    const BallColor color = state.selection.color;
    // The Desk holds the ball at its destination at once; the animation follows.
    MoveBall(state, from, target);
    state.move = MoveState{from, state.path.firstStep, color};
    state.selection.color = kNoBall;
    effects.StartTimer(GameTimer::Move);
}

// The route to a free cell, as a pointer move onto it shows it: the arrows
// drawn so far are erased, and the new ones drawn when the cell can be
// reached (path.ready 1), else path.target is left on it with path.ready 0.
// A stop without a route leaves the erasure for the next repaint.
void ShowRouteTo(GameState& state, Effects& effects, const ViewTables& tables, Cell cell) {
    EraseArrows(state, effects);
    if (FindPath(state, effects, cell) != PathResult::Found) {
        return;
    }
    DrawArrows(state, effects, tables);
}

}  // namespace

void DeskMouseMove(GameState& state, Effects& effects, const ViewTables& tables, std::int32_t px,
                   std::int32_t py, bool busy) {
    if (busy || !HasSelection(state)) {
        return;
    }
    // Stops below leave the erased arrows for the next repaint (the glow
    // tick at the latest), as a route is only repainted when one is drawn.
    std::int32_t x = px;
    std::int32_t y = py;
    if (!PixelToCell(tables, x, y) || state.desk[CellIndex(x, y)] != kNoBall) {
        EraseArrows(state, effects);
        return;
    }
    ShowRouteTo(state, effects, tables, Cell{x, y});
}

void DeskMouseLeave(GameState& state, Effects& effects, bool busy) {
    if (busy || !HasSelection(state)) {
        return;
    }
    // path.target and path.ready stay, as after a move off the Desk.
    EraseArrows(state, effects);
    effects.RepaintDesk();
}

void DeskMouseUp(GameState& state, Effects& effects, const ViewTables& tables, std::int32_t px,
                 std::int32_t py, bool busy) {
    if (busy) {
        return;
    }
    std::int32_t x = px;
    std::int32_t y = py;
    if (!PixelToCell(tables, x, y)) {
        return;
    }
    const Cell cell{x, y};
    const bool onBall = state.desk[CellIndex(x, y)] != kNoBall;

    if (!HasSelection(state)) {
        if (onBall) {
            SelectBall(state, effects, cell);
        }
    } else {
        // A release that no pointer move onto its cell came before (a tap of
        // a finger or a pen sends none) looks for the route there first.
        if (!onBall && !(state.path.ready == 1 && state.path.target == cell)) {
            ShowRouteTo(state, effects, tables, cell);
        }
        const bool startsMove = !onBall && state.path.ready == 1 && state.path.target == cell;
        if (startsMove) {
            StartMove(state, effects, cell);
        } else {
            // The marks are about to be forgotten: make sure no arrow of this
            // selection stays on the picture when the release comes without a
            // pointer move to its spot. Only a drawn route (path.ready 1) can
            // still be showing, and marked cells stay free while a ball is
            // selected, so this blanks nothing else.
            if (state.path.ready == 1) {
                EraseArrows(state, effects);
            }
            if (onBall) {
                const Cell old = SelectedCell(state);
                effects.DrawBallTile(old.x, old.y, state.selection.color, 0);
                state.selection.color = kNoBall;
                if (!(cell == old)) {
                    SelectBall(state, effects, cell);
                }
            }
        }
    }

    if (HasSelection(state)) {
        state.path.start = SelectedCell(state);
        state.path.target = SelectedCell(state);
        state.path.ready = 0;
        std::fill(state.arrowMarks.begin(), state.arrowMarks.end(), kUnmarked);
    }
    effects.RepaintDesk();
}

void GlowTimerTick(GameState& state, Effects& effects) {
    if (!HasSelection(state)) {
        return;
    }
    Selection& sel = state.selection;
    sel.glowFrame = (sel.glowFrame + 1) % kGlowFrameCount;
    effects.DrawBallTile(sel.x, sel.y, sel.color, sel.glowFrame);
    effects.RepaintDesk();
}

}  // namespace quorbals
