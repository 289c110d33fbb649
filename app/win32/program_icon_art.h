// The program icon, drawn in code from the same recipe as the icon files:
// three raised squares, red at the top left, green in the middle and blue
// at the bottom right, in the classic 16 colours on a transparent ground.
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/pixel_picture.h"

namespace quorbals {

// size x size pixels; the ground is the pixel value 0 (no opacity).
PixelPicture ProgramIconArt(int size);

// The icon as the window system takes it, or null when it cannot be made.
HICON MakeProgramIcon(int size);

}  // namespace quorbals
