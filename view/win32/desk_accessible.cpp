#include "view/win32/desk_accessible.h"

#include "game/neighbour_cell.h"
#include "view/cell_names.h"
#include "view/desk_geometry.h"

namespace quorbals {

DeskAccessible::DeskAccessible(HWND desk, Facts facts) : AccessibleObject(desk), facts_(facts) {
    for (LONG child = 1; child <= kCellCount; ++child) {
        names_[static_cast<std::size_t>(child - 1)] = Name(child);
    }
    selected_ = SelectedChild();
    cursor_ = CursorChild();
}

Cell DeskAccessible::CellOf(LONG child) {
    return Cell{(child - 1) % kDeskSide, (child - 1) / kDeskSide};
}

bool DeskAccessible::HasKeyboard() const {
    const HWND focus = GetFocus();
    return focus && (focus == Window() || focus == GetAncestor(Window(), GA_ROOT));
}

LONG DeskAccessible::CursorChild() const {
    return facts_.cursor.shown ? ChildOf(facts_.cursor.cell) : 0;
}

void DeskAccessible::StateChanged() {
    if (!Live()) {
        return;
    }
    for (LONG child = 1; child <= kCellCount; ++child) {
        std::string name = Name(child);
        std::string& told = names_[static_cast<std::size_t>(child - 1)];
        if (name != told) {
            told = std::move(name);
            Notify(EVENT_OBJECT_NAMECHANGE, child);
        }
    }
    const LONG selected = SelectedChild();
    if (selected != selected_) {
        if (selected_) {
            Notify(EVENT_OBJECT_STATECHANGE, selected_);
        }
        if (selected) {
            Notify(EVENT_OBJECT_SELECTION, selected);
            Notify(EVENT_OBJECT_STATECHANGE, selected);
        } else {
            Notify(EVENT_OBJECT_SELECTIONREMOVE, selected_);
        }
        selected_ = selected;
    }
    // Focus follows the cursor; while the keys go elsewhere the cell is
    // only remembered, and the window's own focus event leads to it later.
    const LONG cursor = CursorChild();
    if (cursor != cursor_) {
        cursor_ = cursor;
        if (cursor && HasKeyboard()) {
            Notify(EVENT_OBJECT_FOCUS, cursor);
        }
    }
}

std::string DeskAccessible::Name(LONG child) const {
    if (child == CHILDID_SELF) {
        return kDeskName;
    }
    return CellName(facts_.game, CellOf(child), facts_.colourMarks);
}

LONG DeskAccessible::Role(LONG child) const {
    return child == CHILDID_SELF ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL;
}

LONG DeskAccessible::State(LONG child) const {
    LONG state = IsWindowVisible(Window()) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (child == CHILDID_SELF) {
        return state;
    }
    state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (child == SelectedChild()) {
        state |= STATE_SYSTEM_SELECTED;
    }
    if (child == FocusedChild()) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    return state;
}

RECT DeskAccessible::Bounds(LONG child) const {
    RECT client{};
    GetClientRect(Window(), &client);
    if (child == CHILDID_SELF) {
        return client;
    }
    // The cell inside its black lines, in the picture's pixels; the window
    // may show the picture enlarged.
    const PixelRect area = CursorArea(CellOf(child));
    const LONG width = client.right;
    const LONG height = client.bottom;
    return RECT{area.x * width / kDeskPixels, area.y * height / kDeskPixels,
                (area.x + area.width) * width / kDeskPixels,
                (area.y + area.height) * height / kDeskPixels};
}

LONG DeskAccessible::FocusedChild() const {
    const LONG cursor = CursorChild();
    return cursor && HasKeyboard() ? cursor : -1;
}

LONG DeskAccessible::SelectedChild() const {
    const std::optional<Cell> cell = SelectedCell(facts_.game);
    return cell ? ChildOf(*cell) : 0;
}

LONG DeskAccessible::Neighbour(LONG child, LONG direction) const {
    const std::int32_t step = direction == NAVDIR_UP     ? kUp
                              : direction == NAVDIR_DOWN ? kDown
                              : direction == NAVDIR_LEFT ? kLeft
                                                         : kRight;
    Cell next;
    return NeighbourCell(CellOf(child), step, next) ? ChildOf(next) : 0;
}

}  // namespace quorbals
