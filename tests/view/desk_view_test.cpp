// The Desk image and the previews: drawing, dirty-region bookkeeping and
// pointer events, offscreen.
#include "view/desk_view.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include "view/tile_image.h"

namespace quorbals {
namespace {

class DeskViewTest : public ::testing::Test {
protected:
    DeskViewTest() { SetUpViewTables(tables); }

    QImage TileAt(int x, int y) const {
        return view.Picture().copy(x * 29 + 4, y * 29 + 4, 22, 22);
    }
    QImage SheetSquare(const QImage& sheet, int px, int py) const {
        return sheet.copy(px, py, 22, 22);
    }

    const SpriteSheets sheets;
    ViewTables tables;
    DeskView view{sheets, tables};
};

bool InsideSomeTile(int x, int y) {
    const int cx = (x - 4) % 29;
    const int cy = (y - 4) % 29;
    return x >= 4 && y >= 4 && x < 258 && y < 258 && cx < 22 && cy < 22;
}

TEST_F(DeskViewTest, StartsAsTheCleanDeskWithNothingDirty) {
    EXPECT_EQ(view.size(), QSize(262, 262));
    EXPECT_TRUE(view.hasMouseTracking());
    EXPECT_EQ(view.Picture(), sheets.storeDesk);
    EXPECT_TRUE(view.DirtyRegion().isEmpty());
}

TEST_F(DeskViewTest, EachDrawCopiesItsSquareAndDirtiesOnlyThatCell) {
    view.DrawBallTile(2, 3, 4, 2);
    EXPECT_EQ(view.DirtyRegion(), QRegion(62, 91, 22, 22));
    EXPECT_EQ(TileAt(2, 3), SheetSquare(sheets.tiles, 2 * 23, 4 * 23));

    view.DrawArrowSprite(8, 0, 14);
    EXPECT_EQ(TileAt(8, 0), SheetSquare(sheets.arrows, 92, 46));
    const QRegion twoCells = QRegion(62, 91, 22, 22) + QRegion(236, 4, 22, 22);
    EXPECT_EQ(view.DirtyRegion(), twoCells);
    // Blanking a cell that is blank already changes nothing on screen.
    view.DrawEmptyTile(0, 8);
    EXPECT_EQ(view.DirtyRegion(), twoCells);

    view.Repaint();
    EXPECT_TRUE(view.DirtyRegion().isEmpty());
    EXPECT_EQ(view.RepaintedPixels(), 2 * 484);
    view.Repaint();  // nothing new: nothing flushed
    EXPECT_EQ(view.RepaintedPixels(), 2 * 484);

    view.DrawEmptyTile(2, 3);
    EXPECT_EQ(view.DirtyRegion(), QRegion(62, 91, 22, 22));
    EXPECT_EQ(TileAt(2, 3), SheetSquare(sheets.storeDesk, 62, 91));
    view.Repaint();
    EXPECT_EQ(view.RepaintedPixels(), 3 * 484);

    // Drawing one cell twice flushes it once.
    view.DrawBallTile(5, 5, 0, 0);
    view.DrawBallTile(5, 5, 0, 1);
    view.Repaint();
    EXPECT_EQ(view.RepaintedPixels(), 4 * 484);
}

TEST_F(DeskViewTest, DirtyRegionCoversEveryChangedCell) {
    const Cell cells[] = {{0, 0}, {1, 0}, {8, 0}, {4, 4}, {5, 4}, {0, 8}, {8, 8}};
    QRegion expected;
    for (const Cell& c : cells) {
        view.DrawBallTile(c.x, c.y, 1, 0);
        expected += QRect(c.x * 29 + 4, c.y * 29 + 4, 22, 22);
    }
    EXPECT_EQ(view.DirtyRegion(), expected);
    view.Repaint();
    EXPECT_EQ(view.RepaintedPixels(), 7 * 484);
}

TEST_F(DeskViewTest, ResetRestoresTheCleanDeskAndDirtiesAll) {
    view.DrawBallTile(1, 1, 3, 0);
    view.DrawArrowSprite(4, 4, 2);
    view.Repaint();
    view.ResetDesk();
    EXPECT_EQ(view.Picture(), sheets.storeDesk);
    EXPECT_EQ(view.DirtyRegion(), QRegion(0, 0, 262, 262));
    const std::int64_t before = view.RepaintedPixels();
    view.Repaint();
    EXPECT_EQ(view.RepaintedPixels() - before, 262 * 262);
    QCoreApplication::processEvents();  // the reset's own flush finds nothing left
    EXPECT_EQ(view.RepaintedPixels() - before, 262 * 262);
}

TEST_F(DeskViewTest, ResetShowsByItselfOnceTheHandlerHasFinished) {
    view.Repaint();
    view.ResetDesk();
    view.DrawBallTile(4, 4, 2, 0);  // a new game places its balls after the reset
    const std::int64_t before = view.RepaintedPixels();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.DirtyRegion().isEmpty());
    EXPECT_EQ(view.RepaintedPixels() - before, 262 * 262);
}

TEST_F(DeskViewTest, FramesAndBordersAreNeverDrawnOver) {
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            view.DrawBallTile(x, y, (x + y) % 6, (x * y) % 4);
            view.DrawArrowSprite(x, y, (x * 9 + y) % 20);
        }
    }
    const QImage& picture = view.Picture();
    for (int y = 0; y < 262; ++y) {
        for (int x = 0; x < 262; ++x) {
            if (!InsideSomeTile(x, y)) {
                ASSERT_EQ(picture.pixel(x, y), sheets.storeDesk.pixel(x, y)) << x << "," << y;
            }
        }
    }
    // Emptying every cell gives back exactly the clean Desk.
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            view.DrawEmptyTile(x, y);
        }
    }
    EXPECT_EQ(view.Picture(), sheets.storeDesk);
}

