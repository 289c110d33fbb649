// The high-score dialog: the table of the ten best in a grid, and the edit
// box in which a new entry's name is typed.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLineEdit>

#include "storage/high_score_dialog.h"
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

class TF_Hiscores : public QDialog, public HighScoreDialog {
    Q_OBJECT
public:
    // The dialog shows `table`, which must outlive it.
    explicit TF_Hiscores(const ScoreTable& table, QWidget* parent = nullptr);

    // Handlers, named after their control and event.
    void FormCreate();
    void FormActivate();

    // HighScoreDialog.
    void SetCell(int row, int column, const std::string& text) override;
    void ShowNameBox(int left, int top, const std::string& name) override;
    void HideNameBox() override;
    void SetSummary(const std::string& summary) override;
    std::string RunModal() override;

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
    void BuildGrid();
    void BuildOkButton();
    void BuildNameBox();
    void CentreOnScreen();

    const ScoreTable& table_;
    // Every showing is centred with the frame the window manager reports
    // before mapping; one that would not tell is centred again on the first
    // activation, when the frame is known.
    bool centredWithFrame_ = false;
};

}  // namespace quorbals
