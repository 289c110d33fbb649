// Effects that do nothing: the rules played headless (simulator,
// benchmarks). Override what you need to observe.
#pragma once

#include "game/effects.h"

namespace quorbals {

class NullEffects : public Effects {
public:
    void StartTimer(GameTimer) override {}
    void StopTimer(GameTimer) override {}
    void DrawBallTile(int, int, int, int) override {}
    void DrawEmptyTile(int, int) override {}
    void DrawArrowSprite(int, int, int) override {}
    void DrawPreviewTile(int, int) override {}
    void ResetDesk() override {}
    void RepaintDesk() override {}
    void SetScoreText(std::int32_t) override {}
    void PlaySound(SoundCue) override {}
    void ShowGameOver() override {}
    bool EnterHighScore() override { return true; }
    void PathCountError() override {}
};

}  // namespace quorbals
