#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include <gtest/gtest.h>

#include "storage/file_error.h"
#include "storage/high_score_commands.h"
#include "storage/little_endian.h"
#include "storage/qt/hiscores_dialog.h"
#include "tests/storage/modal_step.h"
#include "tests/support/temp_folder.h"
#include "view/qt/design_to_qt.h"

namespace quorbals {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WhenModal;

class HiscoresDialogTest : public ::testing::Test {
protected:
    HiscoresDialogTest() : paths(MakeDataPaths(dir / "exe", dir.path())), dialog(scores.table) {
        ResetHighScores(scores);
        std::filesystem::create_directory(dir / "exe");
    }

    // The shared entry of a final score, with this dialog.
    bool EnterHighScore(TF_Hiscores& d, HighScoreState& s, const DataPaths& p, std::int32_t score) {
        return EnterHighScoreCommand(s, p, score, &d, [](const std::string&) {});
    }

    // Enters `score`, typing `name` when the edit box is offered, and
    // closing with Enter.
    bool EnterTyping(std::int32_t score, const QString& name) {
        WhenModal<TF_Hiscores>([name](TF_Hiscores* d) {
            (void)QTest::qWaitFor([d] { return d->E_EditName->hasFocus(); }, 2000);
            if (!d->E_EditName->isHidden()) {
                QTest::keyClicks(d->E_EditName, name);
            }
            QTest::keyClick(d->BB_OK, Qt::Key_Return);
        });
        return EnterHighScore(dialog, scores, paths, score);
    }

