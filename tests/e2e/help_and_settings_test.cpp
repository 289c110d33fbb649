// F1 opens the help viewer on "quorbals.chm"; closing the game writes its
// 9-byte settings file, and the next start puts the window back there.
#include <gtest/gtest.h>

#include <QFile>

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
