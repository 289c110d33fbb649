#include "app/win32/score_label.h"

#include "app/main_window_layout.h"
#include "platform/win32/text.h"
#include "view/win32/colour_ref.h"
#include "view/win32/design_font.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

HFONT CreateScoreFont(int scale) {
    static const bool systemFontExists = FontFamilyExists(kScoreFont.family);
    return CreateDesignFont(ScoreFontFor(systemFontExists), scale);
}

void PaintScore(HDC dc, HFONT font, const std::string& score, int scale) {
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(kScoreColour));
    const std::wstring text = Wide(score);
    const int length = static_cast<int>(text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    // The width in design pixels, a part-filled one counted whole.
    const bool centred =
        ScoreAlignmentFor((size.cx + scale - 1) / scale) == ScoreAlignment::kCentred;
    RECT r = ScaledRect(ToPixelRect(kScoreLabel), scale);
    DrawTextW(
        dc, text.c_str(), length, &r,
        (centred ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, previousFont);
}

}  // namespace quorbals
