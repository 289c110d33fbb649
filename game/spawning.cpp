#include "game/spawning.h"

#include "game/random.h"

namespace quorbals {

void NewGame(GameState& state, Effects& effects) {
    // A waiting turn cycle and a ball in flight belong to the old game.
    effects.StopTimer(GameTimer::Wait);
    effects.StopTimer(GameTimer::Move);

    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const int i = CellIndex(x, y);
            state.desk[i] = kNoBall;
            FreeCellRecord& record = state.freeCellList[i];
            record.x = x;
            record.y = y;
            record.free = 1;
        }
    }
    state.freeCount = kCellCount;
    state.score = 0;
    effects.SetScoreText(0);

    effects.ResetDesk();

    // The opening balls take the first deal; the preview shows a second one.
    DealNextBalls(state, effects);
    PlaceNextBalls(state, effects);
    DealNextBalls(state, effects);

    state.selection.color = kNoBall;
}

void DealNextBalls(GameState& state, Effects& effects) {
    for (BallColor& color : state.nextBalls) {
        color = RandomBelow(state, kColorCount);
    }
    for (int slot = 0; slot < kPreviewCount; ++slot) {
        effects.DrawPreviewTile(slot, state.nextBalls[slot]);
    }
}

void PlaceNextBalls(GameState& state, Effects& effects) {
    for (int k = 0; k < kPreviewCount; ++k) {
        if (state.freeCount <= 0) {
            return;
        }
        const std::int32_t rank = RandomBelow(state, state.freeCount);

        // The free cell of that rank, counted from 0 in cell order.
        FreeCellRecord* taken = nullptr;
        std::int32_t seen = 0;
        for (FreeCellRecord& record : state.freeCellList) {
            if (record.free != 1) {
                continue;
            }
            if (seen == rank) {
                taken = &record;
                break;
            }
            ++seen;
        }
        // A loaded game may claim more free cells than it has, or name a
        // cell off the Desk: then nothing more is placed this turn.
        if (taken == nullptr || !OnDesk(taken->x, taken->y)) {
            return;
        }

        taken->free = 0;
        --state.freeCount;
        const BallColor color = state.nextBalls[k];
        state.desk[CellIndex(taken->x, taken->y)] = color;
        effects.DrawBallTile(taken->x, taken->y, color, 0);
        effects.BallPlaced(taken->x, taken->y, color);
    }
}

}  // namespace quorbals
