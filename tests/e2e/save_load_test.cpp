// Saving a game through the real file dialog, dealing a new one, and
// loading the file back brings the same board onto the screen; a damaged
// file is refused with its message and the game stays as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

// Game menu: Start, High Scores, Clear High Scores, Load, Save. The file
// dialog takes the keys once it has the focus.
void OpenFileDialog(RunningGame& game, int downs, const QString& title) {
    ASSERT_TRUE(game.ChooseMenuItem(QStringLiteral("alt+g"), downs))
        << "the Game menu did not open";
    ASSERT_TRUE(game.FindDialog(title).has_value()) << "no dialog " << title.toStdString();
}

void Load(RunningGame& game, const QString& path) {
    OpenFileDialog(game, 3, QStringLiteral("Load game"));
    game.EnterFileName(path);
}

// Waits until the file has its full size: it shows as soon as the game has
// created it, before the bytes are in.
bool WaitForFileSize(const QString& path, qint64 size) {
    return WaitUntil([&] { return QFileInfo(path).size() == size; }, 10000);
}

TEST(GameFile, SavedBoardComesBackAfterANewGame) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    const auto saved = game.Board();
    ASSERT_EQ(CountBalls(saved), 3);

    OpenFileDialog(game, 4, QStringLiteral("Save game"));
    const QString path = game.home() + QStringLiteral("/first");
    game.EnterFileName(path);
    // The default extension is added to a name typed without one.
    ASSERT_TRUE(WaitForFileSize(path + QStringLiteral(".kvx"), 1320))
        << "no saved game of 1320 bytes";

    // A new game (F2) until the board differs; then load the file back. The
    // save dialog has gone once the main window has the focus again.
    ASSERT_TRUE(game.x().Activate(game.windowId()));
    std::optional<std::array<int, 81>> other;
    for (int tries = 0; tries < 5 && !other; ++tries) {
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
    const auto box = game.FindDialog(QStringLiteral("Quorbals"));
    game.x().Screenshot().save(ShotPath(QStringLiteral("damaged")));
    ASSERT_TRUE(box.has_value()) << "no message box for the damaged file";
    game.x().Key(QStringLiteral("Return"));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return game.x().Windows(QStringLiteral("Quorbals")) == QStringList{game.windowId()};
        },
        10000))
        << "the message box did not close";
    // The Desk is drawn again where the box stood.
    EXPECT_TRUE(game.WaitForBoard([&](const auto& b) { return b == board; }).has_value())
        << "the board changed:\n"
        << BoardText(game.Board()) << "instead of\n"
        << BoardText(board);
}

}  // namespace
}  // namespace quorbals::e2e
