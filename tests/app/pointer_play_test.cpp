// Playing with the pointer in the real window: selections, the route's
// arrows, the travelling ball and the turn that follows, through real
// pointer events on the Desk image and the window's own timers.
#include <QLabel>

#include "tests/app/main_window_fixture.h"
#include "tests/game/desk_builder.h"
#include "view/qt/desk_view.h"
#include "view/qt/picture_image.h"

namespace quorbals::test {
namespace {

using quorbals::testing::EmptyGame;
using quorbals::testing::PutBall;

class PointerPlayTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowAndActivate();
        window->T_GlowTimer.stop();  // frames are stepped by hand below
    }

    // Replaces the game with an empty Desk holding the given balls.
    void Deal(std::initializer_list<std::tuple<int, int, BallColor>> balls) {
        GameState fresh = EmptyGame();
        for (const auto& [x, y, c] : balls) {
            PutBall(fresh, x, y, c);
        }
        fresh.nextBalls = {1, 2, 3};
        fresh.randomState = 12345;
        fresh.arrowMarks.fill(-1);
        window->state = fresh;
        window->commands.ShowLoadedGame();
    }

    QPoint Centre(int x, int y) const { return {x * 29 + 4 + 11, y * 29 + 4 + 11}; }
    void PointAt(int x, int y) { QTest::mouseMove(window->I_Desk, Centre(x, y)); }
    void PointAtPixel(QPoint p) { QTest::mouseMove(window->I_Desk, p); }
    void ReleaseAt(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(window->I_Desk, b, {}, Centre(x, y));
    }

    // The cell's 22 x 22 square of the Desk picture equals a sheet square.
    bool CellShows(int x, int y, const QImage& sheet, int sx, int sy) const {
        const QImage cell = window->I_Desk->Picture().copy(x * 29 + 4, y * 29 + 4, 22, 22);
        return cell == sheet.copy(sx, sy, 22, 22);
    }
    bool ShowsArrow(int x, int y, int sprite) const {
        return CellShows(x, y, PictureImage(window->commands.Pictures().sheets.arrows),
                         (sprite % 5) * 23, (sprite / 5) * 23);
    }
    bool ShowsBall(int x, int y, int color, int frame) const {
        return CellShows(x, y, PictureImage(window->commands.Pictures().sheets.tiles), frame * 23,
                         color * 23);
    }
    bool ShowsEmpty(int x, int y) const {
        return CellShows(x, y, PictureImage(window->commands.Pictures().sheets.arrows), 92, 69);
    }
};

TEST_F(PointerPlayTest, RouteIsDrawnWithItsArrowsAndTravelledOneCellPerTick) {
    Deal({{0, 0, 4}, {8, 8, 1}});
    ReleaseAt(0, 0);
    EXPECT_EQ(window->state.selection.color, 4);
    EXPECT_EQ(sound.played, (std::vector<std::string>{"select.wav"}));

    PointAt(3, 2);
    EXPECT_EQ(window->state.path.ready, 1);
    EXPECT_TRUE(ShowsArrow(1, 0, 2));   // left to right
    EXPECT_TRUE(ShowsArrow(2, 0, 2));   // left to right
    EXPECT_TRUE(ShowsArrow(3, 0, 4));   // left, turning down
    EXPECT_TRUE(ShowsArrow(3, 1, 14));  // top to bottom
    EXPECT_TRUE(ShowsArrow(3, 2, 10));  // from the top, ends here

    ReleaseAt(3, 2);
    // The Desk holds the ball at its destination at once.
    EXPECT_EQ(window->state.desk[CellIndex(0, 0)], kNoBall);
    EXPECT_EQ(window->state.desk[CellIndex(3, 2)], 4);
    EXPECT_EQ(window->state.freeCount, 79);
    EXPECT_EQ(window->state.selection.color, kNoBall);
    ASSERT_TRUE(window->MoveTimer.isActive());

    const std::vector<std::pair<int, int>> path = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}};
    for (std::size_t i = 0; i < path.size(); ++i) {
        window->commands.MoveTimerTimer();
        EXPECT_TRUE(ShowsBall(path[i].first, path[i].second, 4, 0)) << "tick " << i + 1;
    }
    EXPECT_FALSE(window->MoveTimer.isActive());
    EXPECT_TRUE(window->WaitTimer.isActive());
    EXPECT_EQ(window->state.turnPhase, 0);
    for (auto [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}}) {
        EXPECT_TRUE(ShowsEmpty(x, y)) << x << "," << y;
    }
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "move.wav"), 5);
}

