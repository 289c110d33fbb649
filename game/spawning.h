// Dealing a new game, choosing the preview colours and placing them.
#pragma once

#include "game/effects.h"
#include "game/state.h"

namespace quorbals {

void NewGame(GameState& state, Effects& effects);
void DealNextBalls(GameState& state, Effects& effects);
void PlaceNextBalls(GameState& state, Effects& effects);

}  // namespace quorbals
