// The main window: its menu, its layout, the first activation, the commands
// and the effects it gives the rules.
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>

#include "app/main_window_layout.h"
#include "platform/qt/help_library.h"
#include "platform/qt/shell.h"
#include "storage/file_error.h"
#include "tests/app/main_window_fixture.h"
#include "view/qt/bevel_panel.h"
#include "view/qt/design_to_qt.h"
#include "view/qt/desk_view.h"
#include "view/qt/tile_image.h"

namespace quorbals::test {
namespace {

// The menu is built from the shared table: each entry, item, separator,
// shortcut and check mark where the table puts it.
TEST_F(MainWindowTest, MenuIsBuiltFromTheTable) {
    const QList<QAction*> bar = window->menuBar()->actions();
    const auto table = MainMenu();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(table.size()));
    for (std::size_t e = 0; e < table.size(); ++e) {
        EXPECT_EQ(bar[e]->text().toStdString(), table[e].caption);
        ASSERT_EQ(bar[e]->menu() == nullptr, table[e].items.empty());
        if (!bar[e]->menu()) {
            continue;
        }
        const QList<QAction*> items = bar[e]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(table[e].items.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const MenuItem& item = table[e].items[static_cast<std::size_t>(i)];
            EXPECT_EQ(items[i]->isSeparator(), item.IsSeparator());
            if (!item.IsSeparator()) {
                // The shortcut written beside the caption; the shared
                // commands take the keys themselves.
                const std::string shortcut = ShortcutText(item.shortcut);
                EXPECT_EQ(items[i]->text().toStdString(),
                          item.caption + (shortcut.empty() ? "" : "\t" + shortcut));
                EXPECT_TRUE(items[i]->shortcut().isEmpty());
                EXPECT_EQ(items[i]->isCheckable(), item.checkable);
                EXPECT_EQ(items[i], window->Item(item.command));
            }
        }
    }
}

TEST_F(MainWindowTest, PlayAreaIsLaidOutAsDesigned) {
    window->WindowSettingsLoad("/nonexistent-folder/quorbals.set");
    ShowAndActivate();
    // The window as the shared table lays it out, under its menu bar.
    const int bar = window->menuBar()->height();
    EXPECT_EQ(window->P_Play->geometry(), ToQRect(kPlayArea).translated(0, bar));
    EXPECT_EQ(window->size(), QSize(kPlayWidth, kPlayHeight + bar));
    EXPECT_EQ(window->P_Panel->geometry(), ToQRect(kStripPanel));
    EXPECT_EQ(window->P_Desk->geometry(), ToQRect(kDeskPanel));
    EXPECT_EQ(window->I_Desk->geometry(), ToQRect(kDeskImage));
    EXPECT_EQ(window->L_Scores->geometry(), ToQRect(kScoreLabel));
    EXPECT_EQ(window->L_Scores->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(window->L_Scores->font().bold());
    EXPECT_EQ(window->L_Scores->palette().color(window->L_Scores->foregroundRole()),
              QColor(Qt::blue));
    EXPECT_EQ(window->L_Scores->toolTip(), QString::fromUtf8("Очки"));
    for (std::size_t i = 0; i < kPreviewImages.size(); ++i) {
        EXPECT_EQ(window->I_Next[i]->geometry(), ToQRect(kPreviewImages[i]));
    }
    EXPECT_EQ(window->P_Panel->outer(), Bevel::Lowered);
    EXPECT_EQ(window->P_Desk->outer(), Bevel::Raised);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorbals"));
}

TEST_F(MainWindowTest, PlayAreaAndMenusWaitForTheWindowToBeShown) {
    EXPECT_FALSE(window->P_Play->isVisibleTo(window.get()));
    EXPECT_FALSE(window->MI_Play->isEnabled());
    window->show();
    EXPECT_TRUE(window->P_Play->isVisible());
    EXPECT_TRUE(window->MI_Play->isEnabled());
    EXPECT_TRUE(window->MI_Game->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, FirstActivationDealsOnceAndStartsTheGlow) {
    EXPECT_FALSE(window->T_GlowTimer.isActive());
    ShowAndActivate();
    EXPECT_EQ(BallCount(), 3);
    EXPECT_EQ(window->state.freeCount, 78);
    EXPECT_EQ(window->tables.deskMargin, 4);
    EXPECT_TRUE(window->T_GlowTimer.isActive());
    EXPECT_EQ(window->L_Scores->text(), QStringLiteral("0"));

    // Later activations (after a dialog closes, say) deal nothing.
    const auto desk = window->state.desk;
    const auto randomState = window->state.randomState;
    window->FormActivate();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(window->state.desk, desk);
    EXPECT_EQ(window->state.randomState, randomState);
}

TEST_F(MainWindowTest, ScoresUpToSevenDigitsShowWholeAndLongerOnesKeepTheirStart) {
    const QFontMetrics metrics = window->L_Scores->fontMetrics();
    window->SetScoreText("9999999");
    EXPECT_LE(metrics.horizontalAdvance(window->L_Scores->text()), 48);
    EXPECT_EQ(window->L_Scores->alignment(), Qt::AlignCenter);
    window->SetScoreText("2147483647");
    EXPECT_EQ(window->L_Scores->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST_F(MainWindowTest, NewGameFromEitherItemAbandonsAMoveOrAPendingTurn) {
    ShowAndActivate();
    for (QAction* item : {window->Item(MenuCommand::GameNew), window->MI_Play}) {
        window->state.score = 120;
        window->MoveTimer.start();
        window->WaitTimer.start();
        item->trigger();
        EXPECT_FALSE(window->MoveTimer.isActive());
        EXPECT_FALSE(window->WaitTimer.isActive());
        EXPECT_EQ(BallCount(), 3);
        EXPECT_EQ(window->state.score, 0);
        EXPECT_EQ(window->L_Scores->text(), QStringLiteral("0"));
    }
    // F2 reaches the same command.
    window->state.score = 7;
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(window->state.score, 0);
}

TEST_F(MainWindowTest, StartingARunningTimerDoesNotRestartIt) {
    window->commands.StartTimer(GameTimer::Wait);
    ASSERT_TRUE(window->WaitTimer.isActive());
    QTest::qWait(60);
    const int before = window->WaitTimer.remainingTime();
    window->commands.StartTimer(GameTimer::Wait);
    EXPECT_LE(window->WaitTimer.remainingTime(), before);
    window->commands.StopTimer(GameTimer::Wait);
    EXPECT_FALSE(window->WaitTimer.isActive());
}

TEST_F(MainWindowTest, SoundSwitchGatesEveryCue) {
    EXPECT_TRUE(window->SoundChecked());
    window->commands.PlaySound(SoundCue::Select);
    window->MI_OptionsSound->trigger();
    EXPECT_FALSE(window->SoundChecked());
    window->commands.PlaySound(SoundCue::Move);
    window->MI_OptionsSound->trigger();
    EXPECT_TRUE(window->SoundChecked());
    window->commands.PlaySound(SoundCue::End);
    EXPECT_EQ(sound.played, (std::vector<std::string>{"select.wav", "end.wav"}));
}

struct HelpCall {
    void* caller;
    std::string file;
    unsigned command;
    std::string topic;
};
std::vector<HelpCall> g_helpCalls;

void* RecordHelp(void* caller, const char* file, unsigned command, std::uintptr_t data) {
    g_helpCalls.push_back({caller, file, command, reinterpret_cast<const char*>(data)});
    return nullptr;
}

TEST_F(MainWindowTest, HelpAsksTheLibraryForTheMainTopicFromMenuAndF1) {
    g_helpCalls.clear();
    SetHtmlHelpEntry(&RecordHelp);
    window->show();
    window->Item(MenuCommand::HelpCont)->trigger();
    ASSERT_EQ(g_helpCalls.size(), 1u);
    EXPECT_EQ(g_helpCalls[0].caller, static_cast<QWidget*>(window.get()));
    EXPECT_EQ(g_helpCalls[0].file, "/opt/quorbals/quorbals.chm");
    EXPECT_EQ(g_helpCalls[0].command, 0u);
    EXPECT_EQ(g_helpCalls[0].topic, "quorbals.htm");

    // Shift+F1 is no shortcut: only its release asks.
    g_helpCalls.clear();
    QTest::keyRelease(window.get(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(g_helpCalls.size(), 1u);

    // Without the library's entry the command stays silent.
    g_helpCalls.clear();
    SetHtmlHelpEntry(nullptr);
    window->Item(MenuCommand::HelpCont)->trigger();
    QTest::keyRelease(window.get(), Qt::Key_F1);
    EXPECT_TRUE(g_helpCalls.empty());
    EXPECT_TRUE(errors.empty());
}

std::vector<std::string> g_opened;
void RecordOpen(QWidget*, const char* url) {
    g_opened.emplace_back(url);
}

TEST_F(MainWindowTest, HomePageItemsOpenTwoDifferentAddresses) {
    g_opened.clear();
    const WebAddressOpener previous = SetWebAddressOpener(&RecordOpen);
    window->Item(MenuCommand::HelpSiteHome)->trigger();
    window->Item(MenuCommand::HelpGameHome)->trigger();
    SetWebAddressOpener(previous);
    ASSERT_EQ(g_opened.size(), 2u);
    EXPECT_NE(g_opened[0], g_opened[1]);
    EXPECT_EQ(g_opened[0].rfind("https://", 0), 0u);
}

}  // namespace
}  // namespace quorbals::test
