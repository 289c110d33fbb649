// F1 opens the help viewer on "quorbals.chm", and the game beside it still
// takes keys and clicks; closing the game writes its 9-byte settings file,
// and the next start puts the window back there.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

TEST(GameHelp, F1OpensTheHelpViewerTitledFromTheHelpFile) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    game.x().Key(QStringLiteral("F1"));
    const auto viewer = game.x().FindWindow(QStringLiteral("Quorbals Help"), 20000);
    game.x().Screenshot().save(ShotPath(QStringLiteral("help")));
    EXPECT_TRUE(viewer.has_value()) << "no window titled Quorbals Help";
    // The game goes on beside it (the viewer may cover the Desk).
    EXPECT_EQ(game.x().Windows(QStringLiteral("Quorbals")).size(), 1);
}

// Opens the help with F1 and waits until the viewer has come up and taken
// the focus, as a new window does; only then does the game get it back.
bool OpenHelp(RunningGame& game) {
    game.x().Key(QStringLiteral("F1"));
    const auto viewer = game.x().FindWindow(QStringLiteral("Quorbals Help"), 20000);
    if (!viewer) {
        return false;
    }
    WaitUntil([&] { return game.x().ActiveWindow() == *viewer; }, 10000);
    return true;
}

TEST(GameHelp, AfterF1CtrlXStillEndsTheGameAndItsSettingsAreWritten) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    ASSERT_TRUE(OpenHelp(game)) << "no window titled Quorbals Help";
    game.x().Activate(game.windowId());
    game.x().Key(QStringLiteral("ctrl+x"));
    const bool ended = game.WaitForEnd();
    game.x().Screenshot().save(ShotPath(QStringLiteral("help-exit")));
    ASSERT_TRUE(ended) << "Ctrl+X did not end the game after F1";
    QFile settings(game.dataDir() + QStringLiteral("/quorbals.set"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly)) << settings.fileName().toStdString();
    EXPECT_EQ(settings.size(), 9);
}

TEST(GameHelp, AfterF1AClickOnTheDeskSelectsABall) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const auto board = game.Board();
    const auto ball = std::find_if(board.begin(), board.end(), [](int v) { return v >= 0; });
    ASSERT_NE(ball, board.end());
    const int cell = static_cast<int>(ball - board.begin());

    ASSERT_TRUE(OpenHelp(game)) << "no window titled Quorbals Help";
    game.x().Activate(game.windowId());
    game.ClickCell(cell % 9, cell / 9);
    const bool glows = game.WaitForGlow(cell % 9, cell / 9);
    game.x().Screenshot().save(ShotPath(QStringLiteral("help-select")));
    EXPECT_TRUE(glows) << "the ball on cell " << cell << " was clicked but does not glow";
}

TEST(GameSettings, ClosingWritesThePositionAndTheNextStartRestoresIt) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    game.x().Run(QStringLiteral("xdotool"),
                 {QStringLiteral("windowmove"), QStringLiteral("--sync"), game.windowId(),
                  QStringLiteral("300"), QStringLiteral("200")});
    // Taken once the window stands still where the window manager put it.
    std::optional<WindowGeometry> moved;
    const bool still = WaitUntil(
        [&] {
            const auto now = game.x().Geometry(game.windowId());
            const bool same = now && moved && now->x == moved->x && now->y == moved->y;
            moved = now;
            return same;
        },
        10000, 200);
    ASSERT_TRUE(still && moved.has_value()) << "the moved window never stood still";
    ASSERT_TRUE(game.Close()) << game.failure().toStdString();

    QFile settings(game.dataDir() + QStringLiteral("/quorbals.set"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly)) << settings.fileName().toStdString();
    const QByteArray bytes = settings.readAll();
    ASSERT_EQ(bytes.size(), 9);
    EXPECT_EQ(bytes[8], 1) << "Sound stays on";

    ASSERT_TRUE(game.Launch());
    ASSERT_TRUE(game.FindMainWindow()) << game.failure().toStdString();
    EXPECT_NEAR(game.window().x, moved->x, 2);
    EXPECT_NEAR(game.window().y, moved->y, 2);
}

}  // namespace
}  // namespace quorbals::e2e
