#include "view/qt/desk_view.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include "view/qt/accessibility.h"
#include "view/qt/desk_accessible.h"
#include "view/qt/picture_image.h"

namespace quorbals {

namespace {

QPoint PicturePixel(const QMouseEvent* event) {
    // Round down, so that a fractional position left of the picture stays
    // left of it.
    const QPointF p = event->position();
    return QPoint(qFloor(p.x()), qFloor(p.y()));
}

QRect ToQRect(const PixelRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

}  // namespace

DeskView::DeskView(DeskPicture& desk, const DeskGame& game, QWidget* parent)
    : QWidget(parent), desk_(desk), game_(game), image_(PictureImage(desk_.Picture())) {
    InstallAccessibility();
    setFixedSize(image_.size());
    setMouseTracking(true);
    // The keys of keyboard play reach the window through the Desk, which
    // holds the focus so that screen readers follow it onto the cells.
    setFocusPolicy(Qt::StrongFocus);
    // The picture covers the whole view: Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DeskView::ShowRects(std::span<const PixelRect> rects) {
    QRegion region;
    for (const PixelRect& r : rects) {
        region += ToQRect(r);
    }
    update(region);
}

void DeskView::GameChanged() {
    if (DeskAccessible* table = DeskAccessible::Of(this)) {
        table->Refresh();
    }
}

void DeskView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // On a scaled screen each picture pixel becomes a square of device
    // pixels; smoothing would blur the lines and the balls.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : event->region()) {
        painter.drawImage(rect.topLeft(), image_, rect);
        desk_.MarkShown(PixelRect{rect.x(), rect.y(), rect.width(), rect.height()});
    }
    // The cursor lies on the screen only, over the picture; the painter is
    // clipped to the region already, and a glow tick's tile never meets it.
    if (game_.cursor.shown && event->region().intersects(ToQRect(CursorArea(game_.cursor.cell)))) {
        for (const FilledRect& part : CursorFrame(game_.cursor.cell)) {
            painter.fillRect(ToQRect(part.rect), QColor::fromRgb(part.colour));
        }
    }
}

void DeskView::focusInEvent(QFocusEvent*) {
    // Qt tells screen readers that the Desk took the focus once this
    // returns; the cursor's cell follows it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (DeskAccessible* table = DeskAccessible::Of(this)) {
                table->Refresh();
            }
        },
        Qt::QueuedConnection);
}

void DeskView::focusOutEvent(QFocusEvent*) {
    if (DeskAccessible* table = DeskAccessible::Of(this)) {
        table->Refresh();
    }
}

void DeskView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = PicturePixel(event);
    emit pointerMoved(p.x(), p.y());
}

void DeskView::mousePressEvent(QMouseEvent* event) {
    // Presses do nothing, but taking them keeps the release with this view.
    event->accept();
}

void DeskView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = PicturePixel(event);
    emit pointerReleased(p.x(), p.y());
}

void DeskView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit pointerLeft();
}

}  // namespace quorbals
