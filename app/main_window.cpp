#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "app/about_box.h"
#include "app/error_report.h"
#include "app/program_texts.h"
#include "assets/resources.h"
#include "game/random.h"
#include "game/spawning.h"
#include "game/turn_cycle.h"
#include "platform/help_library.h"
#include "platform/shell.h"
#include "platform/sound_cue.h"
#include "storage/cp1251.h"
#include "storage/window_settings.h"
#include "view/move_animation.h"
#include "view/pointer_input.h"
#include "view/qt/bevel_panel.h"
#include "view/qt/desk_view.h"
#include "view/qt/tile_image.h"

namespace quorbals {

namespace {
constexpr int kPlayWidth = 273;
constexpr int kPanelHeight = 33;
constexpr int kDeskPanelSize = 273;
constexpr int kPlayHeight = kPanelHeight + kDeskPanelSize;  // the desk panel overlaps by 1
constexpr int kGlowMs = 100;
constexpr int kWaitMs = 100;
constexpr int kMoveMs = 50;
}  // namespace

TF_Main::TF_Main(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setWindowTitle(QString::fromUtf8(kProgramName));
    // A fixed single border: minimise, but no maximise and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(ProgramIcon());
    setBackgroundRole(QPalette::Button);

    T_GlowTimer.setInterval(kGlowMs);
    WaitTimer.setInterval(kWaitMs);
    MoveTimer.setInterval(kMoveMs);
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
    P_Panel->setGeometry(0, 0, kPlayWidth, kPanelHeight);

    L_Scores = new QLabel(QStringLiteral("0"), P_Panel);
    L_Scores->setGeometry(16, 9, 48, 16);
    L_Scores->setAlignment(Qt::AlignCenter);
    // "System" where such a font exists; Arial's metrics elsewhere.
    QFont scoreFont;
    scoreFont.setFamilies({QStringLiteral("System"), QStringLiteral("Arial")});
    scoreFont.setPixelSize(13);
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
    P_Desk->setGeometry(0, kPanelHeight - 1, kDeskPanelSize, kDeskPanelSize);

    I_Desk = new DeskView(sheets, tables, P_Desk);
    I_Desk->move(5, 5);
    connect(I_Desk, &DeskView::pointerMoved, this, [this](int x, int y) { I_DeskMouseMove(x, y); });
    connect(I_Desk, &DeskView::pointerReleased, this,
            [this](int x, int y) { I_DeskMouseUp(x, y); });
    connect(I_Desk, &DeskView::pointerLeft, this,
            [this] { Guard([this] { DeskMouseLeave(state, *this, busy()); }); });
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
    connect(MI_OptionsSound, &QAction::triggered, this, [this] { MI_OptionsSoundClick(); });
    connect(MI_GameExit, &QAction::triggered, this, [this] { MI_GameExitClick(); });
    connect(MI_HelpCont, &QAction::triggered, this, [this] { MI_HelpContClick(); });
    connect(MI_HelpSiteHome, &QAction::triggered, this, [this] { MI_HelpSiteHomeClick(); });
    connect(MI_HelpGameHome, &QAction::triggered, this, [this] { MI_HelpGameHomeClick(); });
    connect(MI_HelpAbout, &QAction::triggered, this, [this] { MI_HelpAboutClick(); });
}

QRect TF_Main::ScreenRect() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QSize TF_Main::OuterSize() const {
    // Before the window is mapped its frame is unknown: the window itself
    // (play area plus menu bar) stands in for it.
    return frameGeometry().size().expandedTo(size());
}

void TF_Main::WindowSettingsLoad(const std::string& file) {
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kPlayWidth, kPlayHeight + menuHeight);
    const QRect screen = ScreenRect();
    const QSize outer = OuterSize();
    move(screen.x() + CentredPosition(screen.width(), outer.width()),
         screen.y() + CentredPosition(screen.height(), outer.height()));
    setSoundOn(true);

    const SettingsLoad loaded = LoadWindowSettings(file);
    if (loaded.havePosition) {
        move(screen.x() + ClampPosition(loaded.left, screen.width(), outer.width()),
             screen.y() + ClampPosition(loaded.top, screen.height(), outer.height()));
        clampWhenFramed_ = true;
    }
    if (loaded.haveSound) {
        setSoundOn(loaded.sound);
    }
    if (loaded.error) {
        ReportError(this, QString::fromStdString(loaded.error->text()));
    }
}

void TF_Main::ClampToScreen() {
    const QRect screen = ScreenRect();
    const QRect frame = frameGeometry();
    move(screen.x() + ClampPosition(frame.x() - screen.x(), screen.width(), frame.width()),
         screen.y() + ClampPosition(frame.y() - screen.y(), screen.height(), frame.height()));
}

void TF_Main::WindowSettingsSave(const std::string& file) const {
    const QRect screen = ScreenRect();
    WindowSettingsRecord record;
    record.left = x() - screen.x();
    record.top = y() - screen.y();
    record.sound = soundOn() ? 1 : 0;
    SaveWindowSettings(file, record);
}

