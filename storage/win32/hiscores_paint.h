// The high-score dialog's pictures: TF_Hiscores' paint functions lie in
// hiscores_paint.cpp, beside the one piece its window code takes from them.
#pragma once

#include "view/win32/picture_bitmap.h"

namespace quorbals {

// The OK button's check mark on the button face, as a block copy shows it.
void LoadCheckMark(PictureBitmap& bitmap);

}  // namespace quorbals
