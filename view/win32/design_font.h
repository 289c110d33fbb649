// A font of the design at a window's scale: its character height in pixels
// times the whole number of screen pixels a design pixel takes.
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/design_geometry.h"

namespace quorbals {

// `charset` and `pitchAndFamily` as CreateFont takes them: the characters
// the font must hold, and the kind of font that stands in for a missing one.
HFONT CreateDesignFont(const DesignFont& font, int scale, BYTE charset = DEFAULT_CHARSET,
                       BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE);

// Whether the system has a font of this family.
bool FontFamilyExists(const char* family);

}  // namespace quorbals
