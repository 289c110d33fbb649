// One move in the real game, made with the pointer through xdotool and
// checked from screenshots.
#include <gtest/gtest.h>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

// A ball and a free cell it can reach, far enough away that the route has
// several cells.
std::optional<std::pair<int, int>> ReachablePair(const std::array<int, 81>& board) {
    for (int from = 0; from < 81; ++from) {
        if (board[from] < 0)
            continue;
        for (int to : ReachableFrom(board, from)) {
            if (std::abs(to % 9 - from % 9) + std::abs(to / 9 - from / 9) >= 3) {
                return std::make_pair(from, to);
            }
        }
    }
    return std::nullopt;
}

TEST(GameMove, BallTravelsToTheCellAndTheTurnFollows) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const auto before = game.Board();
    const auto pair = ReachablePair(before);
    ASSERT_TRUE(pair.has_value());
    const auto [from, to] = *pair;
    const int colour = before[from];

    game.ClickCell(from % 9, from / 9);
    game.PointAtCell(to % 9, to / 9);
    game.x().Screenshot().save(QStringLiteral(QUORBALS_BUILD_DIR "/tests/e2e-route.png"));
    game.ClickCell(to % 9, to / 9);

    // The ball leaves its cell and lands on the target; then either three
    // balls arrive or a line vanishes.
    const auto after = game.WaitForBoard([&](const std::array<int, 81>& b) {
        return b[from] == -1 && b[to] == colour && CountBalls(b) != CountBalls(before);
    });
    game.x().Screenshot().save(QStringLiteral(QUORBALS_BUILD_DIR "/tests/e2e-move.png"));
    ASSERT_TRUE(after.has_value()) << "the move or its turn never showed";
    EXPECT_EQ(CountBalls(*after), CountBalls(before) + 3);
}

}  // namespace
}  // namespace quorbals::e2e
