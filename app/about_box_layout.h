// The About box as every front end lays it out: one bevelled panel of
// 273 x 273 with the framed icon, the title and five centred lines.
#pragma once

#include <array>

#include "app/program_texts.h"
#include "view/design_geometry.h"

namespace quorbals {

inline constexpr char kAboutCaption[] = "About";
inline constexpr int kAboutSize = 273;
inline constexpr DesignRect kAboutForm{0, 0, kAboutSize, kAboutSize};  // P_Form
inline constexpr DesignRect kAboutIconFrame{8, 8, 43, 43};             // P_Icon
inline constexpr DesignRect kAboutIconImage{5, 5, 32, 32};             // Image1 in P_Icon
// L_Title sits at this corner, sized to its text.
inline constexpr int kAboutTitleX = 80;
inline constexpr int kAboutTitleY = 14;

inline constexpr DesignFont kAboutBaseFont{"MS Sans Serif", 11, false};
inline constexpr DesignFont kAboutTitleFont{"Arial", 24, true};
inline constexpr DesignColour kAboutTitleColour = kBlue;
inline constexpr DesignFont kAboutLineFont{"Arial", 15, false};
inline constexpr DesignColour kAboutLineColour = kBlack;

struct AboutLine {
    const char* name;  // the label's name
    DesignRect rect;
    const char* text;
};
// L_Version and L_Date are filled in at every activation; the texts are
// the same each time.
inline constexpr std::array<AboutLine, 5> kAboutLines{{
    {"L_Version", {10, 54, 253, 20}, kAboutVersion},
    {"L_Author", {10, 120, 253, 20}, kAboutCredit},
    {"L_Home", {10, 152, 253, 20}, kAboutHome},
    {"L_Email", {10, 184, 253, 20}, kAboutContact},
    {"L_Date", {10, 217, 253, 20}, kAboutDate},
}};

// Whether a click at (x, y) of the box reaches B_OkClick: anywhere on the
// panel, the icon or a label, but not on the frame around the icon.
constexpr bool AboutClickReachesOk(int x, int y) {
    const DesignRect icon = kAboutIconImage.In(kAboutIconFrame);
    return !kAboutIconFrame.Contains(x, y) || icon.Contains(x, y);
}

}  // namespace quorbals
