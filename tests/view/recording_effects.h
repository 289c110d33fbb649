// An Effects that records every request as a short line of text, and keeps
// the two game timers' states so tests can tell when the Desk is busy.
#pragma once

#include <string>
#include <vector>

#include "game/effects.h"

namespace quorbals::testing {

class RecordingEffects : public Effects {
public:
    std::vector<std::string> calls;
    bool moveTimer = false;
    bool waitTimer = false;

    bool Busy() const { return moveTimer || waitTimer; }
    void Clear() { calls.clear(); }
    int Count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls) {
            n += c == call ? 1 : 0;
        }
        return n;
    }

    void StartTimer(GameTimer timer) override {
        Timer(timer) = true;
        calls.push_back(std::string("start ") + Name(timer));
    }
    void StopTimer(GameTimer timer) override {
        Timer(timer) = false;
        calls.push_back(std::string("stop ") + Name(timer));
    }
    void DrawBallTile(int x, int y, int color, int frame) override {
        calls.push_back("ball " + Xy(x, y) + " c" + std::to_string(color) + " f" +
                        std::to_string(frame));
    }
    void DrawEmptyTile(int x, int y) override { calls.push_back("empty " + Xy(x, y)); }
    void DrawArrowSprite(int x, int y, int index) override {
        calls.push_back("arrow " + Xy(x, y) + " " + std::to_string(index));
    }
    void DrawPreviewTile(int slot, int color) override {
        calls.push_back("preview " + std::to_string(slot) + " c" + std::to_string(color));
    }
    void ResetDesk() override { calls.push_back("reset"); }
    void RepaintDesk() override { calls.push_back("repaint"); }
    void SetScoreText(std::int32_t score) override {
        calls.push_back("score " + std::to_string(score));
    }
    void PlaySound(SoundCue cue) override {
        static const char* const kNames[] = {"select", "move", "remove", "add", "end"};
        calls.push_back(std::string("sound ") + kNames[static_cast<int>(cue)]);
    }
    void ShowGameOver() override { calls.push_back("game over"); }
    bool EnterHighScore() override {
        calls.push_back("high score");
        return true;
    }
    void PathCountError() override { calls.push_back("path count error"); }

private:
    static const char* Name(GameTimer timer) { return timer == GameTimer::Wait ? "wait" : "move"; }
    bool& Timer(GameTimer timer) { return timer == GameTimer::Wait ? waitTimer : moveTimer; }
    static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

}  // namespace quorbals::testing
