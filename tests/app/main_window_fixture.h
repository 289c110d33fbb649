// A main window with recording stand-ins for sound, help and the browser.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/error_report.h"
#include "app/main_window.h"
#include "platform/sound_cue.h"

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
        services.helpFile = "/opt/quorbals/quorbals.chm";
        services.enterHighScore = [this](QWidget*, std::int32_t score) {
            enteredScores.push_back(score);
            return enterHighScoreResult;
        };
        window = std::make_unique<TF_Main>(services);
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
    std::vector<std::string> errors;
    std::vector<std::int32_t> enteredScores;
    bool enterHighScoreResult = true;
    std::unique_ptr<TF_Main> window;
};

}  // namespace quorbals::test
