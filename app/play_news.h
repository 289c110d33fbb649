// What the game says to a screen reader as the player plays, besides each
// turn's news: the selection as it changes, and why a key that acts on a
// free cell did nothing.
#pragma once

#include <string>

#include "game/state.h"

namespace quorbals {

// The news of a release or a key, from the selection before it and the
// game after it: "Red ball selected, row 3, column 5." when a ball is
// selected (the one chosen, also when it replaces another), "Red ball put
// down." when the selection is dropped without a move; empty otherwise,
// the start of a move included (its turn has news of its own).
std::string SelectionNews(const Selection& before, const GameState& after, bool moving, bool marks);

// The first key of keyboard play shows the cursor where it stands without
// moving it: no new cell takes the focus, so a reader would say nothing.
// The news says where it is: "Blue ball, row 5, column 5."
std::string CursorShownNews(const GameState& state, Cell cell, bool marks);

// An act on a free cell that moved nothing: "No route to row 3, column 5."
// while a ball is selected, else "Select a ball first."
std::string IdleActNews(const Selection& before, Cell cell);

}  // namespace quorbals
