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

#include "app/program_texts.h"
#include "app/qt/about_box.h"
#include "app/qt/centring.h"
#include "app/qt/error_report.h"
#include "assets/resources.h"
#include "platform/documents_folder.h"
#include "platform/qt/help_library.h"
#include "platform/qt/shell.h"
#include "platform/qt/sound_cue.h"
#include "platform/qt/window_decorations.h"
#include "storage/cp1251.h"
#include "storage/qt/game_file_dialogs.h"
#include "view/qt/bevel_panel.h"
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
    connect(&T_GlowTimer, &QTimer::timeout, this, [this] { T_GlowTimerTimer(); });
    connect(&WaitTimer, &QTimer::timeout, this, [this] { WaitTimerTimer(); });
    connect(&MoveTimer, &QTimer::timeout, this, [this] { MoveTimerTimer(); });

    BuildControls();
    BuildMenu();
}

TF_Main::~TF_Main() = default;

void TF_Main::BuildControls() {
    P_Play = new QWidget(this);
    P_Play->setFixedSize(kPlayWidth, kPlayHeight);
    P_Play->hide();
    setCentralWidget(P_Play);

    P_Panel = new BevelPanel(P_Play, Bevel::Lowered);
    P_Panel->setGeometry(0, 0, kPlayWidth, kStripHeight);

    L_Scores = new QLabel(QStringLiteral("0"), P_Panel);
    L_Scores->setGeometry(16, 9, 48, 16);
    L_Scores->setAlignment(Qt::AlignCenter);
    // "System" where such a font exists; Arial's metrics elsewhere.
    // "System" where such a font exists, else Arial's metrics (Liberation
    // Sans), whose character cell of 13 pixels holds a 12-pixel em: seven
    // digits fit the label's 48 pixels.
    QFont scoreFont;
    const bool haveSystem = QFontDatabase::hasFamily(QStringLiteral("System"));
    scoreFont.setFamilies({haveSystem ? QStringLiteral("System") : QStringLiteral("Arial")});
    scoreFont.setPixelSize(haveSystem ? 13 : 12);
    scoreFont.setBold(true);
    L_Scores->setFont(scoreFont);
    QPalette scorePal = L_Scores->palette();
    scorePal.setColor(QPalette::WindowText, Qt::blue);
    scorePal.setColor(QPalette::ButtonText, Qt::blue);
    L_Scores->setPalette(scorePal);
    L_Scores->setToolTip(QString::fromStdString(DecodeCp1251(
        std::string(reinterpret_cast<const char*>(kScoreHintCp1251), sizeof kScoreHintCp1251))));

    const int previewX[3] = {88, 120, 152};
    for (int i = 0; i < 3; ++i) {
        I_Next[i] = new TileImage(sheets, P_Panel);
        I_Next[i]->move(previewX[i], 5);
    }

    // The board panel overlaps the strip above it by one pixel.
    P_Desk = new BevelPanel(P_Play, Bevel::Raised);
    P_Desk->setGeometry(0, kStripHeight - 1, kDeskPanelSize, kDeskPanelSize);

    I_Desk = new DeskView(sheets, tables, P_Desk);
    I_Desk->move(5, 5);
    connect(I_Desk, &DeskView::pointerMoved, this, [this](int x, int y) { I_DeskMouseMove(x, y); });
    connect(I_Desk, &DeskView::pointerReleased, this,
            [this](int x, int y) { I_DeskMouseUp(x, y); });
    connect(I_Desk, &DeskView::pointerLeft, this, [this] { commands.I_DeskMouseLeave(); });
}

