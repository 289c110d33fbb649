#include "storage/qt/hiscores_dialog.h"

#include <QFile>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

#include "assets/resources.h"
#include "platform/qt/window_decorations.h"
#include "storage/cp1251.h"
#include "storage/high_score_commands.h"
#include "view/check_mark.h"
#include "view/qt/centring.h"
#include "view/qt/design_to_qt.h"

namespace quorbals {

namespace {

// Draws every cell as the grid always looked: black text two pixels in from
// the top-left corner, the header row on the button face with a raised
// edge, no selection and no grey of a disabled control.
class ScoreCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const QPalette& pal = option.palette;
        p->save();
        if (index.row() == 0) {
            p->fillRect(r, pal.color(QPalette::Active, QPalette::Button));
            DrawBevelRing(*p, r, Bevel::Raised, pal);
        } else {
            p->fillRect(r, Qt::white);
        }
        p->setPen(Qt::black);
        p->setFont(option.font);
        const QRect textRect = r.adjusted(2, 2, -2, 0);
        p->setClipRect(r);
        p->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
        p->restore();
    }
};

// The game's own check mark for the OK button rather than one of the
// desktop theme, so that the dialog looks the same everywhere.
QIcon CheckMarkIcon() {
    const PixelPicture mark = CheckMarkPicture();
    const QImage image(reinterpret_cast<const uchar*>(mark.pixels.data()), mark.width, mark.height,
                       mark.BytesPerLine(), QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(image.copy()));
}

QLabel* MakeOrnament(QWidget* parent, const char* resource, const DesignRect& at) {
    auto* image = new QLabel(parent);
    image->setGeometry(ToQRect(at));
    const QString path = QString::fromLatin1(resource);
    if (QFile::exists(path)) {
        image->setPixmap(QPixmap(path));
    }
    return image;
}

}  // namespace

void NameEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) {
        selectAll();
    }
}

TF_Hiscores::TF_Hiscores(const ScoreTable& table, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), table_(table) {
    setWindowTitle(QString::fromUtf8(kHighScoreCaption));
    setModal(true);
    setFixedSize(kHighScoreForm.width, kHighScoreForm.height);

    P_Form = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    P_Form->setGeometry(ToQRect(kHighScoreForm));
    BuildGrid();
    Image1 = MakeOrnament(P_Form, kCornerTopLeftResource, kOrnaments[0]);
    Image2 = MakeOrnament(P_Form, kCornerBottomLeftResource, kOrnaments[1]);
    Image3 = MakeOrnament(P_Form, kCornerTopRightResource, kOrnaments[2]);
    Image4 = MakeOrnament(P_Form, kCornerBottomRightResource, kOrnaments[3]);
    BuildOkButton();
    BuildNameBox();
    setTabOrder(E_EditName, BB_OK);
    FormCreate();
}

void TF_Hiscores::BuildGrid() {
    SG_Scores = new QTableWidget(kScoreGridRows, 3, P_Form);
    SG_Scores->setGeometry(ToQRect(kScoreGrid));
    SG_Scores->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    SG_Scores->setFont(ToQFont(kHighScoreFont));
    SG_Scores->horizontalHeader()->hide();
    SG_Scores->verticalHeader()->hide();
    SG_Scores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG_Scores->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG_Scores->setShowGrid(true);
    SG_Scores->setSelectionMode(QAbstractItemView::NoSelection);
    SG_Scores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_Scores->setFocusPolicy(Qt::NoFocus);
    SG_Scores->setItemDelegate(new ScoreCellDelegate(SG_Scores));
    // Each section holds its cell and the grid line after it.
    SG_Scores->verticalHeader()->setMinimumSectionSize(1);
    SG_Scores->horizontalHeader()->setMinimumSectionSize(1);
    SG_Scores->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG_Scores->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < 3; ++c) {
        SG_Scores->setColumnWidth(c,
                                  kScoreColumnWidths[static_cast<std::size_t>(c)] + kScoreGridLine);
    }
    for (int r = 0; r < kScoreGridRows; ++r) {
        SG_Scores->setRowHeight(r, kScoreRowHeight + kScoreGridLine);
        for (int c = 0; c < 3; ++c) {
            SG_Scores->setItem(r, c, new QTableWidgetItem);
        }
    }
    QPalette gridPalette = SG_Scores->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        gridPalette.setColor(group, QPalette::Base, Qt::white);
        gridPalette.setColor(group, QPalette::Text, Qt::black);
    }
    SG_Scores->setPalette(gridPalette);
    // The style picks the grid lines' colour from its own palette; the
    // one property a style sheet sets here gives them the design's.
    SG_Scores->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }")
                                 .arg(ToQColor(kScoreGridLineColour).name()));
    SG_Scores->setEnabled(false);
}

