#include "view/qt/tile_image.h"

#include <QPainter>

#include "view/qt/picture_image.h"

namespace quorbals {

TileImage::TileImage(const PreviewPicture& preview, QWidget* parent)
    : QWidget(parent), image_(PictureImage(preview.Picture())) {
    setFixedSize(image_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, image_);
}

}  // namespace quorbals
