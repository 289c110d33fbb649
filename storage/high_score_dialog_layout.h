// The high-score dialog as every front end lays it out: a bevelled panel of
// 282 x 320 with four corner ornaments, the grid of the ten best, the OK
// button and the name box that lies over a grid cell for a new entry.
#pragma once

#include <array>

#include "assets/ornament_size.h"
#include "view/design_geometry.h"

namespace quorbals {

inline constexpr char kHighScoreCaption[] = "Quorbals High Scores";
inline constexpr DesignRect kHighScoreForm{0, 0, 282, 320};  // P_Form

// Image1..Image4: top left, bottom left, top right, bottom right.
inline constexpr std::array<DesignRect, 4> kOrnaments{{
    {0, 0, kOrnamentSize, kOrnamentSize},
    {0, 305, kOrnamentSize, kOrnamentSize},
    {267, 0, kOrnamentSize, kOrnamentSize},
    {267, 305, kOrnamentSize, kOrnamentSize},
}};

// SG_Scores: 12 rows of 22 pixels with a line after each, row 0 the header.
inline constexpr DesignRect kScoreGrid{16, 16, 250, 257};
inline constexpr int kScoreGridRows = 12;
inline constexpr int kScoreRowHeight = 22;
inline constexpr std::array<int, 3> kScoreColumnWidths = {38, 151, 52};
inline constexpr int kScoreGridLine = 1;
inline constexpr DesignColour kScoreGridLineColour = 0xC0C0C0;
// The grid's sunken frame, two pixels wide, inside its rectangle.
inline constexpr int kScoreGridFrame = 2;

// A cell's rectangle inside the grid, without the lines after it.
constexpr DesignRect ScoreCellRect(int row, int column) {
    int left = 0;
    for (int c = 0; c < column; ++c) {
        left += kScoreColumnWidths[static_cast<unsigned>(c)] + kScoreGridLine;
    }
    return {left, row * (kScoreRowHeight + kScoreGridLine),
            kScoreColumnWidths[static_cast<unsigned>(column)], kScoreRowHeight};
}

inline constexpr DesignRect kOkButton{91, 282, 100, 28};  // BB_OK
inline constexpr char kOkCaption[] = "OK";
// E_EditName's size; where it lies depends on the new entry's row.
inline constexpr int kNameBoxWidth = 151;
inline constexpr int kNameBoxHeight = 22;
// What screen readers call the name box; nothing shows it.
inline constexpr char kNameBoxLabel[] = "Your name";

// The grid, the button and the name box.
inline constexpr DesignFont kHighScoreFont{"Arial", 13, true};
inline constexpr DesignColour kNameBoxColour = kBlue;

}  // namespace quorbals
