// A font of the design at a window's scale: its character height in pixels
// times the whole number of screen pixels a design pixel takes.
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/design_geometry.h"

namespace quorbals {

HFONT CreateDesignFont(const DesignFont& font, int scale);

}  // namespace quorbals