    TempFolder dir;
    DataPaths paths;
    HighScoreState scores;
    TF_Hiscores dialog;
};

TEST_F(HiscoresDialogTest, LayoutOfTheDialog) {
    EXPECT_EQ(dialog.windowTitle(), "Quorbals High Scores");
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
    // The dialog as its table lays it out.
    EXPECT_EQ(dialog.size(), QSize(kHighScoreForm.width, kHighScoreForm.height));
    EXPECT_EQ(dialog.P_Form->geometry(), ToQRect(kHighScoreForm));
    const QLabel* images[] = {dialog.Image1, dialog.Image2, dialog.Image3, dialog.Image4};
    for (std::size_t i = 0; i < kOrnaments.size(); ++i) {
        EXPECT_EQ(images[i]->geometry(), ToQRect(kOrnaments[i]));
    }
    for (QLabel* corner : {dialog.Image1, dialog.Image2, dialog.Image3, dialog.Image4}) {
        EXPECT_EQ(corner->pixmap().size(), QSize(kOrnamentSize, kOrnamentSize)) << "ornament";
    }
    EXPECT_EQ(dialog.SG_Scores->geometry(), ToQRect(kScoreGrid));
    EXPECT_EQ(dialog.SG_Scores->rowCount(), 12);
    EXPECT_EQ(dialog.SG_Scores->columnCount(), 3);
    // Each section is its cell plus the grid line after it.
    EXPECT_EQ(dialog.SG_Scores->columnWidth(0), 39);
    EXPECT_EQ(dialog.SG_Scores->columnWidth(1), 152);
    EXPECT_EQ(dialog.SG_Scores->columnWidth(2), 53);
    EXPECT_EQ(dialog.SG_Scores->rowHeight(5), 23);
    EXPECT_EQ(dialog.SG_Scores->frameWidth(), 2);
    EXPECT_EQ(dialog.SG_Scores->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(dialog.SG_Scores->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(dialog.SG_Scores->isEnabled());
    EXPECT_TRUE(dialog.SG_Scores->showGrid());
    {
        // The line after the first column, inside the grid's frame, in a data row.
        const QImage grid = dialog.SG_Scores->grab().toImage();
        const DesignRect cell = ScoreCellRect(3, 0);
        EXPECT_EQ(grid.pixelColor(kScoreGridFrame + cell.Right(), kScoreGridFrame + cell.y + 5),
                  ToQColor(kScoreGridLineColour));
    }
    EXPECT_TRUE(dialog.SG_Scores->font().bold());
    EXPECT_EQ(dialog.SG_Scores->font().pixelSize(), 13);
    EXPECT_EQ(dialog.BB_OK->geometry(), ToQRect(kOkButton));
    EXPECT_EQ(dialog.BB_OK->text(), "OK");
    EXPECT_TRUE(dialog.BB_OK->isDefault());
    EXPECT_FALSE(dialog.BB_OK->icon().isNull());
    EXPECT_EQ(dialog.E_EditName->size(), QSize(kNameBoxWidth, kNameBoxHeight));
    EXPECT_FALSE(dialog.E_EditName->hasFrame());
    EXPECT_EQ(dialog.E_EditName->palette().color(QPalette::Text), QColor(Qt::blue));

    EXPECT_FALSE(dialog.GridFilled);
    dialog.show();
    EXPECT_TRUE(dialog.GridFilled);
    EXPECT_EQ(dialog.CellText(0, 0), QString(QChar(0x2116)));
    EXPECT_EQ(dialog.CellText(0, 1), "Name");
    EXPECT_EQ(dialog.CellText(0, 2), "Scores");
    EXPECT_EQ(dialog.CellText(1, 0), "");
    dialog.hide();
}

TEST_F(HiscoresDialogTest, FirstActivationFillsTheGridFromTheTable) {
    PlaceNewScore(scores, 70);
    scores.playerName = "Second";
    PlaceNewScore(scores, 40);
    dialog.show();
    EXPECT_EQ(dialog.CellText(1, 0), "1");
    EXPECT_EQ(dialog.CellText(1, 1), "New Player");
    EXPECT_EQ(dialog.CellText(1, 2), "70");
    EXPECT_EQ(dialog.CellText(2, 1), "Second");
    EXPECT_EQ(dialog.CellText(3, 1), "");
    dialog.hide();
}

TEST_F(HiscoresDialogTest, TypedNameIsEnteredAndWritten) {
    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        EXPECT_FALSE(d->E_EditName->isHidden());
        EXPECT_EQ(d->E_EditName->pos(), QPoint(57, 41));
        EXPECT_EQ(d->E_EditName->text(), "New Player");
        EXPECT_TRUE(QTest::qWaitFor([d] { return d->E_EditName->hasFocus(); }, 2000));
        EXPECT_EQ(d->E_EditName->selectedText(), "New Player") << "typing replaces it";
        QTest::keyClicks(d->E_EditName, "Alice");
        EXPECT_EQ(d->E_EditName->text(), "Alice");
        QTest::keyClick(d->E_EditName, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << "Enter presses OK";
    });
    EXPECT_TRUE(EnterHighScore(dialog, scores, paths, 1234));
    EXPECT_EQ(scores.playerName, "Alice");
    EXPECT_EQ(dialog.CellText(1, 0), "1");
    EXPECT_EQ(dialog.CellText(1, 1), "Alice");
    EXPECT_EQ(dialog.CellText(1, 2), "1234");
    std::vector<std::uint8_t> expected(28, 0);
    WriteInt32Le(expected.data(), 1234);
    expected[4] = 5;
    std::copy_n("Alice", 5, expected.begin() + 5);
    // "New Player" stood in the slot before: its remnants stay.
    std::copy_n("layer", 5, expected.begin() + 10);
    EXPECT_EQ(ReadBytes(paths.scoreFile), expected);
}

TEST_F(HiscoresDialogTest, EscapeClosesOnlyFromTheOkButton) {
    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        (void)QTest::qWaitFor([d] { return d->E_EditName->hasFocus(); }, 2000);
        d->E_EditName->setText("Bob");
        QTest::keyClick(d->E_EditName, Qt::Key_Escape);
        EXPECT_TRUE(d->isVisible()) << "Escape in the edit box does nothing";
        d->BB_OK->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([d] { return d->BB_OK->hasFocus(); }, 2000));
        QTest::keyClick(d->BB_OK, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(EnterHighScore(dialog, scores, paths, 10));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(scores.table.entries[0].Name(), "Bob") << "taken like OK";
    EXPECT_EQ(ReadBytes(paths.scoreFile).size(), 28u);
}

TEST_F(HiscoresDialogTest, EditBoxSitsOnTheNewRowAndOffersTheLastName) {
    ASSERT_TRUE(EnterTyping(300, "Carol"));
    ASSERT_TRUE(EnterTyping(200, "Dan"));
    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        EXPECT_EQ(d->E_EditName->pos(), QPoint(57, 41 + 23 * 2));
        EXPECT_EQ(d->E_EditName->text(), "Dan");
        d->accept();
    });
    EXPECT_TRUE(EnterHighScore(dialog, scores, paths, 100));
    EXPECT_EQ(dialog.CellText(3, 1), "Dan");
    EXPECT_EQ(dialog.CellText(3, 0), "3");
}

