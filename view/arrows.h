// The route shown as arrow tiles on the Desk picture, and taken away again.
#pragma once

#include "game/effects.h"
#include "game/state.h"
#include "view/desk_geometry.h"

namespace quorbals {

// Blanks every cell marked since the selection; keeps the marks, no repaint.
void EraseArrows(GameState& state, Effects& effects);

// Draws and marks every route cell of the path grid, sets path.ready to 1
// and repaints the Desk once.
void DrawArrows(GameState& state, Effects& effects, const ViewTables& tables);

// Sprite index for a route code, or -1 when no sprite shows it.
int ArrowSpriteFor(const ViewTables& tables, std::int32_t code);

}  // namespace quorbals
