#include "app/qt/about_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include "view/qt/centring.h"
#include "view/qt/design_to_qt.h"

#include "app/about_box_layout.h"
#include "app/program_texts.h"
#include "assets/resources.h"
#include "view/qt/bevel_panel.h"

namespace quorbals {

namespace {

void SetTextColour(QLabel* label, DesignColour colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(QRgb(colour)));
    pal.setColor(QPalette::ButtonText, QColor(QRgb(colour)));
    label->setPalette(pal);
}

QLabel* MakeLine(QWidget* parent, const AboutLine& line) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(line.name));
    label->setGeometry(line.rect.x, line.rect.y, line.rect.width, line.rect.height);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ToQFont(kAboutLineFont));
    SetTextColour(label, kAboutLineColour);
    return label;
}

}  // namespace

QPixmap ProgramIcon32() {
    return QPixmap(QString::fromLatin1(kAboutIconResource));
}

TF_About::TF_About(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    setFont(ToQFont(kAboutBaseFont));

    P_Form = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    P_Form->setGeometry(kAboutForm.x, kAboutForm.y, kAboutForm.width, kAboutForm.height);

    // The icon's frame swallows clicks: only the icon itself closes the box.
    P_Icon = new BevelPanel(P_Form, Bevel::Lowered, Bevel::Raised);
    P_Icon->setGeometry(kAboutIconFrame.x, kAboutIconFrame.y, kAboutIconFrame.width,
                        kAboutIconFrame.height);
    P_Icon->installEventFilter(this);

    Image1 = new QLabel(P_Icon);
    Image1->setGeometry(kAboutIconImage.x, kAboutIconImage.y, kAboutIconImage.width,
                        kAboutIconImage.height);
    Image1->setPixmap(ProgramIcon32());

    L_Title = new QLabel(QString::fromUtf8(kProgramName), P_Form);
    L_Title->setFont(ToQFont(kAboutTitleFont));
    SetTextColour(L_Title, kAboutTitleColour);
    L_Title->move(kAboutTitleX, kAboutTitleY);
    L_Title->adjustSize();

    QLabel** lines[] = {&L_Version, &L_Author, &L_Home, &L_Email, &L_Date};
    for (std::size_t i = 0; i < kAboutLines.size(); ++i) {
        *lines[i] = MakeLine(P_Form, kAboutLines[i]);
        // Version and date are filled in at every activation.
        if (lines[i] != &L_Version && lines[i] != &L_Date) {
            (*lines[i])->setText(QString::fromUtf8(kAboutLines[i].text));
        }
    }

    for (QWidget* w : {static_cast<QWidget*>(P_Form), static_cast<QWidget*>(Image1),
                       static_cast<QWidget*>(L_Title), static_cast<QWidget*>(L_Version),
                       static_cast<QWidget*>(L_Author), static_cast<QWidget*>(L_Home),
                       static_cast<QWidget*>(L_Email), static_cast<QWidget*>(L_Date)}) {
        w->installEventFilter(this);
    }
    setFixedSize(kAboutForm.width, kAboutForm.height);
}

void TF_About::SetBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    if (style == BorderStyle::None) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    } else {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    }
}

void TF_About::B_OkClick() {
    if (borderStyle_ == BorderStyle::Dialog) {
        done(QDialog::Accepted);
    }
}

void TF_About::FormActivate() {
    setFixedSize(P_Form->width(), P_Form->height());
    L_Version->setText(QString::fromUtf8(kAboutVersion));
    L_Date->setText(QString::fromUtf8(kAboutDate));
}

bool TF_About::event(QEvent* e) {
    // The lines are filled in (and the size set) on every showing, so that
    // the splash shows them painted at once.
    if (e->type() == QEvent::Show || e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    // Centred on the screen in both modes, whatever window owns it; again
    // once the frame is known.
    if (e->type() == QEvent::Show || (e->type() == QEvent::WindowActivate && !centredWithFrame_)) {
        centredWithFrame_ = e->type() == QEvent::WindowActivate;
        CentreOnPrimaryScreen(*this);
    }
    return QDialog::event(e);
}

void TF_About::keyPressEvent(QKeyEvent* e) {
    if (borderStyle_ != BorderStyle::Dialog) {
        e->accept();
        return;
    }
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            done(QDialog::Accepted);
            break;
        case Qt::Key_Escape:
            done(QDialog::Rejected);
            break;
        default:
            e->accept();
            break;
    }
}

bool TF_About::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        // Where the release lies in the box decides, by the shared rule.
        auto* me = static_cast<QMouseEvent*>(e);
        auto* w = static_cast<QWidget*>(watched);
        const QPoint local = me->position().toPoint();
        const QPoint inBox = w->mapTo(this, local);
        if (w->rect().contains(local) && AboutClickReachesOk(inBox.x(), inBox.y())) {
            B_OkClick();
        }
        return true;
    }
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace quorbals