TEST_F(DeskViewTest, BallReplacesAnArrowCompletely) {
    view.DrawArrowSprite(3, 6, 9);
    view.DrawBallTile(3, 6, 5, 0);
    EXPECT_EQ(TileAt(3, 6), SheetSquare(sheets.tiles, 0, 5 * 23));
}

TEST_F(DeskViewTest, ValuesOutOfRangeDrawNothing) {
    view.DrawBallTile(9, 0, 0, 0);
    view.DrawBallTile(0, -1, 0, 0);
    view.DrawBallTile(0, 0, 6, 0);
    view.DrawBallTile(0, 0, -1, 0);
    view.DrawBallTile(0, 0, 0, 4);
    view.DrawArrowSprite(0, 0, 20);
    view.DrawArrowSprite(0, 0, -1);
    view.DrawEmptyTile(-1, 3);
    EXPECT_EQ(view.Picture(), sheets.storeDesk);
    EXPECT_TRUE(view.DirtyRegion().isEmpty());
}

TEST_F(DeskViewTest, PaintShowsThePicture) {
    view.DrawBallTile(0, 0, 1, 0);
    view.DrawArrowSprite(1, 0, 2);
    view.Repaint();
    EXPECT_EQ(view.grab().toImage().convertToFormat(kPictureFormat), view.Picture());
}

TEST(DeskViewPointer, MovesAndReleasesOfAnyButtonAreReported) {
    const SpriteSheets sheets;
    ViewTables tables;
    SetUpViewTables(tables);
    // Inside a panel, as on the main window: the view must keep the
    // pointer from the press to the release.
    QWidget panel;
    panel.resize(273, 273);
    DeskView view(sheets, tables, &panel);
    view.move(5, 5);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy moved(&view, &DeskView::pointerMoved);
    QSignalSpy released(&view, &DeskView::pointerReleased);

    QTest::mouseMove(&view, QPoint(40, 70));
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(0).toInt(), 40);
    EXPECT_EQ(moved.last().at(1).toInt(), 70);

    int expected = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(&view, button, Qt::NoModifier, QPoint(100, 120));
        EXPECT_EQ(released.count(), expected) << "a press reports nothing";
        QTest::mouseRelease(&view, button, Qt::ControlModifier, QPoint(100, 120));
        ++expected;
        ASSERT_EQ(released.count(), expected) << button;
        EXPECT_EQ(released.last().at(0).toInt(), 100);
        EXPECT_EQ(released.last().at(1).toInt(), 120);
    }
}

TEST(TileImageTest, ShowsFrameZeroOfItsColour) {
    const SpriteSheets sheets;
    TileImage preview(sheets);
    EXPECT_EQ(preview.size(), QSize(22, 22));
    EXPECT_EQ(preview.Picture(), sheets.tiles.copy(0, 0, 22, 22));  // blue before the first deal
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    for (int color = 0; color < 6; ++color) {
        preview.DrawPreviewTile(color);
        EXPECT_EQ(preview.Picture(), sheets.tiles.copy(0, color * 23, 22, 22)) << color;
        EXPECT_EQ(preview.grab().toImage().convertToFormat(kPictureFormat), preview.Picture());
    }
}

}  // namespace
}  // namespace quorbals
