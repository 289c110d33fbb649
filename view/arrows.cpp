#include "view/arrows.h"

namespace quorbals {

constexpr std::int32_t kArrowMarked = -2;

void EraseArrows(GameState& state, Effects& effects) {
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            if (state.arrowMarks[CellIndex(x, y)] == kArrowMarked) {
                effects.DrawEmptyTile(x, y);
            }
        }
    }
}

int ArrowSpriteFor(const ViewTables& tables, std::int32_t code) {
    for (int k = 0; k < kArrowCodeCount; ++k) {
        if (tables.arrowCodeTable[k] == code) {
            return k;
        }
    }
    return -1;
}

void DrawArrows(GameState& state, Effects& effects, const ViewTables& tables) {
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const std::int32_t code = state.path.grid[CellIndex(x, y)];
            if (code == kPathFree || code == kPathBlocked) {
                continue;
            }
            const int sprite = ArrowSpriteFor(tables, code);
            if (sprite >= 0) {
                effects.DrawArrowSprite(x, y, sprite);
            }
            state.arrowMarks[CellIndex(x, y)] = kArrowMarked;
        }
    }
    state.path.ready = 1;
    effects.RepaintDesk();
}

}  // namespace quorbals
