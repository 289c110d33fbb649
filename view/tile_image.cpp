#include "view/tile_image.h"

#include <QPainter>

#include "view/desk_geometry.h"

namespace quorbals {

TileImage::TileImage(const SpriteSheets& sheets, QWidget* parent)
    : QWidget(parent), sheets_(sheets), picture_(kTileSize, kTileSize, kPictureFormat) {
    picture_.fill(kWhite);
    CopyTile(sheets_.tiles, 0, 0, picture_, 0, 0);
    setFixedSize(picture_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileImage::DrawPreviewTile(int color) {
    if (color < 0 || color >= kColorCount) {
        return;
    }
    CopyTile(sheets_.tiles, 0, color * kSheetPitch, picture_, 0, 0);
    repaint();
}

void TileImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture_);
}

}  // namespace quorbals
