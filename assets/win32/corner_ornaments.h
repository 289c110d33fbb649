// The four corner ornaments of the high-score dialog as plain pixels for the
// Windows build, taken from assets/ornaments/corner-*.png when it is built.
#pragma once

#include "assets/ornament_size.h"

namespace quorbals {

// In the order of the dialog's images: top-left, bottom-left, top-right,
// bottom-right. Each is kOrnamentSize rows of kOrnamentSize pixels, top row
// first, as red, green, blue and alpha bytes; alpha is 0 or 255.
extern const unsigned char kCornerOrnamentRgba[4][kOrnamentSize * kOrnamentSize * 4];

}  // namespace quorbals
