// Starts the real game on a private X display and looks at what a player
// sees: the splash first, then the window titled "Quorbals" with its play
// area, the ruled Desk and the three opening balls.
#include <gtest/gtest.h>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

TEST(GameWindow, ShowsTheDeskWithThreeBallsAfterTheSplash) {
    RunningGame game;
    ASSERT_TRUE(game.Launch()) << game.failure().toStdString();
    // The borderless About box stands for a second before the main window.
    const auto splash = game.x().FindWindow(QStringLiteral("About"), 30000, 50);
    EXPECT_TRUE(splash.has_value()) << "no splash titled About came up";
    if (splash) {
        // The splash may go at any moment (a busy machine may take longer
        // than its second to get here): the look for the main window counts
        // only when the splash is seen still up after it.
        const bool mainWindowUp = !game.x().Windows(QStringLiteral("Quorbals")).isEmpty();
        const bool splashStillUp = !game.x().Windows(QStringLiteral("About")).isEmpty();
        if (splashStillUp) {
            EXPECT_FALSE(mainWindowUp) << "the main window showed while the splash stood";
        }
        game.x().Screenshot().save(ShotPath(QStringLiteral("splash")));
    }
    ASSERT_TRUE(game.FindMainWindow()) << game.failure().toStdString();
    const WindowGeometry g = game.window();
    // The play area is 273 wide; the X window holds the menu bar and the
    // 306 high play area under it.
    EXPECT_EQ(g.width, 273);
    EXPECT_GT(g.height, 306);
    EXPECT_LT(g.height, 306 + 40);

    const QPoint desk = game.desk();
    QImage shot = game.Shot();
    shot.save(ShotPath(QStringLiteral("window")));
    // The Desk lies in the window's bottom part, under the menu and the strip.
    EXPECT_NEAR(desk.x(), g.x + 5, 2);
    EXPECT_GE(desk.y(), g.y + 33);
    EXPECT_LE(desk.y() + 262, g.y + g.height + 30);

    int balls = 0;
    WaitUntil(
        [&] {
            shot = game.Shot();
            balls = CountBalls(ReadBoard(shot, desk));
            return balls == 3;
        },
        10000, 200);
    EXPECT_EQ(balls, 3);
    // Every cell is either empty or a ball of one of the six colours.
    for (int v : ReadBoard(shot, desk)) {
        EXPECT_GE(v, -1);
    }
}

}  // namespace
}  // namespace quorbals::e2e
