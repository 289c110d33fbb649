// A whole game played with the pointer alone, through xdotool, reading the
// board from the screen: moves until "Game over!", a name typed into the
// high-score dialog, and the table's file checked byte by byte.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

using Board = std::array<int, 81>;

// Longest run of `colour` through cell t along the four lines, with `from`
// counted as empty (the ball is leaving it).
int RunThrough(const Board& b, int t, int from, int colour) {
    const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    int best = 1;
    for (auto& d : dirs) {
        int n = 1;
        for (int s : {1, -1}) {
            int x = t % 9 + s * d[0], y = t / 9 + s * d[1];
            while (x >= 0 && x < 9 && y >= 0 && y < 9 && y * 9 + x != from &&
                   b[y * 9 + x] == colour) {
                ++n;
                x += s * d[0];
                y += s * d[1];
            }
        }
        best = std::max(best, n);
    }
    return best;
}

// The move that lines up the fewest balls, so that the Desk fills quickly.
std::optional<std::pair<int, int>> QuietMove(const Board& b) {
    std::optional<std::pair<int, int>> best;
    int bestRun = 100;
    for (int from = 0; from < 81; ++from) {
        if (b[from] < 0)
            continue;
        for (int to : ReachableFrom(b, from)) {
            const int run = RunThrough(b, to, from, b[from]);
            if (run < bestRun) {
                bestRun = run;
                best = std::make_pair(from, to);
            }
        }
    }
    return best;
}

TEST(WholeGame, PlayedToTheEndWithTheNameEnteredInTheTable) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const QImage first = game.Shot();
    const QRect scoreLabel(game.desk() + QPoint(11, -28), QSize(48, 16));
    const QImage zeroScore = first.copy(scoreLabel);

    bool over = false;
    int moves = 0;
    for (; moves < 200 && !over; ++moves) {
        const Board board = game.Board();
        const auto move = QuietMove(board);
        ASSERT_TRUE(move.has_value()) << "no move on a board with free cells";
        const auto [from, to] = *move;
        game.ClickCell(from % 9, from / 9);
        game.PointAtCell(to % 9, to / 9);
        game.ClickCell(to % 9, to / 9);
        // The ball travels, then the turn runs: wait until the board settles,
        // or the game-over box comes up.
        Board last{};
        for (int i = 0; i < 60; ++i) {
            SleepMs(100);
            if (game.x().Windows(QStringLiteral("Quorbals")).size() > 1) {
                over = true;
                break;
            }
            const Board now = game.Board();
            // A new ball may land on the cell the ball left.
            const bool left = now[from] == -1 || CountBalls(now) > CountBalls(board);
            if (left && now[to] == board[from] && now == last)
                break;
            last = now;
        }
    }
    ASSERT_TRUE(over) << "no game over after " << moves << " moves";
    game.x().Screenshot().save(ShotPath(QStringLiteral("gameover")));

    // OK "Game over!", then name the entry. Each new window is given the
    // focus first: under Wine it may still lie with the window under it.
    ASSERT_TRUE(game.FindDialog(QStringLiteral("Quorbals")).has_value())
        << "the game-over box never took the focus";
    game.x().Key(QStringLiteral("Return"));
    const auto table = game.FindDialog(QStringLiteral("Quorbals High Scores"));
    ASSERT_TRUE(table.has_value()) << "no high-score table with the focus";
    game.x().Type(QStringLiteral("Tester"));
    game.x().Screenshot().save(ShotPath(QStringLiteral("hiscores")));
    game.x().Key(QStringLiteral("Return"));

    // The table's file shows as soon as it is created, before its bytes are in.
    const QString scoreFile = game.dataDir() + QStringLiteral("/quorbals.scr");
    EXPECT_TRUE(WaitUntil([&] { return QFileInfo(scoreFile).size() == 28; }, 10000))
        << "no score table of 28 bytes";
    QFile f(scoreFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << scoreFile.toStdString();
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 28);
    const auto u = [&](int i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::int32_t score =
        static_cast<std::int32_t>(u(0) | (u(1) << 8) | (u(2) << 16) | (u(3) << 24));
    EXPECT_GE(score, 0);
    EXPECT_EQ(score % 2, 0) << "every pass scores an even number of points";
    EXPECT_EQ(u(4), 6);
    EXPECT_EQ(bytes.mid(5, 6), QByteArray("Tester"));

    // A fresh game: three balls and the score label back at "0".
    const auto fresh = game.WaitForBoard([](const Board& b) { return CountBalls(b) == 3; });
    EXPECT_TRUE(fresh.has_value());
    EXPECT_TRUE(WaitUntil([&] { return game.Shot().copy(scoreLabel) == zeroScore; }, 10000))
        << "the score label did not go back to 0";
}

}  // namespace
}  // namespace quorbals::e2e
