// Saving a game through the real file dialog, dealing a new one, and
// loading the file back brings the same board onto the screen; a damaged
// file is refused with its message and the game stays as it was.
#include <gtest/gtest.h>

#include <QFile>
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

// Game menu: Start, High Scores, Clear High Scores, Load, Save.
void OpenGameMenuItem(RunningGame& game, int downs) {
    game.x().Key(QStringLiteral("alt+g"));
    SleepMs(300);
    QString keys;
    for (int i = 0; i < downs; ++i)
        keys += QStringLiteral("Down ");
    game.x().Key(keys + QStringLiteral("Return"));
}

void Load(RunningGame& game, const QString& path) {
    OpenGameMenuItem(game, 3);
    ASSERT_TRUE(WaitForWindow(game.x(), QStringLiteral("Load game")));
    game.EnterFileName(path);
}

TEST(GameFile, SavedBoardComesBackAfterANewGame) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const auto saved = game.Board();
    ASSERT_EQ(CountBalls(saved), 3);

    OpenGameMenuItem(game, 4);
    ASSERT_TRUE(WaitForWindow(game.x(), QStringLiteral("Save game")));
    const QString path = game.home() + QStringLiteral("/first");
    game.EnterFileName(path);
    // The default extension is added to a name typed without one.
    for (int i = 0; i < 50 && !QFileInfo::exists(path + QStringLiteral(".kvx")); ++i) {
        SleepMs(100);
    }
    ASSERT_EQ(QFileInfo(path + QStringLiteral(".kvx")).size(), 1320);

    // A new game (F2) until the board differs; then load the file back.
    std::optional<std::array<int, 81>> other;
    for (int tries = 0; tries < 5 && !other; ++tries) {
        SleepMs(300);
        game.x().Key(QStringLiteral("F2"));
        other = game.WaitForBoard([&](const auto& b) { return b != saved && CountBalls(b) == 3; },
                                  2000);
    }
    ASSERT_TRUE(other.has_value()) << "F2 dealt no new game";

    Load(game, path + QStringLiteral(".kvx"));
    const auto loaded = game.WaitForBoard([&](const auto& b) { return b == saved; });
    game.x().Screenshot().save(ShotPath(QStringLiteral("loaded")));
    EXPECT_TRUE(loaded.has_value()) << "the loaded board differs from the saved one";
}

TEST(GameFile, DamagedFileIsRefusedWithItsMessageAndTheGameStays) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const auto board = game.Board();

    // The right length, but not the signature.
    const QString path = game.home() + QStringLiteral("/damaged.kvx");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(1320, 'x'));
    damaged.close();

    Load(game, path);
    // The message box "... is invalid or corrupt!" is titled "Quorbals" as
    // the main window is.
    bool boxShown = false;
    for (int i = 0; i < 50 && !boxShown; ++i) {
        boxShown = game.x().Windows(QStringLiteral("Quorbals")).size() > 1;
        SleepMs(100);
    }
    game.x().Screenshot().save(ShotPath(QStringLiteral("damaged")));
    ASSERT_TRUE(boxShown) << "no message box for the damaged file";
    game.x().Key(QStringLiteral("Return"));
    for (int i = 0; i < 50 && game.x().Windows(QStringLiteral("Quorbals")).size() > 1; ++i) {
        SleepMs(100);
    }
    EXPECT_EQ(game.x().Windows(QStringLiteral("Quorbals")).size(), 1);
    EXPECT_EQ(game.Board(), board);
}

}  // namespace
}  // namespace quorbals::e2e
