// The Desk in words, for screen readers: what each cell holds, the
// previews and the score, named as a listener understands them. Rows and
// columns are counted from 1, as a listener counts.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "game/state.h"

namespace quorbals {

// What a screen reader calls the board itself.
inline constexpr char kDeskName[] = "Desk";

// "blue", "cyan", "green", "magenta", "red", "yellow".
std::string ColourName(int color);

// "red ball", or with colour marks on "red ball with a cross".
std::string BallName(int color, bool marks);

// The text with its first letter a capital, as a sentence starts.
std::string Capitalised(std::string text);

// "row 3, column 5".
std::string CellPlace(Cell cell);

// Whether a cell's name says where it lies. Where the reader speaks a
// cell's row and column itself from the grid it belongs to (a browser's
// grid), the name leaves them out, so that they are not said twice.
enum class Place { kNamed, kLeftToReader };

// A cell's name: "red ball, row 3, column 5", "empty, row 1, column 1";
// with colour marks on, a ball's mark too. While a ball is selected, a free
// cell also says whether the ball can get there, by the route search the
// arrows come from: "empty, row 1, column 1, reachable" or "..., no route".
std::string CellName(const GameState& state, Cell cell, bool marks, Place place = Place::kNamed);

// Every cell's name, row by row.
std::array<std::string, kCellCount> CellNames(const GameState& state, bool marks,
                                              Place place = Place::kNamed);

// The cell a reader hears as selected: the selected ball's, when a ball is
// selected and its cell lies on the Desk (a loaded game may say otherwise).
std::optional<Cell> SelectedCell(const GameState& state);

// "Next: red, green, blue" (with marks: "red cross, ...").
std::string PreviewNames(const GameState& state, bool marks);

// "Score: 120".
std::string ScoreName(const GameState& state);

}  // namespace quorbals