TEST_F(PointerPlayTest, OneCellRouteTakesOneTickAndOneMoveSound) {
    Deal({{4, 4, 2}});
    ReleaseAt(4, 4);
    PointAt(5, 4);
    EXPECT_TRUE(ShowsArrow(5, 4, 0));  // from the left, ends here
    ReleaseAt(5, 4);
    window->commands.MoveTimerTimer();
    EXPECT_FALSE(window->MoveTimer.isActive());
    EXPECT_TRUE(window->WaitTimer.isActive());
    EXPECT_TRUE(ShowsBall(5, 4, 2, 0));
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "move.wav"), 1);
}

TEST_F(PointerPlayTest, PointingAtABallOrOffTheDeskErasesTheRoute) {
    Deal({{0, 0, 0}, {5, 5, 3}});
    ReleaseAt(0, 0);
    PointAt(2, 0);
    ASSERT_TRUE(ShowsArrow(2, 0, 0));
    PointAt(5, 5);
    EXPECT_TRUE(ShowsEmpty(1, 0));
    EXPECT_TRUE(ShowsEmpty(2, 0));
    EXPECT_EQ(window->state.arrowMarks[CellIndex(2, 0)], -2);
    EXPECT_EQ(window->state.path.ready, 1);

    // Off the Desk: the pointer left the picture with a button held.
    PointAt(2, 0);
    ASSERT_TRUE(ShowsArrow(2, 0, 0));
    QTest::mousePress(window->I_Desk, Qt::LeftButton, {}, Centre(2, 0));
    PointAtPixel({-30, 40});
    EXPECT_TRUE(ShowsEmpty(2, 0));
    // A release off the Desk moves nothing.
    QTest::mouseRelease(window->I_Desk, Qt::LeftButton, {}, QPoint(-30, 40));
    EXPECT_EQ(window->state.selection.color, 0);
    EXPECT_FALSE(window->MoveTimer.isActive());
}

TEST_F(PointerPlayTest, RightAndMiddleButtonsPlayLikeTheLeft) {
    Deal({{0, 0, 5}});
    ReleaseAt(0, 0, Qt::RightButton);
    EXPECT_EQ(window->state.selection.color, 5);
    PointAt(0, 3);
    ReleaseAt(0, 3, Qt::MiddleButton);
    EXPECT_TRUE(window->MoveTimer.isActive());
    EXPECT_EQ(window->state.desk[CellIndex(0, 3)], 5);
}

TEST_F(PointerPlayTest, ReleaseOnAFreeCellWithoutARouteKeepsTheSelection) {
    // (8,8) is walled in by two balls.
    Deal({{0, 0, 1}, {7, 8, 2}, {8, 7, 2}});
    ReleaseAt(0, 0);
    PointAt(8, 8);
    EXPECT_EQ(window->state.path.ready, 0);
    ReleaseAt(8, 8);
    EXPECT_EQ(window->state.selection.color, 1);
    EXPECT_FALSE(window->MoveTimer.isActive());
    EXPECT_EQ(window->state.path.target, (Cell{0, 0}));
    EXPECT_EQ(window->state.path.ready, 0);

    // A free cell the pointer never pointed at, as a tap gives: the route
    // is looked for at the release, and the ball goes.
    PointAt(3, 0);
    ReleaseAt(4, 4);
    EXPECT_TRUE(window->MoveTimer.isActive());
    EXPECT_EQ(window->state.desk[CellIndex(4, 4)], 1);
}

