#include "app/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <cstdlib>
#include <string_view>

#include "app/program_texts.h"
#include "app/qt/about_box.h"
#include "app/qt/error_report.h"
#include "app/qt/key_translation.h"
#include "assets/resources.h"
#include "platform/documents_folder.h"
#include "platform/qt/help_library.h"
#include "platform/qt/shell.h"
#include "platform/qt/sound_cue.h"
#include "platform/qt/window_decorations.h"
#include "storage/cp1251.h"
#include "storage/qt/game_file_dialogs.h"
#include "view/cell_names.h"
#include "view/qt/announcer.h"
#include "view/qt/bevel_panel.h"
#include "view/qt/centring.h"
#include "view/qt/design_to_qt.h"
#include "view/qt/desk_view.h"
#include "view/qt/tile_image.h"

namespace quorbals {

TF_Main::TF_Main(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setWindowTitle(QString::fromUtf8(kProgramName));
    // A fixed single border: minimise, but no maximise and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(ProgramIcon());
    setBackgroundRole(QPalette::Button);

    T_GlowTimer.setInterval(kGlowIntervalMs);
    WaitTimer.setInterval(kWaitIntervalMs);
    MoveTimer.setInterval(kMoveIntervalMs);
    connect(&T_GlowTimer, &QTimer::timeout, this, [this] { commands.T_GlowTimerTimer(); });
    connect(&WaitTimer, &QTimer::timeout, this, [this] { commands.WaitTimerTimer(); });
    connect(&MoveTimer, &QTimer::timeout, this, [this] { commands.MoveTimerTimer(); });

    BuildControls();
    BuildMenu();

    // Every key that reaches the window or a control in it is offered to the
    // shared commands first, which decide what it does (menu shortcuts too).
    qApp->installEventFilter(this);
}

TF_Main::~TF_Main() = default;

namespace {

// A menu item's caption with its shortcut written beside it; the shared
// commands act on the keys themselves.
QString ItemText(const MenuItem& item) {
    QString text = QString::fromUtf8(item.caption);
    if (item.shortcut != MenuShortcut::None) {
        text += QLatin1Char('\t') + QString::fromLatin1(ShortcutText(item.shortcut));
    }
    return text;
}

}  // namespace

void TF_Main::BuildControls() {
    PlayPictures& pictures = commands.Pictures();

    P_Play = new QWidget(this);
    P_Play->setFixedSize(kPlayArea.width, kPlayArea.height);
    P_Play->hide();
    setCentralWidget(P_Play);

    P_Panel = new BevelPanel(P_Play, Bevel::Lowered);
    P_Panel->setGeometry(ToQRect(kStripPanel));

    L_Scores = new QLabel(QStringLiteral("0"), P_Panel);
    L_Scores->setGeometry(ToQRect(kScoreLabel));
    L_Scores->setAlignment(Qt::AlignCenter);
    L_Scores->setFont(
        ToQFont(ScoreFontFor(QFontDatabase::hasFamily(QString::fromLatin1(kScoreFont.family)))));
    QPalette scorePal = L_Scores->palette();
    scorePal.setColor(QPalette::WindowText, QColor(QRgb(kScoreColour)));
    scorePal.setColor(QPalette::ButtonText, QColor(QRgb(kScoreColour)));
    L_Scores->setPalette(scorePal);
    L_Scores->setToolTip(QString::fromStdString(DecodeCp1251(
        std::string(reinterpret_cast<const char*>(kScoreHintCp1251), sizeof kScoreHintCp1251))));

    for (std::size_t i = 0; i < kPreviewImages.size(); ++i) {
        I_Next[i] = new TileImage(pictures.previews[i], P_Panel);
        I_Next[i]->move(kPreviewImages[i].x, kPreviewImages[i].y);
    }

    P_Desk = new BevelPanel(P_Play, Bevel::Raised);
    P_Desk->setGeometry(ToQRect(kDeskPanel));

    I_Desk = new DeskView(pictures.desk, {state, app.cursor, app.colourMarks}, P_Desk);
    I_Desk->move(kDeskImage.x, kDeskImage.y);
    I_Desk->setAccessibleName(QString::fromLatin1(kDeskName));
    connect(I_Desk, &DeskView::pointerMoved, this,
            [this](int x, int y) { commands.I_DeskMouseMove(x, y); });
    connect(I_Desk, &DeskView::pointerReleased, this,
            [this](int x, int y) { commands.I_DeskMouseUp(x, y); });
    connect(I_Desk, &DeskView::pointerLeft, this, [this] { commands.I_DeskMouseLeave(); });

    News = new Announcer(P_Play);
}

void TF_Main::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);

    for (const MenuBarEntry& entry : MainMenu()) {
        if (entry.items.empty()) {
            QAction* action = bar->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(QString::fromLatin1(entry.name));
            action->setEnabled(entry.enabledBeforeShow);
            const MenuCommand command = entry.command;
            connect(action, &QAction::triggered, this,
                    [this, command] { RunMenuCommand(commands, command); });
            MI_Play = action;
            continue;
        }
        QMenu* menu = bar->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        menu->menuAction()->setEnabled(entry.enabledBeforeShow);
        for (const MenuItem& item : entry.items) {
            if (item.IsSeparator()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(ItemText(item));
            action->setObjectName(QString::fromLatin1(item.name));
            const MenuCommand command = item.command;
            if (item.checkable) {
                // The check mark is the switch itself: Qt inverts it.
                action->setCheckable(true);
                action->setChecked(true);
            } else {
                connect(action, &QAction::triggered, this,
                        [this, command] { RunMenuCommand(commands, command); });
            }
            items_[static_cast<std::size_t>(command)] = action;
        }
        (std::string_view(entry.name) == "MI_Help" ? MI_Help : MI_Game) = menu;
    }
    MI_OptionsSound = Item(MenuCommand::OptionsSound);
}

