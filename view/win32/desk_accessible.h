// The Desk for screen readers: a table of 9 rows of 9 cells, the children
// 1..81 row by row, each named by what it holds and where ("red ball, row
// 3, column 5"). The selected ball's cell is selected and the keyboard
// cursor's cell is focused while the keys reach the Desk. It reads the game
// as it stands whenever asked, and tells screen readers what changed when
// told that something may have.
#pragma once

#include <array>
#include <string>

#include "game/state.h"
#include "view/keyboard_play.h"
#include "view/win32/accessible_object.h"

namespace quorbals {

class DeskAccessible final : public AccessibleObject {
public:
    // What it reads; all of it must outlive the object's connection.
    struct Facts {
        const GameState& game;
        const KeyboardCursor& cursor;
        const bool& colourMarks;
    };

    DeskAccessible(HWND desk, Facts facts);

    static LONG ChildOf(Cell cell) { return CellIndex(cell.x, cell.y) + 1; }
    static Cell CellOf(LONG child);

    // Compares the Desk with what screen readers were last told and raises
    // the events for the differences: names, the selection, the focus.
    void StateChanged();
    // The keys reach the Desk: it or the window it lies in has the focus.
    bool HasKeyboard() const;
    // The cursor's cell while it shows; 0 otherwise.
    LONG CursorChild() const;

protected:
    LONG ChildCount() const override { return kCellCount; }
    std::string Name(LONG child) const override;
    LONG Role(LONG child) const override;
    LONG State(LONG child) const override;
    RECT Bounds(LONG child) const override;
    LONG FocusedChild() const override;
    LONG SelectedChild() const override;
    LONG Neighbour(LONG child, LONG direction) const override;

private:
    Facts facts_;
    // What screen readers were last told.
    std::array<std::string, kCellCount> names_;
    LONG selected_ = 0;
    LONG cursor_ = 0;
};

}  // namespace quorbals
