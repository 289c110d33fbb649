// The player's pointer on the Desk: selecting balls, showing the route to
// the free cell under the pointer, starting moves, and the selected ball's
// glow. The main window calls these from its event handlers.
#pragma once

#include <cstdint>

#include "game/effects.h"
#include "game/state.h"
#include "view/desk_geometry.h"

namespace quorbals {

// Pointer moved to (px, py) in pixels of the Desk picture. `busy`: a ball
// travels or a turn cycle is pending (move or wait timer active); the
// pointer is then ignored, so the route being travelled stays as it is.
void DeskMouseMove(GameState& state, Effects& effects, const ViewTables& tables, std::int32_t px,
                   std::int32_t py, bool busy);

// The pointer left the Desk with no button held: the route is erased as
// by a move off the Desk, and the erasure is repainted at once, since no
// further move over the Desk will come to do it. `busy` as above.
void DeskMouseLeave(GameState& state, Effects& effects, bool busy);

// Any pointer button released at (px, py); `busy` as above.
void DeskMouseUp(GameState& state, Effects& effects, const ViewTables& tables, std::int32_t px,
                 std::int32_t py, bool busy);

// The glow timer's tick: the selected ball shows its next glow frame.
void GlowTimerTick(GameState& state, Effects& effects);

}  // namespace quorbals