// --- Window events ---------------------------------------------------------

bool TF_Main::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(e);
}

void TF_Main::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) {
        // A fixed single border: system menu, minimise and close only.
        RequestFrame(*this, {.systemMenu = true, .minimise = true, .close = true});
        FormShow();
    }
}

void TF_Main::closeEvent(QCloseEvent* e) {
    FormClose();
    // The window closes even when the settings could not be written.
    e->accept();
}

bool TF_Main::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return QMainWindow::eventFilter(watched, e);
    }
    // Only while the keyboard is in this window and no menu, the menu bar
    // or a dialog has it. A key the game does not take goes on as it came
    // (and may come by again on its way to the parents: it is still none).
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this || qobject_cast<QMenuBar*>(widget) ||
        QApplication::activePopupWidget() || QApplication::activeModalWidget()) {
        return QMainWindow::eventFilter(watched, e);
    }
    const std::optional<KeyEvent> key = KeyEventOf(*static_cast<QKeyEvent*>(e));
    return key && commands.HandleKey(*key);
}

void TF_Main::FormShow() {
    P_Play->move(0, 0);
    P_Play->show();
    MI_Play->setEnabled(true);
    MI_Game->menuAction()->setEnabled(true);
    I_Desk->setFocus();
}

void TF_Main::WindowSettingsLoad(const std::string& settingsFile) {
    app.paths.settingsFile = settingsFile;
    commands.WindowSettingsLoad();
}

// --- Front end --------------------------------------------------------------

void TF_Main::ShowDeskRects(std::span<const PixelRect> rects) {
    I_Desk->ShowRects(rects);
}

void TF_Main::FlushDeskSoon() {
    QMetaObject::invokeMethod(
        this, [this] { commands.FlushDesk(); }, Qt::QueuedConnection);
}

void TF_Main::ShowPreview(int slot) {
    I_Next[slot]->repaint();
}

