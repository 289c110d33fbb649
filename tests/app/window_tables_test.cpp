// The tables every front end builds its windows from: the menu in display
// order with its keys and commands, and the layouts of the main window and
// the two dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_box_layout.h"
#include "app/front_end.h"
#include "app/high_score_commands.h"
#include "app/main_menu.h"
#include "app/main_window_layout.h"

namespace quorbals::test {
namespace {

std::vector<std::string> Captions(std::span<const MenuItem> items) {
    std::vector<std::string> texts;
    for (const MenuItem& item : items) {
        texts.push_back(item.IsSeparator() ? "-" : item.caption);
    }
    return texts;
}

TEST(MainMenu, BarHoldsGameStartAndHelpWithEveryItemInOrder) {
    const auto bar = MainMenu();
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_STREQ(bar[0].caption, "&Game");
    EXPECT_STREQ(bar[1].caption, "&Start!");
    EXPECT_STREQ(bar[2].caption, "&Help");
    EXPECT_TRUE(bar[1].items.empty()) << "Start! has no submenu";
    EXPECT_EQ(bar[1].command, MenuCommand::Play);
    EXPECT_EQ(Captions(bar[0].items),
              (std::vector<std::string>{"&Start", "-", "&High Scores ...", "&Clear High Scores",
                                        "-", "&Load...", "&Save...", "-", "Sound", "-", "&Exit"}));
    EXPECT_EQ(Captions(bar[2].items),
              (std::vector<std::string>{"&Contents", "-", "&Vintra Games Home Page",
                                        "&Quorbals Home Page", "-", "&About ..."}));
    // Only the window's showing enables "&Game" and "&Start!".
    EXPECT_FALSE(bar[0].enabledBeforeShow);
    EXPECT_FALSE(bar[1].enabledBeforeShow);
    EXPECT_TRUE(bar[2].enabledBeforeShow);
}

TEST(MainMenu, ShortcutsCheckMarkAndNamesBelongToTheirItems) {
    EXPECT_EQ(FindMenuItem(MenuCommand::GameNew)->shortcut, MenuShortcut::F2);
    EXPECT_EQ(FindMenuItem(MenuCommand::GameExit)->shortcut, MenuShortcut::CtrlX);
    EXPECT_EQ(FindMenuItem(MenuCommand::HelpCont)->shortcut, MenuShortcut::F1);
    EXPECT_STREQ(ShortcutText(MenuShortcut::CtrlX), "Ctrl+X");
    EXPECT_EQ(FindMenuItem(MenuCommand::Play), nullptr);
    int checkable = 0;
    int withKeys = 0;
    for (const MenuBarEntry& entry : MainMenu()) {
        for (const MenuItem& item : entry.items) {
            if (item.IsSeparator()) {
                continue;
            }
            checkable += item.checkable;
            withKeys += item.shortcut != MenuShortcut::None;
            EXPECT_EQ(FindMenuItem(item.command), &item) << "one item per command";
        }
    }
    EXPECT_EQ(checkable, 1);
    EXPECT_TRUE(FindMenuItem(MenuCommand::OptionsSound)->checkable);
    EXPECT_STREQ(FindMenuItem(MenuCommand::OptionsSound)->name, "MI_OptionsSound");
    EXPECT_EQ(withKeys, 3);
}

TEST(WindowLayouts, PlayAreaStripPreviewsAndDeskFitTogether) {
    EXPECT_EQ(kPlayArea, (DesignRect{0, 0, 273, 306}));
    EXPECT_EQ(kDeskPanel.y, kStripPanel.Bottom() - 1) << "the Desk's panel overlaps the strip";
    EXPECT_EQ(kDeskPanel.Bottom(), kPlayArea.Bottom() - 1);
    EXPECT_EQ(DeskImageInPlayArea(), (DesignRect{5, 37, 262, 262}));
    for (const DesignRect& preview : kPreviewImages) {
        EXPECT_LE(preview.Bottom(), kStripPanel.Bottom());
        EXPECT_GE(preview.x, kScoreLabel.Right());
    }
}

TEST(WindowLayouts, NameBoxLiesOverTheNameCellOfTheNewRow) {
    for (int slot = 0; slot < 10; ++slot) {
        const BoxPosition at = NameBoxPosition(slot);
        const DesignRect cell = ScoreCellRect(slot + 1, 1).In(kScoreGrid);
        EXPECT_EQ(at.left, 57);
        EXPECT_EQ(at.top, 41 + 23 * slot);
        // Inside the cell's band: two pixels below its top, past the grid's frame.
        EXPECT_GE(at.left, cell.x);
        EXPECT_LE(at.top + kNameBoxHeight, cell.Bottom() + 3);
    }
    EXPECT_EQ(ScoreCellRect(3, 2), (DesignRect{38 + 1 + 151 + 1, 3 * 23, 52, 22}));
    EXPECT_LE(kOkButton.Bottom(), kHighScoreForm.Bottom());
}

TEST(WindowLayouts, ScaledScreensTakeTheNearestWholeMultipleWithHalvesUp) {
    EXPECT_EQ(WholeScaleForDpi(96), 1);
    EXPECT_EQ(WholeScaleForDpi(120), 1);  // 125 %
    EXPECT_EQ(WholeScaleForDpi(143), 1);
    EXPECT_EQ(WholeScaleForDpi(144), 2);  // 150 %: the half rounds up
    EXPECT_EQ(WholeScaleForDpi(192), 2);  // 200 %
    EXPECT_EQ(WholeScaleForDpi(240), 3);  // 250 %
    EXPECT_EQ(WholeScaleForDpi(72), 1);
    EXPECT_EQ(WholeScaleForDpi(0), 1);
}

TEST(WindowLayouts, CentringTruncatesTowardZeroFromTheScreensOrigin) {
    EXPECT_EQ(CentredOn({0, 0, 1024, 768}, 279, 355), (ScreenRect{372, 206, 279, 355}));
    EXPECT_EQ(CentredOn({0, 0, 200, 200}, 279, 355).x, -39);
    EXPECT_EQ(CentredOn({1920, 0, 1280, 1024}, 282, 343).x, 1920 + 499);
}

TEST(WindowLayouts, AboutLinesFitTheirBox) {
    for (const AboutLine& line : kAboutLines) {
        EXPECT_LE(line.rect.Right(), kAboutSize);
        EXPECT_LE(line.rect.Bottom(), kAboutSize);
    }
    EXPECT_EQ(kAboutIconImage.In(kAboutIconFrame), (DesignRect{13, 13, 32, 32}));
    // A click closes the dialog anywhere but on the frame around the icon.
    EXPECT_TRUE(AboutClickReachesOk(5, 5));
    EXPECT_FALSE(AboutClickReachesOk(8, 8));
    EXPECT_FALSE(AboutClickReachesOk(12, 30));
    EXPECT_TRUE(AboutClickReachesOk(13, 13));
    EXPECT_TRUE(AboutClickReachesOk(44, 44));
    EXPECT_FALSE(AboutClickReachesOk(45, 44));
    EXPECT_TRUE(AboutClickReachesOk(51, 51));
    EXPECT_TRUE(AboutClickReachesOk(136, 227));
}

}  // namespace
}  // namespace quorbals::test
