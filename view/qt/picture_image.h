// A plain picture seen as a QImage: the same memory, never copied.
#pragma once

#include <QImage>

#include "view/pixel_picture.h"

namespace quorbals {

constexpr QImage::Format kPictureFormat = QImage::Format_RGB32;

// Read-only and valid while the picture lives and keeps its size; a
// QImage that is written to detaches from it.
inline QImage PictureImage(const PixelPicture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, picture.BytesPerLine(), kPictureFormat);
}

}  // namespace quorbals
