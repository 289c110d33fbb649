// Starts the real game on a private X display and looks at what a player
// sees: the window titled "Quorbals", the ruled Desk and the three opening
// balls.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/e2e/board_reader.h"
#include "tests/e2e/x_session.h"

namespace quorbals::e2e {
namespace {

QString GameBinary() {
    return QStringLiteral(QUORBALS_BUILD_DIR "/quorbals");
}

TEST(GameWindow, ShowsTheDeskWithThreeBallsAfterTheSplash) {
    XSession x;
    ASSERT_TRUE(x.ok()) << "Xvfb and openbox must start";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    x.Launch(GameBinary(), {}, home.path());

    auto window = x.FindWindow(QStringLiteral("Quorbals"));
    ASSERT_TRUE(window.has_value()) << "no window titled exactly Quorbals";
    auto geometry = x.Geometry(*window);
    ASSERT_TRUE(geometry.has_value());
    EXPECT_EQ(geometry->width, 273);

    // The first game is dealt at the first activation; give it a moment.
    std::optional<QPoint> desk;
    QImage shot;
    for (int i = 0; i < 50 && !desk; ++i) {
        SleepMs(200);
        shot = x.Screenshot();
        desk = FindDesk(shot, QRect(geometry->x - 10, geometry->y - 10, geometry->width + 20,
                                    geometry->height + 20));
    }
    ASSERT_TRUE(desk.has_value()) << "the ruled Desk is not on screen";
    shot.save(QStringLiteral(QUORBALS_BUILD_DIR "/tests/e2e-window.png"));

    // The Desk lies in the window's bottom part, under the menu and the strip.
    EXPECT_NEAR(desk->x(), geometry->x + 5, 2);
    // (xdotool reports the frame's top, the title bar included.)
    EXPECT_GE(desk->y(), geometry->y + 33);
    EXPECT_LE(desk->y() + 262, geometry->y + geometry->height + 30);

    int balls = 0;
    for (int i = 0; i < 20; ++i) {
        balls = CountBalls(ReadBoard(shot, *desk));
        if (balls == 3)
            break;
        SleepMs(200);
        shot = x.Screenshot();
    }
    EXPECT_EQ(balls, 3);
    // Every cell is either empty or a ball of one of the six colours.
    for (int v : ReadBoard(shot, *desk)) {
        EXPECT_GE(v, -1);
    }
}

}  // namespace
}  // namespace quorbals::e2e
