// A 22 x 22 preview of one of the next three colours, on screen.
#pragma once

#include <QImage>
#include <QWidget>

#include "view/preview_picture.h"

namespace quorbals {

class TileImage : public QWidget {
    Q_OBJECT

public:
    // Shows a shared preview picture, which must outlive it.
    explicit TileImage(const PreviewPicture& preview, QWidget* parent = nullptr);

    // The picture as an image over the same memory.
    const QImage& Picture() const { return image_; }
    QSize sizeHint() const override { return image_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace quorbals
