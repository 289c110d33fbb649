#include "platform/qt/sound_cue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/wave_pcm.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::CurrentFolder;
using test::TempFolder;

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
    QCoreApplication::processEvents();
    EXPECT_EQ(alerts, 0);
    // Each file is read at its first cue and kept: later cues need it no more.
    std::filesystem::remove(program / "move.wav");
    std::filesystem::remove(here / "select.wav");
    player.Play("move.wav");
    player.Play("select.wav");
    EXPECT_EQ(alerts, 0);
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
        QFile file(QString::fromStdString(SourceWave(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const auto pcm = DecodeWave(file.readAll());
        ASSERT_TRUE(pcm.has_value()) << name;
        EXPECT_EQ(pcm->format.sampleRate(), 22050) << name;
        EXPECT_FALSE(pcm->samples.isEmpty()) << name;
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
