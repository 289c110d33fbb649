#include "view/qt/desk_accessible.h"

#include <QWidget>
#include <QWindow>

#include "view/cell_names.h"
#include "view/keyboard_play.h"
#include "view/qt/desk_view.h"

namespace quorbals {

namespace {

Cell CellAt(int index) {
    return {index % kDeskSide, index / kDeskSide};
}

// One cell of the Desk: its name, place and state are read from the game
// each time a reader asks.
class DeskCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DeskCellAccessible(DeskView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !view_) {
            return {};
        }
        const DeskGame& game = view_->Game();
        return QString::fromStdString(CellName(game.state, CellAt(index_), game.colourMarks));
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!view_) {
            return {};
        }
        const PixelRect area = CursorArea(CellAt(index_));
        return QRect(view_->mapToGlobal(QPoint(area.x, area.y)), QSize(area.width, area.height));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.readOnly = true;
        s.selected = isSelected();
        const DeskAccessible* table = Table();
        s.focused = table && table->FocusedIndex() == index_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        const DeskAccessible* table = Table();
        return table && table->SelectedIndex() == index_;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % kDeskSide; }
    int rowIndex() const override { return index_ / kDeskSide; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const DeskAccessible* Table() const { return dynamic_cast<const DeskAccessible*>(parent()); }

    QPointer<DeskView> view_;
    int index_;
};

void Tell(QAccessibleInterface* iface, QAccessible::Event type) {
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

DeskAccessible::DeskAccessible(DeskView* view) : QAccessibleWidget(view, QAccessible::Table) {
    for (int i = 0; i < kCellCount; ++i) {
        names_[static_cast<std::size_t>(i)] = NameOf(i);
    }
    selected_ = SelectedIndex();
}

DeskAccessible::~DeskAccessible() {
    for (QAccessible::Id id : cells_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

DeskAccessible* DeskAccessible::Of(DeskView* view) {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<DeskAccessible*>(QAccessible::queryAccessibleInterface(view));
}

DeskView* DeskAccessible::View() const {
    return static_cast<DeskView*>(widget());
}

std::string DeskAccessible::NameOf(int index) const {
    const DeskGame& game = View()->Game();
    return CellName(game.state, CellAt(index), game.colourMarks);
}

int DeskAccessible::SelectedIndex() const {
    const std::optional<Cell> cell = SelectedCell(View()->Game().state);
    return cell ? CellIndex(cell->x, cell->y) : -1;
}

int DeskAccessible::FocusedIndex() const {
    if (!View()->hasFocus()) {
        return -1;
    }
    const Cell cell = View()->Game().cursor.cell;
    return CellIndex(cell.x, cell.y);
}

void* DeskAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* DeskAccessible::child(int index) const {
    if (index < 0 || index >= kCellCount) {
        return nullptr;
    }
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new DeskCellAccessible(View(), index));
    }
    return QAccessible::accessibleInterface(id);
}

int DeskAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || cell->table() != this) {
        return -1;
    }
    return CellIndex(cell->columnIndex(), cell->rowIndex());
}

QAccessibleInterface* DeskAccessible::childAt(int x, int y) const {
    for (int i = 0; i < kCellCount; ++i) {
        const PixelRect area = CursorArea(CellAt(i));
        const QRect r(View()->mapToGlobal(QPoint(area.x, area.y)), QSize(area.width, area.height));
        if (r.contains(x, y)) {
            return child(i);
        }
    }
    return nullptr;
}

QAccessibleInterface* DeskAccessible::focusChild() const {
    const int focused = FocusedIndex();
    return focused < 0 ? nullptr : child(focused);
}

QAccessibleInterface* DeskAccessible::cellAt(int row, int column) const {
    return OnDesk(column, row) ? child(CellIndex(column, row)) : nullptr;
}

int DeskAccessible::selectedCellCount() const {
    return SelectedIndex() < 0 ? 0 : 1;
}

QList<QAccessibleInterface*> DeskAccessible::selectedCells() const {
    const int selected = SelectedIndex();
    if (selected < 0) {
        return {};
    }
    return {child(selected)};
}

void DeskAccessible::Refresh() {
    for (int i = 0; i < kCellCount; ++i) {
        std::string name = NameOf(i);
        std::string& told = names_[static_cast<std::size_t>(i)];
        if (name != told) {
            told = std::move(name);
            // A reader knows only the cells it has asked for.
            if (cells_[static_cast<std::size_t>(i)] != 0) {
                Tell(child(i), QAccessible::NameChanged);
            }
        }
    }
    const int selected = SelectedIndex();
    if (selected != selected_) {
        if (selected_ >= 0) {
            Tell(child(selected_), QAccessible::SelectionRemove);
        }
        if (selected >= 0) {
            Tell(child(selected), QAccessible::SelectionAdd);
        }
        selected_ = selected;
    }
    const int focused = FocusedIndex();
    if (focused != focused_) {
        focused_ = focused;
        if (focused >= 0) {
            Tell(child(focused), QAccessible::Focus);
        }
    }
}

}  // namespace quorbals