namespace {

void SetAccessibleName(QWidget* widget, const std::string& name) {
    const QString text = QString::fromStdString(name);
    // Each new name is an event to screen readers: only real changes.
    if (widget->accessibleName() != text) {
        widget->setAccessibleName(text);
    }
}

}  // namespace

void TF_Main::DeskStateChanged() {
    SetAccessibleName(L_Scores, ScoreName(state));
    // The first preview reads all three, as the strip shows them side by
    // side; the other two stay unnamed, so that no reader says it thrice.
    SetAccessibleName(I_Next[0], PreviewNames(state, app.colourMarks));
    I_Desk->GameChanged();
}

void TF_Main::Announce(const std::string& text) {
    News->Announce(QString::fromStdString(text));
}

void TF_Main::SetScoreText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    const bool centred = ScoreAlignmentFor(L_Scores->fontMetrics().horizontalAdvance(shown)) ==
                         ScoreAlignment::kCentred;
    L_Scores->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    L_Scores->setText(shown);
}

QTimer& TF_Main::Timer(AppTimer timer) {
    return timer == AppTimer::Glow ? T_GlowTimer : timer == AppTimer::Wait ? WaitTimer : MoveTimer;
}

const QTimer& TF_Main::Timer(AppTimer timer) const {
    return const_cast<TF_Main*>(this)->Timer(timer);
}

bool TF_Main::TimerRunning(AppTimer timer) const {
    return Timer(timer).isActive();
}

void TF_Main::StartTimer(AppTimer timer) {
    Timer(timer).start();
}

void TF_Main::StopTimer(AppTimer timer) {
    Timer(timer).stop();
}

ScreenRect TF_Main::PrimaryScreen() const {
    return PrimaryScreenRect();
}

ScreenRect TF_Main::OuterRect() const {
    // Before the window is mapped its frame is unknown: the window itself
    // (play area plus menu bar) stands in for it.
    const QRect frame = frameGeometry();
    const QSize outer = frame.size().expandedTo(size());
    return {frame.x(), frame.y(), outer.width(), outer.height()};
}

void TF_Main::SetClientSize(int width, int height) {
    // The menu bar lies inside the window, above the client area.
    setFixedSize(width, height + menuBar()->sizeHint().height());
}

void TF_Main::MoveWindow(int left, int top) {
    move(left, top);
}

void TF_Main::CloseMainWindow() {
    close();
}

bool TF_Main::SoundChecked() const {
    return MI_OptionsSound->isChecked();
}

void TF_Main::SetSoundChecked(bool on) {
    MI_OptionsSound->setChecked(on);
}

void TF_Main::PlayWave(const char* name) {
    if (services_.sound) {
        services_.sound->Play(name);
    }
}

bool TF_Main::ShowBox(BoxKind kind, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (kind == BoxKind::Error) {
        ShowErrorBox(this, shown);
        return true;
    }
    const bool question = kind == BoxKind::Question;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information,
                    QString::fromUtf8(kProgramName), shown,
                    question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, this);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> TF_Main::AskSavePath(const std::string& folder,
                                                const std::string& fileName) {
    return services_.fileDialogs ? services_.fileDialogs->AskSavePath(this, folder, fileName)
                                 : std::nullopt;
}

std::optional<std::string> TF_Main::AskLoadPath(const std::string& folder,
                                                const std::string& fileName) {
    return services_.fileDialogs ? services_.fileDialogs->AskLoadPath(this, folder, fileName)
                                 : std::nullopt;
}

std::string TF_Main::DocumentsFolder() const {
    return UserDocumentsFolder();
}

void TF_Main::ShowAbout() {
    TF_About about(this);
    about.SetBorderStyle(TF_About::BorderStyle::Dialog);
    about.exec();
}

void TF_Main::ShowHelp(const std::string& helpFile) {
    ShowHelpContents(this, helpFile);
}

void TF_Main::OpenWebAddress(const char* url) {
    quorbals::OpenWebAddress(this, url);
}

void TF_Main::ExitNow(int status) {
    std::_Exit(status);
}

}  // namespace quorbals
