#include "view/keyboard_play.h"

#include <algorithm>

#include "view/pointer_input.h"
#include "view/sprite_sheets.h"

namespace quorbals {

namespace {

Cell MovedCell(Cell c, DeskKey key) {
    constexpr int kLast = kDeskSide - 1;
    switch (key) {
        case DeskKey::Left:
            return {std::max(c.x - 1, 0), c.y};
        case DeskKey::Right:
            return {std::min(c.x + 1, kLast), c.y};
        case DeskKey::Up:
            return {c.x, std::max(c.y - 1, 0)};
        case DeskKey::Down:
            return {c.x, std::min(c.y + 1, kLast)};
        case DeskKey::RowStart:
            return {0, c.y};
        case DeskKey::RowEnd:
            return {kLast, c.y};
        case DeskKey::ColumnTop:
            return {c.x, 0};
        case DeskKey::ColumnBottom:
            return {c.x, kLast};
        default:
            return c;
    }
}

bool MovesCursor(DeskKey key) {
    return key != DeskKey::Act && key != DeskKey::Deselect;
}

// Four one-pixel-wide sides of the ring `inset` pixels into a 28 x 28 area.
void Ring(std::array<FilledRect, 8>& out, int at, PixelRect area, int inset, Pixel colour) {
    const int x = area.x + inset;
    const int y = area.y + inset;
    const int side = area.width - 2 * inset;
    out[static_cast<std::size_t>(at)] = {{x, y, side, 1}, colour};
    out[static_cast<std::size_t>(at + 1)] = {{x, y + side - 1, side, 1}, colour};
    out[static_cast<std::size_t>(at + 2)] = {{x, y + 1, 1, side - 2}, colour};
    out[static_cast<std::size_t>(at + 3)] = {{x + side - 1, y + 1, 1, side - 2}, colour};
}

}  // namespace

void CellCentre(const ViewTables& tables, Cell cell, std::int32_t& px, std::int32_t& py) {
    px = cell.x;
    py = cell.y;
    CellToPixel(tables, px, py);
    px += kTileSize / 2;
    py += kTileSize / 2;
}

DeskKeyResult DeskKeyDown(GameState& state, Effects& effects, const ViewTables& tables,
                          KeyboardCursor& cursor, DeskKey key, bool busy) {
    DeskKeyResult result;
    result.taken = true;
    result.from = cursor.cell;
    if (busy) {
        return result;
    }
    if (key == DeskKey::Deselect) {
        // As a release on the selected ball itself.
        if (state.selection.color != kNoBall) {
            std::int32_t px = 0;
            std::int32_t py = 0;
            CellCentre(tables, {state.selection.x, state.selection.y}, px, py);
            DeskMouseUp(state, effects, tables, px, py, false);
        }
        return result;
    }
    if (!cursor.shown) {
        cursor.shown = true;
        result.cursorMoved = true;
    } else if (MovesCursor(key)) {
        cursor.cell = MovedCell(cursor.cell, key);
        result.cursorMoved = !(cursor.cell == result.from);
    } else {
        std::int32_t px = 0;
        std::int32_t py = 0;
        CellCentre(tables, cursor.cell, px, py);
        DeskMouseUp(state, effects, tables, px, py, false);
        result.acted = true;
        return result;
    }
    if (state.selection.color != kNoBall) {
        std::int32_t px = 0;
        std::int32_t py = 0;
        CellCentre(tables, cursor.cell, px, py);
        DeskMouseMove(state, effects, tables, px, py, false);
        // A stop without a route drawn leaves erased arrows for the next
        // repaint; the cursor's move repaints them now.
        effects.RepaintDesk();
    }
    return result;
}

bool HideKeyboardCursor(KeyboardCursor& cursor) {
    const bool was = cursor.shown;
    cursor.shown = false;
    return was;
}

PixelRect CursorArea(Cell cell) {
    return {cell.x * kCellPitch + 1, cell.y * kCellPitch + 1, kCellPitch - 1, kCellPitch - 1};
}

std::array<FilledRect, 8> CursorFrame(Cell cell) {
    std::array<FilledRect, 8> frame{};
    const PixelRect area = CursorArea(cell);
    Ring(frame, 0, area, 0, kWhite);
    Ring(frame, 4, area, 1, kFrameBlack);
    return frame;
}

}  // namespace quorbals
