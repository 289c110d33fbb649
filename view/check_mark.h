// The green check mark beside the caption of the high-score dialog's OK
// button, drawn once for every front end.
#pragma once

#include "view/pixel_picture.h"

namespace quorbals {

inline constexpr int kCheckMarkSize = 18;

// 18 x 18 pixels in 0xAARRGGBB words: the top byte is the pixel's opacity
// (0 clear, 255 solid, smoothed along the stroke's edge), the colour is
// always the mark's green. A front end lays it over the button's face.
PixelPicture CheckMarkPicture();

}  // namespace quorbals
