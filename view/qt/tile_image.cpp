#include "view/qt/tile_image.h"

#include <QPainter>

#include "view/qt/picture_image.h"

namespace quorbals {

TileImage::TileImage(const SpriteSheets& sheets, QWidget* parent)
    : QWidget(parent), preview_(sheets), image_(PictureImage(preview_.Picture())) {
    setFixedSize(image_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileImage::DrawPreviewTile(int color) {
    if (preview_.DrawPreviewTile(color)) {
        repaint();
    }
}

void TileImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, image_);
}

}  // namespace quorbals
