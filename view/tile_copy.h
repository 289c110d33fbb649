// The block copy every cell of the Desk and every preview is drawn with.
#pragma once

#include "view/pixel_picture.h"

namespace quorbals {

// The block copy every cell is drawn with: an opaque copy of one 22 x 22
// square, both squares inside their pictures. False when the target square
// already held exactly these pixels (and nothing was written).
bool CopyTile(const PixelPicture& source, int sx, int sy, PixelPicture& target, int tx, int ty);

}  // namespace quorbals