bool TF_Main::soundOn() const {
    return MI_OptionsSound->isChecked();
}
void TF_Main::setSoundOn(bool on) {
    MI_OptionsSound->setChecked(on);
}

bool TF_Main::busy() const {
    return MoveTimer.isActive() || WaitTimer.isActive();
}

void TF_Main::Guard(const std::function<void()>& body) {
    GuardHandler(this, body);
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

void TF_Main::FormActivate() {
    if (activatedOnce_) {
        return;
    }
    activatedOnce_ = true;
    // The frame is known now: a stored position is pulled onto the screen again.
    if (clampWhenFramed_) {
        clampWhenFramed_ = false;
        ClampToScreen();
    }
    // A score file that fails to load is reported; the game is still dealt.
    if (services_.loadHighScores) {
        Guard([this] { services_.loadHighScores(this); });
    }
    Guard([this] {
        SetUpViewTables(tables);
        SeedRandomFromClock(state);
        NewGame(state, *this);
        T_GlowTimer.start();
    });
}

void TF_Main::FormClose() {
    if (!settingsFile.empty()) {
        Guard([this] { WindowSettingsSave(settingsFile); });
    }
}

// --- Commands ---------------------------------------------------------------

void TF_Main::MI_GameNewClick() {
    Guard([this] { NewGame(state, *this); });
}

void TF_Main::MI_GameExitClick() {
    close();
}

void TF_Main::MI_GameScoresClick() {
    if (services_.showHighScores) {
        Guard([this] { services_.showHighScores(this); });
    }
}

void TF_Main::MI_GameClearScoresClick() {
    if (services_.clearHighScores) {
        Guard([this] { services_.clearHighScores(this); });
    }
}

void TF_Main::MI_GameLoadClick() {
    if (loadGameCommand) {
        Guard([this] { loadGameCommand(*this); });
    }
}

void TF_Main::MI_GameSaveClick() {
    if (saveGameCommand) {
        Guard([this] { saveGameCommand(*this); });
    }
}

void TF_Main::MI_OptionsSoundClick() {
    // QAction toggles a checkable item by itself; the click only has to be seen.
}

void TF_Main::MI_HelpContClick() {
    Guard([this] { ShowHelpContents(this, services_.helpFile); });
}

void TF_Main::MI_HelpSiteHomeClick() {
    Guard([this] { OpenWebAddress(this, kMakerHomePage); });
}

void TF_Main::MI_HelpGameHomeClick() {
    Guard([this] { OpenWebAddress(this, kGameHomePage); });
}

void TF_Main::MI_HelpAboutClick() {
    Guard([this] {
        TF_About about(this);
        about.SetBorderStyle(TF_About::BorderStyle::Dialog);
        about.exec();
    });
}

// --- Pointer and timers -----------------------------------------------------

void TF_Main::I_DeskMouseMove(int x, int y) {
    Guard([&] { DeskMouseMove(state, *this, tables, x, y, busy()); });
}

void TF_Main::I_DeskMouseUp(int x, int y) {
    Guard([&] { DeskMouseUp(state, *this, tables, x, y, busy()); });
}

void TF_Main::T_GlowTimerTimer() {
    Guard([this] { GlowTimerTick(state, *this); });
}

void TF_Main::WaitTimerTimer() {
    Guard([this] { WaitTimerTick(state, *this); });
}

void TF_Main::MoveTimerTimer() {
    Guard([this] { MoveTimerTick(state, *this); });
}

// --- Effects ----------------------------------------------------------------

void TF_Main::StartTimer(GameTimer timer) {
    QTimer& t = timer == GameTimer::Wait ? WaitTimer : MoveTimer;
    // Starting a running timer changes nothing (QTimer::start would restart it).
    if (!t.isActive()) {
        t.start();
    }
}

void TF_Main::StopTimer(GameTimer timer) {
    (timer == GameTimer::Wait ? WaitTimer : MoveTimer).stop();
}

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

void TF_Main::SetScoreText(std::int32_t score) {
    L_Scores->setText(QString::number(score));
}

void TF_Main::PlaySound(SoundCue cue) {
    if (soundOn() && services_.sound) {
        services_.sound->Play(SoundFileName(cue));
    }
}

void TF_Main::ShowGameOver() {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kProgramName),
                    QStringLiteral("Game over!"), QMessageBox::Ok, this);
    box.exec();
}

bool TF_Main::EnterHighScore() {
    if (!services_.enterHighScore) {
        return true;
    }
    bool ok = false;
    Guard([&] { ok = services_.enterHighScore(this, state.score); });
    return ok;
}

void TF_Main::PathCountError() {
    if (services_.pathCountError) {
        services_.pathCountError(this);
    }
}

void TF_Main::ShowLoadedGame() {
    SetScoreText(state.score);
    for (int k = 0; k < kPreviewCount; ++k) {
        DrawPreviewTile(k, state.nextBalls[k]);
    }
    ResetDesk();
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const BallColor c = state.desk[CellIndex(x, y)];
            if (c != kNoBall) {
                DrawBallTile(x, y, c, 0);
            }
        }
    }
    state.selection.color = kNoBall;
    RepaintDesk();
}

}  // namespace quorbals
