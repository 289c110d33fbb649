// The design's 0xRRGGBB colours as GDI takes them (0x00BBGGRR).
#pragma once

#include "platform/win32/win32_headers.h"
#include "view/design_geometry.h"

namespace quorbals {

constexpr COLORREF ToColorRef(DesignColour c) {
    return RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF);
}

}  // namespace quorbals