void TF_Main::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);

    MI_Game = bar->addMenu(QStringLiteral("&Game"));
    MI_GameNew = MI_Game->addAction(QStringLiteral("&Start"));
    MI_GameNew->setShortcut(Qt::Key_F2);
    MI_Game->addSeparator();
    MI_GameScores = MI_Game->addAction(QStringLiteral("&High Scores ..."));
    MI_GameClearScores = MI_Game->addAction(QStringLiteral("&Clear High Scores"));
    MI_Game->addSeparator();
    MI_GameLoad = MI_Game->addAction(QStringLiteral("&Load..."));
    MI_GameSave = MI_Game->addAction(QStringLiteral("&Save..."));
    MI_Game->addSeparator();
    MI_OptionsSound = MI_Game->addAction(QStringLiteral("Sound"));
    MI_OptionsSound->setCheckable(true);
    MI_OptionsSound->setChecked(true);
    MI_Game->addSeparator();
    MI_GameExit = MI_Game->addAction(QStringLiteral("&Exit"));
    MI_GameExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    MI_Play = bar->addAction(QStringLiteral("&Start!"));

    MI_Help = bar->addMenu(QStringLiteral("&Help"));
    MI_HelpCont = MI_Help->addAction(QStringLiteral("&Contents"));
    MI_HelpCont->setShortcut(Qt::Key_F1);
    MI_Help->addSeparator();
    MI_HelpSiteHome = MI_Help->addAction(QStringLiteral("&Vintra Games Home Page"));
    MI_HelpGameHome = MI_Help->addAction(QStringLiteral("&Quorbals Home Page"));
    MI_Help->addSeparator();
    MI_HelpAbout = MI_Help->addAction(QStringLiteral("&About ..."));

    // Shortcuts act wherever the keyboard is inside the main window.
    for (QAction* a : {MI_GameNew, MI_GameExit, MI_HelpCont}) {
        a->setShortcutContext(Qt::WindowShortcut);
    }
    // Enabled by FormShow.
    MI_Game->menuAction()->setEnabled(false);
    MI_Play->setEnabled(false);

    connect(MI_GameNew, &QAction::triggered, this, [this] { MI_GameNewClick(); });
    connect(MI_Play, &QAction::triggered, this, [this] { MI_GameNewClick(); });
    connect(MI_GameScores, &QAction::triggered, this, [this] { MI_GameScoresClick(); });
    connect(MI_GameClearScores, &QAction::triggered, this, [this] { MI_GameClearScoresClick(); });
    connect(MI_GameLoad, &QAction::triggered, this, [this] { MI_GameLoadClick(); });
    connect(MI_GameSave, &QAction::triggered, this, [this] { MI_GameSaveClick(); });
    connect(MI_GameExit, &QAction::triggered, this, [this] { MI_GameExitClick(); });
    connect(MI_HelpCont, &QAction::triggered, this, [this] { MI_HelpContClick(); });
    connect(MI_HelpSiteHome, &QAction::triggered, this, [this] { MI_HelpSiteHomeClick(); });
    connect(MI_HelpGameHome, &QAction::triggered, this, [this] { MI_HelpGameHomeClick(); });
    connect(MI_HelpAbout, &QAction::triggered, this, [this] { MI_HelpAboutClick(); });
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

void TF_Main::keyReleaseEvent(QKeyEvent* e) {
    // F1 with any modifiers, on its release (auto-repeat sends releases too).
    if (e->key() == Qt::Key_F1 && !e->isAutoRepeat()) {
        MI_HelpContClick();
        e->accept();
        return;
    }
    QMainWindow::keyReleaseEvent(e);
}

void TF_Main::FormShow() {
    P_Play->move(0, 0);
    P_Play->show();
    MI_Play->setEnabled(true);
    MI_Game->menuAction()->setEnabled(true);
}

void TF_Main::WindowSettingsLoad(const std::string& settingsFile) {
    app.paths.settingsFile = settingsFile;
    commands.WindowSettingsLoad();
}

// --- Front end --------------------------------------------------------------

void TF_Main::DrawBallTile(int x, int y, int color, int frame) {
    I_Desk->DrawBallTile(x, y, color, frame);
}

void TF_Main::DrawEmptyTile(int x, int y) {
    I_Desk->DrawEmptyTile(x, y);
}

void TF_Main::DrawArrowSprite(int x, int y, int index) {
    I_Desk->DrawArrowSprite(x, y, index);
}

void TF_Main::DrawPreviewTile(int slot, int color) {
    I_Next[slot]->DrawPreviewTile(color);
}

void TF_Main::ResetDesk() {
    I_Desk->ResetDesk();
}

void TF_Main::RepaintDesk() {
    I_Desk->Repaint();
}

void TF_Main::SetScoreText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    // Centred while it fits; a wider score keeps its leading digits.
    const bool fits = L_Scores->fontMetrics().horizontalAdvance(shown) <= L_Scores->width();
    L_Scores->setAlignment(fits ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
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
