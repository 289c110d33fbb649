#include "app/turn_news.h"

#include <array>

#include "view/cell_names.h"

namespace quorbals {

namespace {

// "5 green balls" or "5 green balls and 6 red balls", colour by colour.
std::string RemovedBalls(const std::vector<PlacedBall>& removed) {
    std::array<int, kColorCount> counts{};
    for (const PlacedBall& ball : removed) {
        if (ball.color >= 0 && ball.color < kColorCount) {
            ++counts[static_cast<std::size_t>(ball.color)];
        }
    }
    std::string text;
    for (int color = 0; color < kColorCount; ++color) {
        const int n = counts[static_cast<std::size_t>(color)];
        if (n == 0) {
            continue;
        }
        if (!text.empty()) {
            text += " and ";
        }
        text += std::to_string(n) + " " + ColourName(color) + (n == 1 ? " ball" : " balls");
    }
    return text;
}

}  // namespace

std::string DescribeTurn(const TurnRecord& turn) {
    std::vector<std::string> sentences;
    if (turn.moved != kNoBall) {
        sentences.push_back(Capitalised(ColourName(turn.moved)) + " ball moved to " +
                            CellPlace(turn.movedTo) + ".");
    }
    if (!turn.removed.empty()) {
        sentences.push_back("Removed " + RemovedBalls(turn.removed) + ".");
    }
    if (!turn.placed.empty()) {
        std::string placed = "Placed ";
        for (std::size_t i = 0; i < turn.placed.size(); ++i) {
            placed += i == 0 ? "" : "; ";
            placed += ColourName(turn.placed[i].color) + " at " + CellPlace(turn.placed[i].cell);
        }
        sentences.push_back(placed + ".");
    }
    if (!turn.removedAfter.empty()) {
        sentences.push_back("Removed " + RemovedBalls(turn.removedAfter) + ".");
    }
    if (turn.points > 0) {
        sentences.push_back("Scored " + std::to_string(turn.points) +
                            (turn.points == 1 ? " point." : " points."));
    }
    std::string text;
    for (const std::string& sentence : sentences) {
        text += text.empty() ? sentence : " " + sentence;
    }
    return text;
}

}  // namespace quorbals
