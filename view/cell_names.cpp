#include "view/cell_names.h"

#include "game/path_search.h"
#include "view/colour_marks.h"

namespace quorbals {

namespace {

constexpr std::array<const char*, kColorCount> kColourNames{"blue",    "cyan", "green",
                                                            "magenta", "red",  "yellow"};

}  // namespace

std::string ColourName(int color) {
    return color >= 0 && color < kColorCount ? kColourNames[static_cast<std::size_t>(color)]
                                             : "unknown";
}

std::string BallName(int color, bool marks) {
    std::string name = ColourName(color) + " ball";
    if (marks) {
        name += " with a ";
        name += ColourMarkName(color);
    }
    return name;
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::string CellPlace(Cell cell) {
    return "row " + std::to_string(cell.y + 1) + ", column " + std::to_string(cell.x + 1);
}

std::string CellName(const GameState& state, Cell cell, bool marks, Place place) {
    const BallColor color = state.desk[static_cast<std::size_t>(CellIndex(cell.x, cell.y))];
    std::string name = color == kNoBall ? "empty" : BallName(color, marks);
    if (place == Place::kNamed) {
        name += ", " + CellPlace(cell);
    }
    const Selection& s = state.selection;
    if (color == kNoBall && s.color != kNoBall && OnDesk(s.x, s.y)) {
        name += RouteExists(state, {s.x, s.y}, cell) ? ", reachable" : ", no route";
    }
    return name;
}

std::array<std::string, kCellCount> CellNames(const GameState& state, bool marks, Place place) {
    std::array<std::string, kCellCount> names;
    for (int i = 0; i < kCellCount; ++i) {
        names[static_cast<std::size_t>(i)] =
            CellName(state, {i % kDeskSide, i / kDeskSide}, marks, place);
    }
    return names;
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

std::optional<Cell> SelectedCell(const GameState& state) {
    const Selection& s = state.selection;
    if (s.color == kNoBall || !OnDesk(s.x, s.y)) {
        return std::nullopt;
    }
    return Cell{s.x, s.y};
}

}  // namespace quorbals
