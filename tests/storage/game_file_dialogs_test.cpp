#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "storage/qt/game_file_dialogs.h"
#include "tests/storage/modal_step.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::TempFolder;
using test::WhenModal;

QLineEdit* NameEdit(QFileDialog* d) {
    return d->findChild<QLineEdit*>("fileNameEdit");
}

class GameFileDialogsTest : public ::testing::Test {
protected:
    GameFileDialogsTest() : previous(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(dir.path()));
    }
    ~GameFileDialogsTest() override { QDir::setCurrent(previous); }

    QString InDir(const char* name) const {
        return QDir(QString::fromStdString(dir.path())).absoluteFilePath(QString::fromLatin1(name));
    }

    TempFolder dir;
    QString previous;
    GameFileDialogs dialogs;
};

void ExpectCommonSettings(QFileDialog* d) {
    EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(d->nameFilters(), QStringList{"Quorbals game (*.kvx)"});
    EXPECT_EQ(d->defaultSuffix(), "kvx");
    EXPECT_TRUE(d->isModal());
}

TEST_F(GameFileDialogsTest, FirstSaveOffersSave1AndAddsTheSuffix) {
    WhenModal<QFileDialog>([](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Save game");
        ExpectCommonSettings(d);
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
        ASSERT_NE(NameEdit(d), nullptr);
        EXPECT_EQ(NameEdit(d)->text(), "save1.kvx");
        NameEdit(d)->setText("mine");
        static_cast<QDialog*>(d)->accept();
    });
    const auto path = dialogs.AskSavePath(nullptr, "", "save1.kvx");
    ASSERT_TRUE(path);
    EXPECT_EQ(QString::fromStdString(*path), InDir("mine.kvx"));

    // A name in a folder is offered there.
    WhenModal<QFileDialog>([this](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Load game");
        ExpectCommonSettings(d);
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(d->selectedFiles().value(0), InDir("mine.kvx"));
        d->reject();
    });
    EXPECT_FALSE(dialogs.AskLoadPath(nullptr, dir.path() + "/", "mine.kvx"));
}

TEST_F(GameFileDialogsTest, NoNameOffersNothing) {
    WhenModal<QFileDialog>([](QFileDialog* d) {
        EXPECT_TRUE(NameEdit(d)->text().isEmpty());
        d->reject();
    });
    EXPECT_FALSE(dialogs.AskLoadPath(nullptr, "", ""));
}

TEST_F(GameFileDialogsTest, SavingOverAFileAsksFirst) {
    test::WriteBytes(dir / "save1.kvx", {1});
    bool asked = false;
    WhenModal<QFileDialog>([&asked](QFileDialog* d) {
        WhenModal<QMessageBox>([&asked](QMessageBox* box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
        static_cast<QDialog*>(d)->accept();
    });
    const auto path = dialogs.AskSavePath(nullptr, "", "save1.kvx");
    EXPECT_TRUE(asked);
    ASSERT_TRUE(path);
    EXPECT_EQ(QString::fromStdString(*path), InDir("save1.kvx"));
}

TEST_F(GameFileDialogsTest, LoadGivesTheChosenFile) {
    test::WriteBytes(dir / "old.kvx", {1});
    WhenModal<QFileDialog>([](QFileDialog* d) {
        NameEdit(d)->setText("old.kvx");
        static_cast<QDialog*>(d)->accept();
    });
    const auto path = dialogs.AskLoadPath(nullptr, "", "");
    ASSERT_TRUE(path);
    EXPECT_EQ(QString::fromStdString(*path), InDir("old.kvx"));
}

}  // namespace
}  // namespace quorbals
