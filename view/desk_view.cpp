#include "view/desk_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <cstring>

namespace quorbals {

namespace {

QPoint PicturePixel(const QMouseEvent* event) {
    // Round down, so that a fractional position left of the picture stays
    // left of it.
    const QPointF p = event->position();
    return QPoint(qFloor(p.x()), qFloor(p.y()));
}

}  // namespace

DeskView::DeskView(const SpriteSheets& sheets, const ViewTables& tables, QWidget* parent)
    : QWidget(parent), sheets_(sheets), tables_(tables), picture_(sheets.storeDesk.copy()) {
    setFixedSize(picture_.size());
    setMouseTracking(true);
    // The picture covers the whole view: Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DeskView::CopyToCell(const QImage& sheet, int sx, int sy, int x, int y) {
    if (!OnDesk(x, y)) {
        return;
    }
    std::int32_t px = x;
    std::int32_t py = y;
    CellToPixel(tables_, px, py);
    if (CopyTile(sheet, sx, sy, picture_, px, py)) {
        dirtyCells_.set(CellIndex(x, y));
    }
}

void DeskView::DrawBallTile(int x, int y, int color, int frame) {
    if (color < 0 || color >= kColorCount || frame < 0 || frame > 3) {
        return;
    }
    CopyToCell(sheets_.tiles, frame * kSheetPitch, color * kSheetPitch, x, y);
}

void DeskView::DrawArrowSprite(int x, int y, int index) {
    if (index < 0 || index >= kArrowSpriteCount) {
        return;
    }
    const Cell origin = tables_.arrowSpriteOrigins[index];
    CopyToCell(sheets_.arrows, origin.x, origin.y, x, y);
}

void DeskView::DrawEmptyTile(int x, int y) {
    CopyToCell(sheets_.arrows, kEmptyTileOrigin.x, kEmptyTileOrigin.y, x, y);
}

void DeskView::ResetDesk() {
    // Same size and format: copy the pixels over instead of sharing the
    // clean Desk, so the next tile copy does not have to detach.
    Q_ASSERT(picture_.size() == sheets_.storeDesk.size() &&
             picture_.format() == sheets_.storeDesk.format());
    std::memcpy(picture_.bits(), sheets_.storeDesk.constBits(), picture_.sizeInBytes());
    wholeDirty_ = true;
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
    if (wholeDirty_) {
        return QRegion(picture_.rect());
    }
    // Row by row, left to right: the sorted, non-overlapping form that
    // QRegion takes as it is.
    QRect rects[kCellCount];
    int count = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (dirtyCells_.test(i)) {
            std::int32_t px = i % kDeskSide;
            std::int32_t py = i / kDeskSide;
            CellToPixel(tables_, px, py);
            rects[count++] = QRect(px, py, kTileSize, kTileSize);
        }
    }
    QRegion region;
    region.setRects(rects, count);
    return region;
}

void DeskView::Repaint() {
    if (!wholeDirty_ && dirtyCells_.none()) {
        return;
    }
    const QRegion region = DirtyRegion();
    for (const QRect& rect : region) {
        repaintedPixels_ += std::int64_t{rect.width()} * rect.height();
    }
    update(region);
    dirtyCells_.reset();
    wholeDirty_ = false;
}

void DeskView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : event->region()) {
        painter.drawImage(rect.topLeft(), picture_, rect);
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

}  // namespace quorbals
