// A 22 x 22 preview of one of the next three colours, on screen.
#pragma once

#include <QImage>
#include <QWidget>

#include "view/preview_picture.h"

namespace quorbals {

class TileImage : public QWidget {
    Q_OBJECT

public:
    // Shows frame 0 of blue until the first deal. The sheets must outlive it.
    explicit TileImage(const SpriteSheets& sheets, QWidget* parent = nullptr);

    // Frame 0 of a colour (0..5; others draw nothing), on screen at once.
    void DrawPreviewTile(int color);

    // The picture as an image over the same memory.
    const QImage& Picture() const { return image_; }
    QSize sizeHint() const override { return image_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PreviewPicture preview_;
    QImage image_;
};

}  // namespace quorbals
