#include "view/cell_names.h"

#include <array>

#include "view/colour_marks.h"

namespace quorbals {

namespace {

constexpr std::array<const char*, kColorCount> kColourNames{"blue",    "cyan", "green",
                                                            "magenta", "red",  "yellow"};

std::string BallName(int color, bool marks) {
    std::string name = ColourName(color) + " ball";
    if (marks) {
        name += " with a ";
        name += ColourMarkName(color);
    }
    return name;
}

}  // namespace

std::string ColourName(int color) {
    return color >= 0 && color < kColorCount ? kColourNames[static_cast<std::size_t>(color)]
                                             : "unknown";
}

std::string CellPlace(Cell cell) {
    return "row " + std::to_string(cell.y + 1) + ", column " + std::to_string(cell.x + 1);
}

std::string CellName(const GameState& state, Cell cell, bool marks) {
    const BallColor color = state.desk[static_cast<std::size_t>(CellIndex(cell.x, cell.y))];
    const std::string what = color == kNoBall ? "empty" : BallName(color, marks);
    return what + ", " + CellPlace(cell);
}

std::string PreviewNames(const GameState& state, bool marks) {
    std::string text = "Next:";
    for (std::size_t i = 0; i < state.nextBalls.size(); ++i) {
        text += i == 0 ? " " : ", ";
        text += ColourName(state.nextBalls[i]);
        if (marks) {
            text += ' ';
            text += ColourMarkName(state.nextBalls[i]);
        }
    }
    return text;
}

std::string ScoreName(const GameState& state) {
    return "Score: " + std::to_string(state.score);
}

}  // namespace quorbals
