#include "app/qt/about_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include "app/qt/centring.h"

#include "app/program_texts.h"
#include "assets/resources.h"
#include "view/qt/bevel_panel.h"

namespace quorbals {

namespace {
constexpr int kFormSize = 273;

QLabel* MakeLine(QWidget* parent, int top) {
    auto* label = new QLabel(parent);
    label->setGeometry(10, top, 253, 20);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    label->setPalette(pal);
    return label;
}
}  // namespace

QPixmap ProgramIcon32() {
    return QPixmap(QString::fromLatin1(kAboutIconResource));
}

TF_About::TF_About(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPixelSize(11);
    setFont(base);

    P_Form = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    P_Form->setGeometry(0, 0, kFormSize, kFormSize);

    // The icon's frame swallows clicks: only the icon itself closes the box.
    P_Icon = new BevelPanel(P_Form, Bevel::Lowered, Bevel::Raised);
    P_Icon->setGeometry(8, 8, 43, 43);
    P_Icon->installEventFilter(this);

    Image1 = new QLabel(P_Icon);
    Image1->setGeometry(5, 5, 32, 32);
    Image1->setPixmap(ProgramIcon32());

    L_Title = new QLabel(QString::fromUtf8(kProgramName), P_Form);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(24);
    title.setBold(true);
    L_Title->setFont(title);
    QPalette titlePal = L_Title->palette();
    titlePal.setColor(QPalette::WindowText, Qt::blue);
    titlePal.setColor(QPalette::ButtonText, Qt::blue);
    L_Title->setPalette(titlePal);
    L_Title->move(80, 14);
    L_Title->adjustSize();

    L_Version = MakeLine(P_Form, 54);
    L_Author = MakeLine(P_Form, 120);
    L_Author->setText(QString::fromUtf8(kAboutCredit));
    L_Home = MakeLine(P_Form, 152);
    L_Home->setText(QString::fromUtf8(kAboutHome));
    L_Email = MakeLine(P_Form, 184);
    L_Email->setText(QString::fromUtf8(kAboutContact));
    L_Date = MakeLine(P_Form, 217);

    for (QWidget* w : {static_cast<QWidget*>(P_Form), static_cast<QWidget*>(Image1),
                       static_cast<QWidget*>(L_Title), static_cast<QWidget*>(L_Version),
                       static_cast<QWidget*>(L_Author), static_cast<QWidget*>(L_Home),
                       static_cast<QWidget*>(L_Email), static_cast<QWidget*>(L_Date)}) {
        w->installEventFilter(this);
    }
    setFixedSize(kFormSize, kFormSize);
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
        auto* me = static_cast<QMouseEvent*>(e);
        auto* w = static_cast<QWidget*>(watched);
        if (watched != P_Icon && w->rect().contains(me->position().toPoint())) {
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
