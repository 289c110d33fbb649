// The Desk image and the previews on screen, offscreen: the view shows the
// plain picture, repaints what it flushes, and reports the pointer.
#include "view/qt/desk_view.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "view/qt/picture_image.h"
#include "view/qt/tile_image.h"

namespace quorbals {
namespace {

class DeskViewTest : public ::testing::Test {
protected:
    DeskViewTest() { SetUpViewTables(tables); }

    const SpriteSheets sheets;
    ViewTables tables;
    DeskPicture desk{sheets, tables};
    GameState state;
    KeyboardCursor cursor;
    bool marks = false;
    DeskView view{desk, {state, cursor, marks}};
};

TEST_F(DeskViewTest, StartsAsTheCleanDeskWithNothingDirty) {
    EXPECT_EQ(view.size(), QSize(262, 262));
    EXPECT_TRUE(view.hasMouseTracking());
    EXPECT_EQ(view.Picture(), PictureImage(sheets.storeDesk));
    EXPECT_TRUE(desk.PendingRects().empty());
}

TEST_F(DeskViewTest, ThePictureIsThePlainPixelsThemselves) {
    EXPECT_EQ(view.Picture().constBits(),
              reinterpret_cast<const uchar*>(view.Desk().Picture().pixels.data()));
    desk.DrawBallTile(2, 3, 4, 2);
    EXPECT_EQ(view.Picture().pixel(62, 91), view.Desk().Picture().At(62, 91));
    view.ShowRects(desk.Flush());
    EXPECT_TRUE(desk.PendingRects().empty());
}

TEST_F(DeskViewTest, PaintShowsThePicture) {
    desk.DrawBallTile(0, 0, 1, 0);
    desk.DrawArrowSprite(1, 0, 2);
    view.ShowRects(desk.Flush());
    EXPECT_EQ(view.grab().toImage().convertToFormat(kPictureFormat), view.Picture());
}

// On a screen scaled by two every picture pixel is a 2 x 2 square: no
// smoothing, no lines of one and two pixels in turn.
TEST_F(DeskViewTest, ScaledPaintKeepsEveryPixelWhole) {
    desk.DrawBallTile(0, 0, 1, 2);
    desk.DrawArrowSprite(1, 0, 4);
    QImage device(524, 524, kPictureFormat);
    device.setDevicePixelRatio(2.0);
    device.fill(Qt::white);
    view.render(&device);
    const QImage& picture = view.Picture();
    for (int y = 0; y < 524; ++y) {
        for (int x = 0; x < 524; ++x) {
            ASSERT_EQ(device.pixel(x, y), picture.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

// The picture with the cursor's frame on it, as the screen should show it.
QImage WithFrame(const QImage& picture, Cell cell) {
    QImage shown = picture.copy();
    for (const FilledRect& part : CursorFrame(cell)) {
        const PixelRect& r = part.rect;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                shown.setPixel(x, y, part.colour);
            }
        }
    }
    return shown;
}

// The frame lies over the picture, on screen only, and is as crisp as the
// picture at a whole-number scale. A repaint of the old and the new cursor
// areas alone moves it.
TEST_F(DeskViewTest, CursorFrameIsPaintedOverThePictureNeverIntoIt) {
    desk.DrawBallTile(2, 3, 4, 1);
    view.ShowRects(desk.Flush());
    const QImage picture = view.Picture().copy();
    cursor = {{2, 3}, true};
    const QImage expected = WithFrame(picture, {2, 3});
    ASSERT_NE(expected, picture);
    for (const int scale : {1, 2}) {
        QImage device(262 * scale, 262 * scale, kPictureFormat);
        device.setDevicePixelRatio(scale);
        view.render(&device);
        for (int y = 0; y < device.height(); ++y) {
            for (int x = 0; x < device.width(); ++x) {
                ASSERT_EQ(device.pixel(x, y), expected.pixel(x / scale, y / scale))
                    << scale << ": " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(view.Picture(), picture) << "the picture itself is untouched";

    // Paints only `region` of the view, where it lies, over `screen`.
    QImage screen = expected.copy();
    const auto repaint = [&](std::initializer_list<Cell> cells) {
        QRegion region;
        for (const Cell cell : cells) {
            const PixelRect r = CursorArea(cell);
            region += QRect(r.x, r.y, r.width, r.height);
        }
        view.render(&screen, region.boundingRect().topLeft(), region, QWidget::DrawChildren);
    };
    cursor.cell = {3, 3};
    repaint({{2, 3}, {3, 3}});
    EXPECT_EQ(screen, WithFrame(picture, {3, 3}));
    cursor.shown = false;
    repaint({{3, 3}});
    EXPECT_EQ(screen, picture);
}

TEST(DeskViewPointer, MovesReleasesOfAnyButtonAndLeavingAreReported) {
    const SpriteSheets sheets;
    ViewTables tables;
    SetUpViewTables(tables);
    // Inside a panel, as on the main window: the view must keep the
    // pointer from the press to the release.
    QWidget panel;
    panel.resize(273, 273);
    DeskPicture desk(sheets, tables);
    const GameState state;
    const KeyboardCursor cursor;
    const bool marks = false;
    DeskView view(desk, {state, cursor, marks}, &panel);
    view.move(5, 5);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy moved(&view, &DeskView::pointerMoved);
    QSignalSpy released(&view, &DeskView::pointerReleased);
    QSignalSpy left(&view, &DeskView::pointerLeft);

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

    EXPECT_EQ(left.count(), 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&view, &leave);
    EXPECT_EQ(left.count(), 1);
}

TEST(TileImageTest, ShowsThePreviewPicture) {
    const SpriteSheets sheets;
    PreviewPicture picture(sheets);
    TileImage preview(picture);
    EXPECT_EQ(preview.size(), QSize(22, 22));
    EXPECT_EQ(preview.Picture(), PictureImage(sheets.tiles).copy(0, 0, 22, 22));
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    for (int color = 0; color < 6; ++color) {
        picture.DrawPreviewTile(color);
        preview.repaint();
        EXPECT_EQ(preview.Picture(), PictureImage(sheets.tiles).copy(0, color * 23, 22, 22))
            << color;
        EXPECT_EQ(preview.grab().toImage().convertToFormat(kPictureFormat), preview.Picture());
    }
}

}  // namespace
}  // namespace quorbals
