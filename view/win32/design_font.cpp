#include "app/win32/design_font.h"

#include "app/win32/text.h"

namespace quorbals {

HFONT CreateDesignFont(const DesignFont& font, int scale) {
    // A negative height asks for the characters' height in pixels.
    return CreateFontW(-font.pixelHeight * scale, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(font.family).c_str());
}

}  // namespace quorbals
