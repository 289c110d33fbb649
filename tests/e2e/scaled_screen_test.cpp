// The Windows game on scaled screens, under Wine at 96, 120, 144 and 192
// dots per inch: the play area, the splash, the About box and the
// high-score table at the whole multiple of their design size nearest to
// the scale (125 % gives 1, 150 % and 200 % give 2), the Desk's lines whole
// pixels wide, a click landing on its cell, and at 150 % a move made with
// the keyboard alone.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "tests/e2e/running_game.h"

namespace quorbals::e2e {
namespace {

bool IsBlack(const QImage& shot, QPoint p) {
    return (shot.pixel(p) & 0xFFFFFF) == 0;
}
bool IsGrey(const QImage& shot, QPoint p) {
    return (shot.pixel(p) & 0xFFFFFF) == 0xC0C0C0;
}

// The window's top-left pixel on the screen, as X has it (xdotool's
// position counts the window manager's frame in).
std::optional<QPoint> TopLeftOnScreen(const XSession& x, const QString& windowId) {
    const auto out = x.Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    static const QRegularExpression corner(
        QStringLiteral("Absolute upper-left X: +(\\d+)\\s+Absolute upper-left Y: +(\\d+)"));
    const auto m = corner.match(out ? QString::fromLatin1(*out) : QString());
    return m.hasMatch()
               ? std::optional<QPoint>(QPoint(m.captured(1).toInt(), m.captured(2).toInt()))
               : std::nullopt;
}

// Sets the prefix's screen scale, which the game reads when it starts.
bool SetLogPixels(RunningGame& game, int dpi) {
    return game.x()
        .Run(QStringLiteral(QUORBALS_SOURCE_DIR "/tools/wine-run.sh"),
             {game.program().winePrefix, QStringLiteral("reg"), QStringLiteral("add"),
              QStringLiteral("HKCU\\Control Panel\\Desktop"), QStringLiteral("/v"),
              QStringLiteral("LogPixels"), QStringLiteral("/t"), QStringLiteral("REG_DWORD"),
              QStringLiteral("/d"), QString::number(dpi), QStringLiteral("/f")},
             300000)
        .has_value();
}

// Starts the Windows game at `dpi`, expecting each Desk pixel as a square
// of `scale` screen pixels.
bool StartScaled(RunningGame& game, int dpi, int scale) {
    game.SetScale(scale);
    return SetLogPixels(game, dpi) && game.Start();
}

// The size of the window called `name` once it has the size `expected`,
// or, when it never gets it, the size it last had: a window is mapped
// before the program has sized it.
std::optional<QSize> WindowSize(const XSession& x, const QString& name, QSize expected,
                                int pollMs = 200) {
    std::optional<QSize> seen;
    WaitUntil(
        [&] {
            for (const QString& id : x.Windows(name)) {
                if (const auto g = x.Geometry(id)) {
                    seen = QSize(g->width, g->height);
                    if (*seen == expected) {
                        return true;
                    }
                }
            }
            return false;
        },
        20000, pollMs);
    return seen;
}

bool WaitUntilGone(const XSession& x, const QString& name) {
    return WaitUntil([&] { return x.Windows(name).isEmpty(); }, 10000);
}

// Each of the ten lines across the Desk and the ten down it is black for
// exactly `scale` pixels, with the grey border of a cell on either side.
void ExpectLinesOfWholePixels(const QImage& shot, QPoint desk, int scale) {
    for (int i = 0; i <= 9; ++i) {
        const int at = i * 29 * scale;
        const int middle = 15 * scale;  // inside the first row or column
        for (const bool down : {true, false}) {
            const auto point = [&](int along) {
                return down ? desk + QPoint(along, middle) : desk + QPoint(middle, along);
            };
            for (int j = 0; j < scale; ++j) {
                EXPECT_TRUE(IsBlack(shot, point(at + j))) << "line " << i << " pixel " << j;
            }
            if (i > 0) {
                EXPECT_TRUE(IsGrey(shot, point(at - 1))) << "before line " << i;
            }
            if (i < 9) {
                EXPECT_TRUE(IsGrey(shot, point(at + scale))) << "after line " << i;
            }
        }
    }
}

// The arrow keys that take the cursor from one cell to another.
QString ArrowsBetween(int from, int to) {
    QStringList keys;
    for (int x = from % 9; x != to % 9; x += x < to % 9 ? 1 : -1) {
        keys << (x < to % 9 ? QStringLiteral("Right") : QStringLiteral("Left"));
    }
    for (int y = from / 9; y != to / 9; y += y < to / 9 ? 1 : -1) {
        keys << (y < to / 9 ? QStringLiteral("Down") : QStringLiteral("Up"));
    }
    return keys.join(u' ');
}

TEST(ScaledScreen, WindowsAtTheWholeMultipleAndAClickLandsOnItsCell) {
    if (!ProgramUnderTest().windows) {
        GTEST_SKIP() << "the Windows game's scale";
    }
    const struct {
        int dpi;
        int scale;
    } screens[] = {{96, 1}, {120, 1}, {144, 2}, {192, 2}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.dpi);
        const int s = screen.scale;
        RunningGame game;
        game.SetScale(s);
        ASSERT_TRUE(SetLogPixels(game, screen.dpi));
        ASSERT_TRUE(game.Launch()) << game.failure().toStdString();
        // The splash: the About box without a border, 273 x 273 times the multiple.
        EXPECT_EQ(WindowSize(game.x(), QStringLiteral("About"), QSize(273 * s, 273 * s), 50),
                  QSize(273 * s, 273 * s));
        ASSERT_TRUE(game.FindMainWindow()) << game.failure().toStdString();
        // The X window holds the menu bar and the play area under it; the
        // Desk lies 5 pixels in from the left and 7 up from the bottom of
        // the 273 x 306 play area, each pixel times the multiple.
        const WindowGeometry g = game.window();
        const auto topLeft = TopLeftOnScreen(game.x(), game.windowId());
        ASSERT_TRUE(topLeft.has_value());
        const QPoint desk = game.desk() - *topLeft;
        EXPECT_EQ(g.width, 273 * s);
        EXPECT_EQ(desk.x(), 5 * s);
        EXPECT_EQ(g.height - (desk.y() + 262 * s), 7 * s) << "306 high under the menu";
        EXPECT_GT(desk.y(), 37 * s) << "a menu bar above the play area";
        ExpectLinesOfWholePixels(game.Shot(), game.desk(), s);

        // The middle of a ball's cell selects that ball; pointing at a
        // free cell shows the route.
        const auto board = game.Board();
        int ball = 0;
        while (ball < 81 && board[ball] < 0) {
            ++ball;
        }
        ASSERT_LT(ball, 81);
        game.ClickCell(ball % 9, ball / 9);
        EXPECT_TRUE(game.WaitForGlow(ball % 9, ball / 9)) << "cell " << ball;
        const auto reachable = ReachableFrom(board, ball);
        if (!reachable.empty()) {
            game.PointAtCell(reachable.back() % 9, reachable.back() / 9);
        }
        game.Shot().save(ShotPath(QStringLiteral("scaled-%1").arg(screen.dpi)));

        // The About dialog and the high-score table: their client areas,
        // which is what their X windows hold, at the same multiple.
        game.x().Activate(game.windowId());
        game.x().Key(QStringLiteral("alt+h a"));
        EXPECT_EQ(WindowSize(game.x(), QStringLiteral("About"), QSize(273 * s, 273 * s)),
                  QSize(273 * s, 273 * s));
        game.x().Key(QStringLiteral("Escape"));
        EXPECT_TRUE(WaitUntilGone(game.x(), QStringLiteral("About")));
        game.x().Activate(game.windowId());
        game.x().Key(QStringLiteral("alt+g h"));
        EXPECT_EQ(
            WindowSize(game.x(), QStringLiteral("Quorbals High Scores"), QSize(282 * s, 320 * s)),
            QSize(282 * s, 320 * s));
        game.x().Key(QStringLiteral("Return"));
        EXPECT_TRUE(WaitUntilGone(game.x(), QStringLiteral("Quorbals High Scores")));
        EXPECT_TRUE(game.Close()) << game.failure().toStdString();
    }
}

TEST(ScaledScreen, KeyboardAloneMovesABall) {
    if (!ProgramUnderTest().windows) {
        GTEST_SKIP() << "the Windows game's scale";
    }
    RunningGame game;
    ASSERT_TRUE(StartScaled(game, 144, 2)) << game.failure().toStdString();
    game.x().Activate(game.windowId());
    const auto before = game.Board();
    int from = -1;
    int to = -1;
    for (int c = 0; c < 81 && to < 0; ++c) {
        const auto reachable = before[c] >= 0 ? ReachableFrom(before, c) : std::vector<int>{};
        if (!reachable.empty()) {
            from = c;
            to = reachable.back();
        }
    }
    ASSERT_GE(to, 0);

    // The first key shows the cursor on the centre cell; Enter on the ball
    // selects it, Enter on the free cell sends it there.
    game.x().Key(QStringLiteral("Left"));
    const QString toBall = ArrowsBetween(4 * 9 + 4, from);
    if (!toBall.isEmpty()) {
        game.x().Key(toBall);
    }
    game.x().Key(QStringLiteral("Return"));
    EXPECT_TRUE(game.WaitForGlow(from % 9, from / 9));
    game.x().Key(ArrowsBetween(from, to));
    // The frame lies in the cell's border: white outside, black inside.
    const QImage shot = game.Shot();
    const QPoint border = game.DeskPoint(to % 9 * 29 + 1, to / 9 * 29 + 10);
    EXPECT_EQ(shot.pixel(border) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shot.pixel(border + QPoint(2, 0)) & 0xFFFFFF, 0u);
    shot.save(ShotPath(QStringLiteral("scaled-144-keys")));
    game.x().Key(QStringLiteral("Return"));
    const auto after = game.WaitForBoard([&](const std::array<int, 81>& b) {
        return b[to] == before[from] && CountBalls(b) == CountBalls(before) + 3;
    });
    ASSERT_TRUE(after.has_value()) << "the ball did not go from " << from << " to " << to;

    EXPECT_TRUE(game.Close()) << game.failure().toStdString();
}

}  // namespace
}  // namespace quorbals::e2e
