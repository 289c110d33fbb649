// An Effects that records every request as a short text, in order, so tests
// can compare what the rules asked for with what they should have asked.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/effects.h"

namespace quorbals::testing {

inline const char* TimerName(GameTimer timer) {
    return timer == GameTimer::Wait ? "Wait" : "Move";
}

inline const char* CueName(SoundCue cue) {
    switch (cue) {
        case SoundCue::Select:
            return "Select";
        case SoundCue::Move:
            return "Move";
        case SoundCue::Remove:
            return "Remove";
        case SoundCue::Add:
            return "Add";
        case SoundCue::End:
            return "End";
    }
    return "?";
}

class FakeEffects : public Effects {
public:
    std::vector<std::string> events;

    // What EnterHighScore reports; false stands for a failed score write.
    bool enterHighScoreResult = true;
    // Run inside ShowGameOver and EnterHighScore, e.g. to look at the state.
    std::function<void()> onShowGameOver;
    std::function<void()> onEnterHighScore;

    int pathCountErrors = 0;

    void StartTimer(GameTimer timer) override {
        Record(std::string("StartTimer(") + TimerName(timer) + ")");
    }
    void StopTimer(GameTimer timer) override {
        Record(std::string("StopTimer(") + TimerName(timer) + ")");
    }
    void DrawBallTile(int x, int y, int color, int frame) override {
        Record("DrawBallTile(" + Join({x, y, color, frame}) + ")");
    }
    void DrawEmptyTile(int x, int y) override { Record("DrawEmptyTile(" + Join({x, y}) + ")"); }
    void DrawArrowSprite(int x, int y, int index) override {
        Record("DrawArrowSprite(" + Join({x, y, index}) + ")");
    }
    void DrawPreviewTile(int slot, int color) override {
        Record("DrawPreviewTile(" + Join({slot, color}) + ")");
    }
    void ResetDesk() override { Record("ResetDesk"); }
    void RepaintDesk() override { Record("RepaintDesk"); }
    void SetScoreText(std::int32_t score) override {
        Record("SetScoreText(" + std::to_string(score) + ")");
    }
    void PlaySound(SoundCue cue) override {
        Record(std::string("PlaySound(") + CueName(cue) + ")");
    }
    void ShowGameOver() override {
        Record("ShowGameOver");
        if (onShowGameOver) {
            onShowGameOver();
        }
    }
    bool EnterHighScore() override {
        Record("EnterHighScore");
        if (onEnterHighScore) {
            onEnterHighScore();
        }
        return enterHighScoreResult;
    }
    void PathCountError() override {
        Record("PathCountError");
        ++pathCountErrors;
    }

    void Clear() { events.clear(); }

    // The events that begin with prefix, in order.
    std::vector<std::string> Matching(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const std::string& e : events) {
            if (e.starts_with(prefix)) {
                out.push_back(e);
            }
        }
        return out;
    }
    std::vector<std::string> Sounds() const { return Matching("PlaySound"); }
    int Count(std::string_view prefix) const { return static_cast<int>(Matching(prefix).size()); }
    // Position of the first event equal to text, or -1.
    int IndexOf(std::string_view text) const {
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (events[i] == text) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private:
    void Record(std::string text) { events.push_back(std::move(text)); }

    static std::string Join(std::initializer_list<int> values) {
        std::string out;
        for (int v : values) {
            if (!out.empty()) {
                out += ',';
            }
            out += std::to_string(v);
        }
        return out;
    }
};

}  // namespace quorbals::testing
