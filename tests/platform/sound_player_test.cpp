#include "platform/qt/sound_cue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::CurrentFolder;
using test::TempFolder;

// Lets background loading finish.
void Settle(int milliseconds = 300) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qSleep(5);
    }
}

std::string SourceWave(const char* name) {
    return std::string(ASSETS_DIR) + "/sounds/" + name;
}

TEST(QtSoundPlayerTest, MissingFileGivesTheAlertAtEveryCue) {
    TempFolder here;
    TempFolder program;
    CurrentFolder cd(here.path());
    int alerts = 0;
    QtSoundPlayer player(program.dir(), [&] { ++alerts; });

    player.Play("select.wav");
    EXPECT_EQ(alerts, 1);
    player.Play("select.wav");
    EXPECT_EQ(alerts, 2);
}

TEST(QtSoundPlayerTest, FoundFilesPlayWithoutAlertAndRepeatedCuesRestart) {
    TempFolder here;
    TempFolder program;
    std::filesystem::copy_file(SourceWave("move.wav"), program / "move.wav");
    std::filesystem::copy_file(SourceWave("select.wav"), here / "select.wav");
    CurrentFolder cd(here.path());
    int alerts = 0;
    QtSoundPlayer player(program.dir(), [&] { ++alerts; });

    player.Play("select.wav");
    for (int tick = 0; tick < 5; ++tick) {
        player.Play("move.wav");
    }
    Settle();
    player.Play("move.wav");
    Settle(100);
    EXPECT_EQ(alerts, 0);
    // Two files, one effect each, whatever the number of cues.
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 2);
}

TEST(QtSoundPlayerTest, UndecodableFileGivesTheAlertOnceLoadingFails) {
    TempFolder program;
    program.Write("end.wav", std::string("RIFF\x10\0\0\0WAVEjunk", 16) + std::string(64, 'z'));
    TempFolder here;
    CurrentFolder cd(here.path());
    int alerts = 0;
    QtSoundPlayer player(program.dir(), [&] { ++alerts; });

    player.Play("end.wav");
    QElapsedTimer clock;
    clock.start();
    while (alerts == 0 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(alerts, 1);
    // Known to be broken from now on: the alert comes at once.
    player.Play("end.wav");
    EXPECT_EQ(alerts, 2);
}

TEST(QtSoundPlayerTest, EveryShippedWaveFileDecodes) {
    for (const char* name : {"select.wav", "move.wav", "remove.wav", "add.wav", "end.wav"}) {
        QSoundEffect effect;
        QSignalSpy status(&effect, &QSoundEffect::statusChanged);
        effect.setSource(QUrl::fromLocalFile(QString::fromStdString(SourceWave(name))));
        QElapsedTimer clock;
        clock.start();
        while (effect.status() != QSoundEffect::Ready && effect.status() != QSoundEffect::Error &&
               clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << name;
    }
}

// What the game's other parts see: the interface, recorded by a fake.
class RecordingPlayer : public SoundPlayer {
public:
    void Play(const char* waveName) override { cues.emplace_back(waveName); }
    std::vector<std::string> cues;
};

TEST(SoundPlayerTest, FakesRecordTheCueNames) {
    RecordingPlayer fake;
    SoundPlayer& player = fake;
    player.Play("select.wav");
    player.Play("move.wav");
    EXPECT_EQ(fake.cues, (std::vector<std::string>{"select.wav", "move.wav"}));
}

}  // namespace
}  // namespace quorbals
