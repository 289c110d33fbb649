// A main window with recording stand-ins for sound, help and the browser.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/error_report.h"
#include "app/qt/main_window.h"
#include "platform/qt/sound_cue.h"
#include "storage/qt/game_file_dialogs.h"

namespace quorbals::test {

struct RecordingSound : SoundPlayer {
    std::vector<std::string> played;
    void Play(const char* waveName) override { played.emplace_back(waveName); }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetErrorSinkForTesting(
            [this](QWidget*, const QString& text) { errors.push_back(text.toStdString()); });
        MainWindowServices services;
        services.sound = &sound;
        services.fileDialogs = &fileDialogs;
        window = std::make_unique<TF_Main>(services);
        window->app.paths.helpFile = "/opt/quorbals/quorbals.chm";
    }
    void TearDown() override {
        window.reset();
        SetErrorSinkForTesting({});
    }

    // Shows the window and lets it become active, which deals the first game.
    void ShowAndActivate() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->activatedOnce());
    }

    int BallCount() const {
        int n = 0;
        for (BallColor c : window->state.desk) {
            if (c != kNoBall)
                ++n;
        }
        return n;
    }

    RecordingSound sound;
    GameFileDialogs fileDialogs;
    std::vector<std::string> errors;
    std::unique_ptr<TF_Main> window;
};

}  // namespace quorbals::test
