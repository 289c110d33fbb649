// The main window's settings file and its Save and Load commands.
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <fstream>

#include "storage/qt/game_file_dialogs.h"
#include "storage/saved_game.h"
#include "tests/app/main_window_fixture.h"
#include "tests/storage/modal_step.h"
#include "tests/support/temp_folder.h"
#include "view/qt/desk_view.h"
#include "view/qt/picture_image.h"

namespace quorbals::test {
namespace {

std::vector<char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Settings(std::int32_t left, std::int32_t top, int sound,
                                   std::size_t size = 9) {
    std::vector<std::uint8_t> b(std::max<std::size_t>(size, 9), 0);
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(left) >> (8 * i));
        b[4 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(top) >> (8 * i));
    }
    b[8] = static_cast<std::uint8_t>(sound);
    b.resize(size);
    return b;
}

class SettingsTest : public MainWindowTest {
protected:
    QRect Screen() const { return QGuiApplication::primaryScreen()->geometry(); }
    TempFolder folder;
    std::string file = folder.path() + "/quorbals.set";
};

TEST_F(SettingsTest, FirstRunIsCentredWithSoundOn) {
    window->SetSoundChecked(false);
    window->WindowSettingsLoad(file);
    EXPECT_TRUE(window->SoundChecked());
    EXPECT_EQ(window->x(), (Screen().width() - window->width()) / 2);
    EXPECT_EQ(window->y(), (Screen().height() - window->height()) / 2);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsTest, StoredPositionAndSoundAreAppliedAndClamped) {
    WriteAll(file, Settings(10, 20, 0));
    window->WindowSettingsLoad(file);
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    EXPECT_FALSE(window->SoundChecked());

    WriteAll(file, Settings(-40, 100000, 7, 12));  // longer files load from 9 bytes
    window->WindowSettingsLoad(file);
    EXPECT_EQ(window->x(), 0);
    EXPECT_EQ(window->y(), Screen().height() - window->height());
    EXPECT_TRUE(window->SoundChecked()) << "any byte but 0 means on";
    EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsTest, EightBytesPlaceTheWindowThenReportTheShortFile) {
    WriteAll(file, Settings(30, 40, 0, 8));
    window->WindowSettingsLoad(file);
    EXPECT_EQ(window->pos(), QPoint(30, 40));
    EXPECT_TRUE(window->SoundChecked());
    EXPECT_EQ(errors, (std::vector<std::string>{"Read beyond end of file."}));

    errors.clear();
    WriteAll(file, Settings(30, 40, 0, 7));
    window->WindowSettingsLoad(file);
    EXPECT_EQ(window->x(), (Screen().width() - window->width()) / 2);
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(SettingsTest, ClosingStoresPositionAndSoundEvenAfterAFailedWrite) {
    window->app.paths.settingsFile = file;
    window->show();
    window->move(50, 60);
    window->MI_OptionsSound->trigger();
    window->close();
    const auto bytes = ReadAll(file);
    ASSERT_EQ(bytes.size(), 9u);
    const auto expected = Settings(window->x(), window->y(), 0);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin()));

    // A folder that is gone: the failure is reported and the window closes.
    window->app.paths.settingsFile = folder.path() + "/missing/quorbals.set";
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(errors, (std::vector<std::string>{"Invalid file name."}));
}

class GameFileTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowAndActivate();
        window->T_GlowTimer.stop();
    }
    static void ChooseFile(const std::string& path) {
        WhenModal<QFileDialog>([path](QFileDialog* d) {
            d->selectFile(QString::fromStdString(path));
            static_cast<QDialog*>(d)->accept();
        });
    }
    TempFolder folder;
};

TEST_F(GameFileTest, SaveKeepsTheTimersAndLoadGivesTheGameBack) {
    const std::string path = folder.path() + "/game.kvx";
    window->state.score = 345;
    const GameState saved = window->state;
    window->WaitTimer.start();
    ChooseFile(path);
    window->commands.MI_GameSaveClick();
    EXPECT_TRUE(window->WaitTimer.isActive());
    EXPECT_FALSE(window->MoveTimer.isActive());
    EXPECT_EQ(ReadAll(path).size(), 1320u);

    window->Item(MenuCommand::GameNew)->trigger();
    window->state.selection = {1, 1, 2, 3};
    window->MoveTimer.start();
    ChooseFile(path);
    window->commands.MI_GameLoadClick();
    EXPECT_EQ(window->state.desk, saved.desk);
    EXPECT_EQ(window->state.nextBalls, saved.nextBalls);
    EXPECT_EQ(window->state.score, 345);
    EXPECT_EQ(window->state.selection.color, kNoBall);
    // A loaded game replaces a ball in flight and a pending turn.
    EXPECT_FALSE(window->MoveTimer.isActive());
    EXPECT_FALSE(window->WaitTimer.isActive());
    EXPECT_EQ(window->L_Scores->text(), QStringLiteral("345"));
    const QImage& picture = window->I_Desk->Picture();
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const BallColor c = saved.desk[CellIndex(x, y)];
            const QImage cell = picture.copy(x * 29 + 4, y * 29 + 4, 22, 22);
            const QImage expected =
                c == kNoBall
                    ? PictureImage(window->commands.Pictures().sheets.arrows).copy(92, 69, 22, 22)
                    : PictureImage(window->commands.Pictures().sheets.tiles)
                          .copy(0, c * 23, 22, 22);
            EXPECT_EQ(cell, expected) << x << "," << y;
        }
    }
}

TEST_F(GameFileTest, RefusedOrFailedLoadLeavesGameAndTimers) {
    const GameState before = window->state;
    window->MoveTimer.start();

    const std::string bad = folder.path() + "/bad.kvx";
    std::vector<std::uint8_t> bytes(1320, 0);
    bytes[0] = 'k', bytes[1] = 'v', bytes[2] = 'x', bytes[3] = '!';
    WriteAll(bad, bytes);
    ChooseFile(bad);
    window->commands.MI_GameLoadClick();
    // The refusal is an error box of its own, without a full stop added.
    EXPECT_EQ(errors, (std::vector<std::string>{"\"bad.kvx\" is invalid or corrupt!"}));
    EXPECT_EQ(window->state.desk, before.desk);
    EXPECT_TRUE(window->MoveTimer.isActive());

    const std::string shortFile = folder.path() + "/short.kvx";
    bytes[3] = 0;
    bytes.resize(1319);
    WriteAll(shortFile, bytes);
    ChooseFile(shortFile);
    window->Item(MenuCommand::GameLoad)->trigger();
    EXPECT_EQ(errors, (std::vector<std::string>{"\"bad.kvx\" is invalid or corrupt!",
                                                "Read beyond end of file."}));
    EXPECT_EQ(window->state.desk, before.desk);
    EXPECT_TRUE(window->MoveTimer.isActive());
}

TEST_F(GameFileTest, CancelledDialogsChangeNothing) {
    window->WaitTimer.start();
    WhenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    window->commands.MI_GameSaveClick();
    EXPECT_TRUE(window->WaitTimer.isActive());
    WhenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    window->commands.MI_GameLoadClick();
    EXPECT_TRUE(window->WaitTimer.isActive());
}

}  // namespace
}  // namespace quorbals::test
