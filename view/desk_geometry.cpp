#include "view/desk_geometry.h"

#include "game/path_search.h"

namespace quorbals {

void FillArrowSpriteOrigins(ViewTables& tables) {
    for (int k = 0; k < kArrowSpriteCount; ++k) {
        tables.arrowSpriteOrigins[k] = Cell{(k % 5) * kSheetPitch, (k / 5) * kSheetPitch};
    }
}

void FillArrowCodeTable(ViewTables& tables) {
    // Rows: the side the route enters from (left, right, up, down).
    // Columns: ends here, then leaves to the left, right, up, down.
    tables.arrowCodeTable = {
        PathCode(kLeft, kNone),  kNeverMatchingCode,      PathCode(kLeft, kRight),
        PathCode(kLeft, kUp),    PathCode(kLeft, kDown),

        PathCode(kRight, kNone), PathCode(kRight, kLeft), kNeverMatchingCode,
        PathCode(kRight, kUp),   PathCode(kRight, kDown),

        PathCode(kUp, kNone),    PathCode(kUp, kLeft),    PathCode(kUp, kRight),
        kNeverMatchingCode,      PathCode(kUp, kDown),

        PathCode(kDown, kNone),  PathCode(kDown, kLeft),  PathCode(kDown, kRight),
        PathCode(kDown, kUp),
    };
}

void SetUpViewTables(ViewTables& tables) {
    FillArrowSpriteOrigins(tables);
    FillArrowCodeTable(tables);
    tables.deskMargin = kActiveDeskMargin;
}

void CellToPixel(const ViewTables& tables, std::int32_t& x, std::int32_t& y) {
    x = x * kCellPitch + tables.deskMargin;
    y = y * kCellPitch + tables.deskMargin;
}

bool PixelToCell(const ViewTables& tables, std::int32_t& x, std::int32_t& y) {
    // C++ division truncates toward zero, so x = -24 still lands in column 0.
    x = (x - tables.deskMargin) / kCellPitch;
    y = (y - tables.deskMargin) / kCellPitch;
    return OnDesk(x, y);
}

}  // namespace quorbals
