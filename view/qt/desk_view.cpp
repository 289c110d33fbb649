#include "view/qt/desk_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

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

DeskView::DeskView(const SpriteSheets& sheets, const ViewTables& tables, QWidget* parent)
    : QWidget(parent), desk_(sheets, tables), image_(PictureImage(desk_.Picture())) {
    setFixedSize(image_.size());
    setMouseTracking(true);
    // The picture covers the whole view: Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DeskView::ResetDesk() {
    desk_.ResetDesk();
    // A reset shows by itself once the running handler has finished (a new
    // game repaints nothing else); an explicit Repaint() before then flushes
    // it earlier and leaves this one nothing to do.
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                flushQueued_ = false;
                Repaint();
            },
            Qt::QueuedConnection);
    }
}

QRegion DeskView::DirtyRegion() const {
    QRegion region;
    for (const PixelRect& r : desk_.PendingRects()) {
        region += ToQRect(r);
    }
    return region;
}

void DeskView::Repaint() {
    const std::vector<PixelRect> rects = desk_.Flush();
    if (rects.empty()) {
        return;
    }
    QRegion region;
    for (const PixelRect& r : rects) {
        region += ToQRect(r);
    }
    update(region);
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
