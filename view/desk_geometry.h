// Pixel geometry of the Desk picture and the tables that locate the arrow
// sprites. All of it is plain data held by the main window; nothing here
// keeps hidden state.
#pragma once

#include <array>
#include <cstdint>

#include "game/state.h"

namespace quorbals {

constexpr int kCellPitch = 29;    // cell to cell, in both directions
constexpr int kTileSize = 22;     // every drawn square is 22 x 22
constexpr int kSheetPitch = 23;   // squares of a sprite sheet, with a 1-px strip between
constexpr int kDeskPixels = 262;  // the Desk picture is square
constexpr std::int32_t kActiveDeskMargin = 4;

constexpr int kArrowSpriteCount = 20;
constexpr int kArrowCodeCount = 19;
constexpr int kEmptySpriteIndex = 19;
// The empty tile lies at sheet row 3, column 4; its origin is fixed.
constexpr Cell kEmptyTileOrigin{92, 69};

// Entries 1, 7 and 13 of the code table: a route can never leave a cell on
// the side it entered, and a route grid never holds this value either.
constexpr std::int32_t kNeverMatchingCode = INT32_MIN;

struct ViewTables {
    // Offset of the tile of cell (0, 0); 0 until the first activation.
    std::int32_t deskMargin = 0;
    // Top-left pixel of each square of the arrow sheet.
    std::array<Cell, kArrowSpriteCount> arrowSpriteOrigins{};
    // The route code drawn with each arrow sprite.
    std::array<std::int32_t, kArrowCodeCount> arrowCodeTable{};
};

void FillArrowSpriteOrigins(ViewTables& tables);
void FillArrowCodeTable(ViewTables& tables);
// The first activation's share: both tables, then the margin of 4.
void SetUpViewTables(ViewTables& tables);

// Cell to the top-left pixel of its tile, in place.
void CellToPixel(const ViewTables& tables, std::int32_t& x, std::int32_t& y);
// Pixel to cell in place, truncating toward zero. Both values are written;
// true only when both lie in 0..8.
bool PixelToCell(const ViewTables& tables, std::int32_t& x, std::int32_t& y);

}  // namespace quorbals