TEST_F(HiscoresDialogTest, LongAndCyrillicNames) {
    const QString thirty(30, QChar('w'));
    ASSERT_TRUE(EnterTyping(50, thirty));
    EXPECT_EQ(scores.playerName.size(), 30u);
    EXPECT_EQ(scores.table.entries[0].Name(), std::string(20, 'w'));
    EXPECT_EQ(dialog.CellText(1, 1), QString(20, QChar('w')));

    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        EXPECT_EQ(d->E_EditName->text().size(), 30) << "the whole player name is offered";
        d->E_EditName->setText(QString::fromUtf8("Ёжик 日"));
        d->accept();
    });
    ASSERT_TRUE(EnterHighScore(dialog, scores, paths, 60));
    EXPECT_EQ(scores.table.entries[0].Name(), "\xA8\xE6\xE8\xEA ?");
    EXPECT_EQ(dialog.CellText(1, 1), QString::fromUtf8("Ёжик ?"));
    const auto file = ReadBytes(paths.scoreFile);
    ASSERT_EQ(file.size(), 56u);
    EXPECT_EQ(std::string(file.begin() + 5, file.begin() + 11), "\xA8\xE6\xE8\xEA ?");
}

TEST_F(HiscoresDialogTest, FullTableAndAnEqualScoreIsNotEntered) {
    for (int i = 0; i < 10; ++i) {
        PlaceNewScore(scores, 100);
    }
    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        EXPECT_TRUE(d->E_EditName->isHidden());
        d->accept();
    });
    EXPECT_FALSE(EnterHighScore(dialog, scores, paths, 100));
    EXPECT_FALSE(std::filesystem::exists(paths.scoreFile)) << "nothing written";
}

TEST_F(HiscoresDialogTest, FailedWriteKeepsTheEntryAndThrows) {
    const DataPaths missing = MakeDataPaths(dir / "exe", dir / "no/share");
    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        d->E_EditName->setText("Eve");
        d->accept();
    });
    try {
        EnterHighScore(dialog, scores, missing, 5);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), kInvalidFileName);
    }
    EXPECT_EQ(scores.table.count, 1);
    EXPECT_EQ(dialog.CellText(1, 1), "Eve");
}

TEST_F(HiscoresDialogTest, ShowCommandHidesTheEditBox) {
    ASSERT_TRUE(EnterTyping(9, "Fay"));
    WhenModal<TF_Hiscores>([](TF_Hiscores* d) {
        EXPECT_TRUE(d->E_EditName->isHidden());
        EXPECT_EQ(d->CellText(1, 1), "Fay");
        QTest::keyClick(d->BB_OK, Qt::Key_Return);
    });
    ShowHighScoresCommand(&dialog);
}

TEST_F(HiscoresDialogTest, ClearAsksThenEmptiesTableGridAndFiles) {
    ASSERT_TRUE(EnterTyping(9, "Gus"));
    test::WriteBytes(paths.fallbackScoreFile, std::vector<std::uint8_t>(28, 1));

    std::vector<std::string> asked;
    bool answer = false;
    const auto ask = [&](const std::string& question) {
        asked.push_back(question);
        return answer;
    };
    ClearHighScoresCommand(scores, paths, &dialog, ask);
    EXPECT_EQ(scores.table.count, 1);
    EXPECT_TRUE(std::filesystem::exists(paths.scoreFile));

    answer = true;
    ClearHighScoresCommand(scores, paths, &dialog, ask);
    EXPECT_EQ(asked, (std::vector<std::string>(2, "Clear High Scores?")));
    EXPECT_EQ(scores.table.count, 0);
    EXPECT_EQ(dialog.CellText(1, 1), "");
    EXPECT_EQ(dialog.CellText(1, 0), "");
    EXPECT_EQ(dialog.CellText(0, 1), "Name");
    EXPECT_FALSE(std::filesystem::exists(paths.scoreFile));
    EXPECT_FALSE(std::filesystem::exists(paths.fallbackScoreFile));
}

}  // namespace
}  // namespace quorbals
