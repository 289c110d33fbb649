// The tables every front end builds its windows from: the menu in display
// order with its keys and commands, and the layouts of the main window and
// the two dialogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/about_box_layout.h"
#include "app/front_end.h"
#include "app/main_menu.h"
#include "app/main_window_layout.h"
#include "storage/high_score_commands.h"

namespace quorbals::test {
namespace {

// The letter after a caption's ampersand: its access key.
char AccessKey(const char* caption) {
    const std::string text = caption;
    const std::size_t at = text.find('&');
    return at == std::string::npos || at + 1 >= text.size()
               ? '\0'
               : static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
}

TEST(MainMenu, EveryCommandHasOnePlaceAndTheBarDistinctAccessKeys) {
    std::vector<int> places(kMenuCommandCount, 0);
    std::string barKeys;
    for (const MenuBarEntry& entry : MainMenu()) {
        barKeys += AccessKey(entry.caption);
        if (entry.items.empty()) {
            ++places[static_cast<std::size_t>(entry.command)];
            continue;
        }
        for (std::size_t i = 0; i < entry.items.size(); ++i) {
            const MenuItem& item = entry.items[i];
            if (item.IsSeparator()) {
                // Separators part groups: never first, last or two in a row.
                EXPECT_TRUE(i > 0 && i + 1 < entry.items.size() &&
                            !entry.items[i + 1].IsSeparator())
                    << entry.name << " " << i;
                continue;
            }
            ++places[static_cast<std::size_t>(item.command)];
            EXPECT_EQ(item.checkable, item.command == MenuCommand::OptionsSound);
        }
    }
    for (int command = 0; command < kMenuCommandCount; ++command) {
        EXPECT_EQ(places[static_cast<std::size_t>(command)], 1) << "command " << command;
    }
    std::string sorted = barKeys;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << barKeys;
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

TEST(WindowLayouts, APageTakesTheLargestWholeScaleThatFitsItsViewport) {
    // The browser's main window with its frame: 281 x 351 design pixels.
    EXPECT_EQ(FittedScale(390 * 3, 844 * 3, 281, 351), 4);  // a phone, portrait
    EXPECT_EQ(FittedScale(844 * 3, 390 * 3, 281, 351), 3);  // the same in landscape
    EXPECT_EQ(FittedScale(1920, 1053, 281, 351), 3);        // exactly fits
    EXPECT_EQ(FittedScale(1920, 1052, 281, 351), 2);
    EXPECT_EQ(FittedScale(281, 351, 281, 351), 1);
    // Where not even 1 fits, the fraction at which it just does.
    EXPECT_DOUBLE_EQ(FittedScale(140.5, 800, 281, 351), 0.5);
    EXPECT_DOUBLE_EQ(FittedScale(0, 0, 281, 351), 1);
}

TEST(WindowLayouts, TheScoreIsCentredWhileItFitsAndInSystemWhereThatExists) {
    EXPECT_EQ(ScoreFontFor(true).family, std::string("System"));
    EXPECT_EQ(ScoreFontFor(false).family, std::string("Arial"));
    EXPECT_EQ(ScoreAlignmentFor(48), ScoreAlignment::kCentred);
    EXPECT_EQ(ScoreAlignmentFor(49), ScoreAlignment::kLeft) << "the leading digits stay";
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
