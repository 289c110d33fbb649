#include "view/win32/design_font.h"

#include <algorithm>

#include "platform/win32/text.h"

namespace quorbals {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

}  // namespace

HFONT CreateDesignFont(const DesignFont& font, int scale, BYTE charset, BYTE pitchAndFamily) {
    // A negative height asks for the characters' height in pixels.
    return CreateFontW(-font.pixelHeight * scale, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                       FALSE, FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, pitchAndFamily, Wide(font.family).c_str());
}

bool FontFamilyExists(const char* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = Wide(family);
    std::copy_n(name.c_str(), std::min<std::size_t>(name.size(), LF_FACESIZE - 1),
                wanted.lfFaceName);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace quorbals
