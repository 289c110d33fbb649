#include "app/play_news.h"

#include "view/cell_names.h"

namespace quorbals {

namespace {

bool SameSelection(const Selection& a, const Selection& b) {
    return a.color == b.color && (a.color == kNoBall || (a.x == b.x && a.y == b.y));
}

}  // namespace

std::string SelectionNews(const Selection& before, const GameState& after, bool moving,
                          bool marks) {
    const Selection& now = after.selection;
    if (SameSelection(before, now) || moving) {
        return {};
    }
    if (now.color != kNoBall) {
        return Capitalised(BallName(now.color, marks)) + " selected, " + CellPlace({now.x, now.y}) +
               ".";
    }
    return Capitalised(BallName(before.color, marks)) + " put down.";
}

std::string CursorShownNews(const GameState& state, Cell cell, bool marks) {
    return Capitalised(CellName(state, cell, marks)) + ".";
}

std::string IdleActNews(const Selection& before, Cell cell) {
    if (before.color == kNoBall) {
        return "Select a ball first.";
    }
    return "No route to " + CellPlace(cell) + ".";
}

}  // namespace quorbals
