// The Desk in words, for screen readers: what each cell holds, the
// previews and the score, named as a listener understands them. Rows and
// columns are counted from 1, as a listener counts.
#pragma once

#include <string>

#include "game/state.h"

namespace quorbals {

// What a screen reader calls the board itself.
inline constexpr char kDeskName[] = "Desk";

// "blue", "cyan", "green", "magenta", "red", "yellow".
std::string ColourName(int color);

// "red ball, row 3, column 5", "empty, row 1, column 1"; with colour marks
// on, the ball's mark too: "red ball with a cross, row 3, column 5".
std::string CellName(const GameState& state, Cell cell, bool marks);

// "row 3, column 5".
std::string CellPlace(Cell cell);

// "Next: red, green, blue" (with marks: "red cross, ...").
std::string PreviewNames(const GameState& state, bool marks);

// "Score: 120".
std::string ScoreName(const GameState& state);

}  // namespace quorbals
