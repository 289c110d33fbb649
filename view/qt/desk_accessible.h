// The Desk as screen readers see it: a table of 9 rows and 9 columns whose
// cells are named by what they hold and where ("red ball, row 3, column 5"),
// the selected ball's cell selected, and the keyboard cursor's cell focused
// while the Desk has the keyboard. The cursor's cell is the focused one even
// while its frame is hidden: it is where the next key acts.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <string>

#include "game/state.h"

namespace quorbals {

class DeskView;

class DeskAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit DeskAccessible(DeskView* view);
    ~DeskAccessible() override;

    // The view's table while screen readers are listening, else null.
    static DeskAccessible* Of(DeskView* view);

    // Tells screen readers what changed since the last call: cells whose
    // names changed, the selection, and the focus moving to the cursor's
    // cell (or back onto the Desk).
    void Refresh();

    // QAccessibleInterface.
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface: no captions, headers or row selection.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return kDeskSide; }
    int rowCount() const override { return kDeskSide; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // What the cells read, for them.
    DeskView* View() const;
    // Index of the selected ball's cell, or -1.
    int SelectedIndex() const;
    // Index of the focused cell (the cursor's while the Desk has the
    // keyboard), or -1.
    int FocusedIndex() const;

private:
    std::string NameOf(int index) const;

    // The cells' interfaces, made as readers ask for them (0: not yet).
    mutable std::array<QAccessible::Id, kCellCount> cells_{};
    // What readers were last told.
    std::array<std::string, kCellCount> names_;
    int selected_ = -1;
    int focused_ = -1;
};

}  // namespace quorbals
