// One move in the real game, made with the pointer through xdotool and
// checked from screenshots.
#include <gtest/gtest.h>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

// A ball and the free cell farthest from it that it can reach, so that the
// route has several cells and the ball is seen on its way.
std::optional<std::pair<int, int>> ReachablePair(const std::array<int, 81>& board) {
    std::optional<std::pair<int, int>> best;
    int bestDistance = 2;
    for (int from = 0; from < 81; ++from) {
        if (board[from] < 0)
            continue;
        for (int to : ReachableFrom(board, from)) {
            const int distance = std::abs(to % 9 - from % 9) + std::abs(to / 9 - from / 9);
            if (distance > bestDistance) {
                bestDistance = distance;
                best = std::make_pair(from, to);
            }
        }
    }
    return best;
}

TEST(GameMove, BallTravelsToTheCellAndTheTurnFollows) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const QImage beforeShot = game.Shot();
    const auto before = ReadBoard(beforeShot, game.desk());
    const auto pair = ReachablePair(before);
    ASSERT_TRUE(pair.has_value());
    const auto [from, to] = *pair;
    const int colour = before[from];

    game.ClickCell(from % 9, from / 9);
    game.PointAtCell(to % 9, to / 9);
    // Pointing at the reachable cell draws the route's arrows over free cells.
    int arrows = 0;
    for (int i = 0; i < 20 && arrows == 0; ++i) {
        const QImage shot = game.Shot();
        shot.save(ShotPath(QStringLiteral("route")));
        for (int c = 0; c < 81; ++c) {
            const QRect tile(game.DeskPoint(c % 9 * 29 + 4, c / 9 * 29 + 4), QSize(22, 22));
            if (before[c] == -1 && c != to && shot.copy(tile) != beforeShot.copy(tile))
                ++arrows;
        }
        SleepMs(100);
    }
    EXPECT_GE(arrows, 1) << "no route arrows on the free cells";
    game.ClickCell(to % 9, to / 9);

    // The ball leaves its cell, is seen on its way (neither at the start nor
    // at the target) and lands on the target; then three balls arrive, one
    // of which may land on the cell the ball left.
    bool seenOnItsWay = false;
    std::array<int, 81> last{};
    const auto after = game.WaitForBoard([&](const std::array<int, 81>& b) {
        last = b;
        if (b[from] != colour && b[to] != colour)
            seenOnItsWay = true;
        return b[to] == colour && CountBalls(b) == CountBalls(before) + 3;
    });
    game.x().Screenshot().save(ShotPath(QStringLiteral("move")));
    ASSERT_TRUE(after.has_value())
        << "the move or its turn never showed: ball " << colour << " from cell " << from
        << " to cell " << to << "; the Desk at " << game.desk().x() << "," << game.desk().y()
        << " read at the start\n"
        << BoardText(before) << "and at the end\n"
        << BoardText(last);
    EXPECT_TRUE(seenOnItsWay) << "the ball jumped to its target";
}

}  // namespace
}  // namespace quorbals::e2e
