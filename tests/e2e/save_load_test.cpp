// Saving a game through the real file dialog, dealing a new one, and
// loading the file back brings the same board onto the screen.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

// Waits until a window with this exact name is up, then for it to settle.
bool WaitForWindow(XSession& x, const QString& name) {
    const bool found = x.FindWindow(name, 10000).has_value();
    SleepMs(400);
    return found;
}

TEST(GameFile, SavedBoardComesBackAfterANewGame) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const auto saved = game.Board();
    ASSERT_EQ(CountBalls(saved), 3);

    // Game menu: Start, High Scores, Clear High Scores, Load, Save.
    game.x().Key(QStringLiteral("alt+g"));
    SleepMs(300);
    game.x().Key(QStringLiteral("Down Down Down Down Return"));
    ASSERT_TRUE(WaitForWindow(game.x(), QStringLiteral("Save game")));
    const QString path = game.home() + QStringLiteral("/first");
    game.x().Key(QStringLiteral("ctrl+a"));
    game.x().Type(path);
    game.x().Key(QStringLiteral("Return"));
    // The default extension is added to a name typed without one.
    for (int i = 0; i < 50 && !QFileInfo::exists(path + QStringLiteral(".kvx")); ++i) {
        SleepMs(100);
    }
    ASSERT_TRUE(QFileInfo(path + QStringLiteral(".kvx")).size() == 1320);

    // A new game (F2) until the board differs; then load the file back.
    std::optional<std::array<int, 81>> other;
    for (int tries = 0; tries < 5 && !other; ++tries) {
        SleepMs(300);
        game.x().Key(QStringLiteral("F2"));
        other = game.WaitForBoard([&](const auto& b) { return b != saved && CountBalls(b) == 3; },
                                  2000);
    }
    ASSERT_TRUE(other.has_value()) << "F2 dealt no new game";

    game.x().Key(QStringLiteral("alt+g"));
    SleepMs(300);
    game.x().Key(QStringLiteral("Down Down Down Return"));
    ASSERT_TRUE(WaitForWindow(game.x(), QStringLiteral("Load game")));
    // The load dialog offers the file just saved.
    game.x().Key(QStringLiteral("Return"));
    const auto loaded = game.WaitForBoard([&](const auto& b) { return b == saved; });
    game.x().Screenshot().save(QStringLiteral(QUORBALS_BUILD_DIR "/tests/e2e-loaded.png"));
    EXPECT_TRUE(loaded.has_value()) << "the loaded board differs from the saved one";
}

}  // namespace
}  // namespace quorbals::e2e
