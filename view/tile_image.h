// A 22 x 22 preview of one of the next three colours.
#pragma once

#include <QImage>
#include <QWidget>

#include "view/sprite_sheets.h"

namespace quorbals {

class TileImage : public QWidget {
    Q_OBJECT

public:
    // Shows frame 0 of blue until the first deal. The sheets must outlive it.
    explicit TileImage(const SpriteSheets& sheets, QWidget* parent = nullptr);

    // Frame 0 of a colour (0..5; others draw nothing), on screen at once.
    void DrawPreviewTile(int color);

    const QImage& Picture() const { return picture_; }
    QSize sizeHint() const override { return picture_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SpriteSheets& sheets_;
    QImage picture_;
};

}  // namespace quorbals
