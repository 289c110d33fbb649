// The About box. It serves twice: without a border as the start-up splash
// (where it ignores clicks and keys) and as a modal dialog from the Help menu.
#pragma once

#include <QDialog>

class QLabel;

namespace quorbals {

class BevelPanel;

class TF_About : public QDialog {
    Q_OBJECT
public:
    enum class BorderStyle { None, Dialog };

    explicit TF_About(QWidget* parent = nullptr);

    // None makes it the splash; Dialog the ordinary About dialog.
    void SetBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return borderStyle_; }

    // Called for a click on the panel, the icon or any label.
    void B_OkClick();

    BevelPanel* P_Form = nullptr;
    BevelPanel* P_Icon = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* L_Title = nullptr;
    QLabel* L_Version = nullptr;
    QLabel* L_Author = nullptr;
    QLabel* L_Home = nullptr;
    QLabel* L_Email = nullptr;
    QLabel* L_Date = nullptr;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormActivate();

    BorderStyle borderStyle_ = BorderStyle::Dialog;
    bool centredWithFrame_ = false;
};

// The program icon drawn for the About box and the window.
QPixmap ProgramIcon32();

}  // namespace quorbals
