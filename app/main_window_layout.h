// The main window's play area under the menu bar, as every front end lays
// it out: the score and preview strip on top, the Desk's panel below it,
// overlapping the strip by one pixel.
#pragma once

#include <array>

#include "view/design_geometry.h"

namespace quorbals {

constexpr int kPlayWidth = 273;
constexpr int kStripHeight = 33;
constexpr int kDeskPanelSize = 273;
constexpr int kPlayHeight = kStripHeight + kDeskPanelSize;  // 306

// P_Play: the client area under the menu bar.
inline constexpr DesignRect kPlayArea{0, 0, kPlayWidth, kPlayHeight};
// P_Panel, with a lowered bevel, and what lies in it.
inline constexpr DesignRect kStripPanel{0, 0, kPlayWidth, kStripHeight};
inline constexpr DesignRect kScoreLabel{16, 9, 48, 16};  // L_Scores
inline constexpr std::array<DesignRect, 3> kPreviewImages{{
    {88, 5, 22, 22},   // I_Next1
    {120, 5, 22, 22},  // I_Next2
    {152, 5, 22, 22},  // I_Next3
}};
// P_Desk, with a raised bevel, and the Desk picture in it.
inline constexpr DesignRect kDeskPanel{0, kStripHeight - 1, kDeskPanelSize, kDeskPanelSize};
inline constexpr DesignRect kDeskImage{5, 5, 262, 262};  // I_Desk in P_Desk

// Where the Desk picture lies in the play area.
constexpr DesignRect DeskImageInPlayArea() {
    return kDeskImage.In(kDeskPanel);
}

// The score label: blue bold "System"; where no font of that name exists,
// Arial's metrics at a 12-pixel em, whose 13-pixel character cell holds
// seven digits in the label's 48 pixels.
inline constexpr DesignFont kScoreFont{"System", 13, true};
inline constexpr DesignFont kScoreFallbackFont{"Arial", 12, true};

// The score's font on a platform that has, or lacks, a font named "System"
// (Windows has it; Linux desktops and browsers do not).
constexpr const DesignFont& ScoreFontFor(bool systemFontExists) {
    return systemFontExists ? kScoreFont : kScoreFallbackFont;
}

// The score is centred in its label while it fits; a score wider than the
// label keeps its leading digits, left-aligned, rather than losing both
// ends. `textWidth` in design pixels of the label's font.
enum class ScoreAlignment { kCentred, kLeft };
constexpr ScoreAlignment ScoreAlignmentFor(int textWidth) {
    return textWidth <= kScoreLabel.width ? ScoreAlignment::kCentred : ScoreAlignment::kLeft;
}
inline constexpr DesignColour kScoreColour = kBlue;

}  // namespace quorbals