void TF_Hiscores::BuildOkButton() {
    BB_OK = new QPushButton(CheckMarkIcon(), QString::fromUtf8(kOkCaption), P_Form);
    BB_OK->setGeometry(ToQRect(kOkButton));
    BB_OK->setFont(ToQFont(kHighScoreFont));
    BB_OK->setDefault(true);
    QPalette buttonPalette = BB_OK->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::black);
    BB_OK->setPalette(buttonPalette);
    connect(BB_OK, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_Hiscores::BuildNameBox() {
    E_EditName = new NameEdit(P_Form);
    const BoxPosition first = NameBoxPosition(0);
    E_EditName->setGeometry(first.left, first.top, kNameBoxWidth, kNameBoxHeight);
    E_EditName->setFrame(false);
    E_EditName->setFont(ToQFont(kHighScoreFont));
    QPalette editPalette = E_EditName->palette();
    editPalette.setColor(QPalette::Text, QColor(QRgb(kNameBoxColour)));
    E_EditName->setPalette(editPalette);
    E_EditName->setAccessibleName(QString::fromUtf8(kNameBoxLabel));
    E_EditName->hide();
}

void TF_Hiscores::FormCreate() {
    GridFilled = false;
}

void TF_Hiscores::FormActivate() {
    if (!GridFilled) {
        setFixedSize(P_Form->size());
        // No cell is current, so none shows as selected and none is handed
        // to a screen reader as focused (the name box or OK has the focus);
        // the view itself stays at the top.
        SG_Scores->selectionModel()->clearCurrentIndex();
        SG_Scores->scrollToTop();
        WriteHeaderAndRows(*this, table_);
        GridFilled = true;
    }
    if (!E_EditName->isHidden()) {
        E_EditName->setFocus(Qt::ActiveWindowFocusReason);
        E_EditName->selectAll();
    }
}

void TF_Hiscores::SetCell(int row, int column, const std::string& text) {
    SG_Scores->item(row, column)->setText(QString::fromStdString(text));
}

QString TF_Hiscores::CellText(int row, int column) const {
    return SG_Scores->item(row, column)->text();
}

void TF_Hiscores::ShowNameBox(int left, int top, const std::string& name) {
    E_EditName->move(left, top);
    E_EditName->setText(QString::fromStdString(name));
    E_EditName->show();
    E_EditName->raise();
}

void TF_Hiscores::HideNameBox() {
    E_EditName->hide();
}

void TF_Hiscores::SetSummary(const std::string& summary) {
    // Read with the caption as the dialog opens.
    setAccessibleDescription(QString::fromStdString(summary));
}

std::string TF_Hiscores::RunModal() {
    exec();
    return E_EditName->text().toStdString();
}

void TF_Hiscores::CentreOnScreen() {
    centredWithFrame_ = CentreOnPrimaryScreenWithFrame(*this);
    if (!centredWithFrame_) {
        CentreOnPrimaryScreen(*this);
    }
}

bool TF_Hiscores::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Where the window manager would not tell the frame beforehand, it is
        // known now.
        if (!centredWithFrame_) {
            centredWithFrame_ = true;
            CentreOnPrimaryScreen(*this);
        }
        FormActivate();
    }
    return handled;
}

void TF_Hiscores::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    // A fixed dialog frame without any border icons; the frame it makes is
    // the one the dialog is centred with.
    RequestFrame(*this, {});
    // Centred on the primary screen, whatever window owns the dialog, before
    // it is mapped.
    CentreOnScreen();
    FormActivate();
}

void TF_Hiscores::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // The dialog has no cancel button: Escape closes it only from the
        // OK button, and the caller treats that like OK.
        if (EscapeClosesScores(BB_OK->hasFocus())) {
            reject();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quorbals
