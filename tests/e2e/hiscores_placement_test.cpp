// The high-score table stands in the middle of the screen, frame and all,
// from the moment it appears, on its first showing as on every later one.
#include <gtest/gtest.h>

#include "tests/e2e/frame_recorder.h"
#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

// The private display is 1024 x 768.
QPoint CentredTopLeft(const QRect& outer) {
    return {(1024 - outer.width()) / 2, (768 - outer.height()) / 2};
}

TEST(HighScoreTable, EveryShowingStandsCentredWithItsFrameFromTheStart) {
    RunningGame game;
    ASSERT_TRUE(game.Start()) << game.failure().toStdString();
    FrameRecorder frames(game.x().display());
    ASSERT_TRUE(frames.ok());
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing == 1 ? "first showing" : "second showing");
        // Game menu: Start, High Scores.
        ASSERT_TRUE(game.ChooseMenuItem(QStringLiteral("alt+g"), 1));
        const auto table = game.FindDialog(QStringLiteral("Quorbals High Scores"));
        ASSERT_TRUE(table.has_value()) << "no high-score table with the focus";
        game.x().Screenshot().save(ShotPath(QStringLiteral("hiscores-placed")));

        const auto mapped = frames.WhenMapped(*table);
        ASSERT_TRUE(mapped.has_value()) << "the table's mapping was not seen";
        // Half a pixel either way: an odd leftover of the screen rounds.
        const QPoint wanted = CentredTopLeft(*mapped);
        EXPECT_NEAR(mapped->x(), wanted.x(), 1) << "where it appeared";
        EXPECT_NEAR(mapped->y(), wanted.y(), 1) << "where it appeared";
        // And it stays there.
        const auto now = frames.Now(*table);
        ASSERT_TRUE(now.has_value());
        EXPECT_EQ(now->topLeft(), mapped->topLeft()) << "it moved after it appeared";

        game.x().Key(QStringLiteral("Return"));
        ASSERT_TRUE(WaitUntil(
            [&] { return game.x().Windows(QStringLiteral("Quorbals High Scores")).isEmpty(); },
            10000))
            << "the table did not close";
    }
}

}  // namespace
}  // namespace quorbals::e2e
