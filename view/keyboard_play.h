// Playing with the keyboard alone: a cursor cell moved over the Desk, and
// a key that acts on it exactly as a pointer release does. The cursor is
// drawn on the screen over the Desk picture, in the grey border around its
// cell's tile, never into the picture itself.
#pragma once

#include <array>

#include "game/effects.h"
#include "game/state.h"
#include "view/desk_geometry.h"
#include "view/pixel_picture.h"

namespace quorbals {

enum class DeskKey {
    Left,
    Right,
    Up,
    Down,
    RowStart,      // Home
    RowEnd,        // End
    ColumnTop,     // Page Up
    ColumnBottom,  // Page Down
    Act,           // Enter or Space: a release on the cursor's cell
    Deselect,      // Escape
};

struct KeyboardCursor {
    Cell cell{4, 4};  // the centre cell until the player moves it
    bool shown = false;
};

// Whether a press of a Desk key reaches DeskKeyDown at all: a held arrow
// moves on, a held Enter, Space or Escape acts once; with Ctrl, Alt or the
// system key held the key belongs to the menus or the system (Shift
// changes nothing).
constexpr bool DeskKeyCounts(DeskKey key, bool repeat, bool commandModifier) {
    const bool acts = key == DeskKey::Act || key == DeskKey::Deselect;
    return !commandModifier && !(repeat && acts);
}

// What a key did.
struct DeskKeyResult {
    bool taken = false;        // the key is one of keyboard play's
    bool cursorMoved = false;  // the cursor showed, hid or changed cell
    bool acted = false;        // Enter or Space acted on the cursor's cell
    Cell from;                 // where it was before
};

// The key's effect. `busy` (a ball travels, a turn is pending): no key does
// anything, the cursor included. The first key shows the cursor where it
// is without acting; then the arrows move it one cell (stopping at the
// edges), Home and End to the row's ends, Page Up and Page Down to the
// column's. While a ball is selected, each move of the cursor shows the
// route to its cell as a pointer move there would.
DeskKeyResult DeskKeyDown(GameState& state, Effects& effects, const ViewTables& tables,
                          KeyboardCursor& cursor, DeskKey key, bool busy);

// The pointer moved over the Desk: the cursor hides. True when it was shown.
bool HideKeyboardCursor(KeyboardCursor& cursor);

// The middle pixel of a cell's tile in the Desk picture.
void CellCentre(const ViewTables& tables, Cell cell, std::int32_t& px, std::int32_t& py);

// The area the cursor frame takes: the cell inside its black lines, 28 x 28.
PixelRect CursorArea(Cell cell);

// The frame as rectangles to fill, in Desk picture pixels: a white ring on
// the area's outermost pixels and a black one inside it, which leaves the
// grey pixel next to the tile and the tile itself untouched.
struct FilledRect {
    PixelRect rect;
    Pixel colour = 0;
};
std::array<FilledRect, 8> CursorFrame(Cell cell);

}  // namespace quorbals
