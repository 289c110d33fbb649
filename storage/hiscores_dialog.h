// The high-score dialog: the table of the ten best in a grid, and the edit
// box in which a new entry's name is typed.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLineEdit>

#include "storage/score_table.h"
#include "view/qt/bevel_panel.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quorbals {

// Selects its whole text whenever it gets the focus from the keyboard or
// the program, so that typing replaces the offered name.
class NameEdit : public QLineEdit {
public:
    explicit NameEdit(QWidget* parent) : QLineEdit(parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class TF_Hiscores : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowCount = 12;
    static constexpr int kRowHeight = 22;
    static constexpr int kColumnWidths[3] = {38, 151, 52};

    // The dialog shows `table`, which must outlive it.
    explicit TF_Hiscores(const ScoreTable& table, QWidget* parent = nullptr);

    // Handlers, named after their control and event.
    void FormCreate();
    void FormActivate();

    // Grid rows 1..Count from the table.
    void WriteRows();
    // Empties the three cells of rows 1..10.
    void ClearRows();
    // Column 1 of the row of slot `slot` from the slot's name.
    void WriteName(int slot);
    // Puts the edit box over the name cell of slot `newEntryIndex`, with `name`.
    void ShowEditName(int newEntryIndex, const QString& name);
    void HideEditName();

    // The text of a grid cell (row 0 is the header).
    QString CellText(int row, int column) const;

    bool GridFilled = false;

    BevelPanel* P_Form = nullptr;  // lowered outer, raised inner bevel
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QTableWidget* SG_Scores = nullptr;
    QPushButton* BB_OK = nullptr;
    NameEdit* E_EditName = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetCell(int row, int column, const QString& text);

    const ScoreTable& table_;
};

// A score entry's name for display.
QString NameForDisplay(const ScoreEntry& entry);

}  // namespace quorbals