TEST_F(PointerPlayTest, SelectingAnotherBallAndDeselecting) {
    Deal({{0, 0, 1}, {2, 2, 3}});
    ReleaseAt(0, 0);
    window->commands.T_GlowTimerTimer();
    EXPECT_TRUE(ShowsBall(0, 0, 1, 1));
    ReleaseAt(2, 2);
    EXPECT_TRUE(ShowsBall(0, 0, 1, 0));
    EXPECT_TRUE(ShowsBall(2, 2, 3, 0));
    EXPECT_EQ(window->state.selection.color, 3);
    EXPECT_EQ(window->state.path.start, (Cell{2, 2}));
    EXPECT_EQ(window->state.path.target, (Cell{2, 2}));
    EXPECT_EQ(sound.played, (std::vector<std::string>{"select.wav", "select.wav"}));

    ReleaseAt(2, 2);
    EXPECT_EQ(window->state.selection.color, kNoBall);
    EXPECT_EQ(sound.played.size(), 2u) << "deselecting is silent";
}

TEST_F(PointerPlayTest, GlowRunsThroughFramesOneTwoThreeZero) {
    Deal({{6, 1, 0}});
    ReleaseAt(6, 1);
    for (int frame : {1, 2, 3, 0, 1}) {
        window->commands.T_GlowTimerTimer();
        EXPECT_EQ(window->state.selection.glowFrame, frame);
        EXPECT_TRUE(ShowsBall(6, 1, 0, frame));
    }
}

TEST_F(PointerPlayTest, NoInputIsTakenWhileABallTravelsOrATurnIsPending) {
    Deal({{0, 0, 1}, {4, 4, 2}});
    ReleaseAt(0, 0);
    PointAt(0, 2);
    ReleaseAt(0, 2);
    ASSERT_TRUE(window->MoveTimer.isActive());
    const GameState during = window->state;
    ReleaseAt(4, 4);
    PointAt(5, 5);
    ReleaseAt(5, 5);
    EXPECT_EQ(window->state.selection.color, kNoBall);
    EXPECT_EQ(window->state.path.grid, during.path.grid);

    window->commands.MoveTimerTimer();
    window->commands.MoveTimerTimer();
    ASSERT_TRUE(window->WaitTimer.isActive());
    ReleaseAt(4, 4);
    EXPECT_EQ(window->state.selection.color, kNoBall);
}

TEST_F(PointerPlayTest, MoveThatCompletesALineScoresThroughTheRealTimers) {
    Deal({{0, 8, 4}, {1, 8, 4}, {2, 8, 4}, {3, 8, 4}, {8, 0, 4}});
    ReleaseAt(8, 0);
    PointAt(4, 8);
    ASSERT_EQ(window->state.path.ready, 1);
    ReleaseAt(4, 8);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->state.score > 0; }, 5000));
    EXPECT_EQ(window->state.score, 10);
    EXPECT_EQ(window->L_Scores->text(), QStringLiteral("10"));
    EXPECT_EQ(window->state.freeCount, 81);
    EXPECT_EQ(window->state.nextBalls, (std::array<BallColor, 3>{1, 2, 3}));
    EXPECT_EQ(sound.played.back(), "remove.wav");
    for (int x = 0; x <= 4; ++x) {
        EXPECT_TRUE(ShowsEmpty(x, 8));
    }
}

TEST_F(PointerPlayTest, MoveThatCompletesNothingBringsThreeNewBalls) {
    Deal({{0, 0, 4}});
    ReleaseAt(0, 0);
    PointAt(2, 2);
    ReleaseAt(2, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->state.freeCount == 77; }, 5000));
    EXPECT_FALSE(window->WaitTimer.isActive());
    EXPECT_EQ(window->state.score, 0);
    int placed = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const BallColor c = window->state.desk[CellIndex(x, y)];
            if (c != kNoBall && !(x == 2 && y == 2)) {
                ++placed;
                EXPECT_TRUE(c >= 1 && c <= 3);
                EXPECT_TRUE(ShowsBall(x, y, c, 0));
            }
        }
    }
    EXPECT_EQ(placed, 3);
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "add.wav"), 1);
}

}  // namespace
}  // namespace quorbals::test
