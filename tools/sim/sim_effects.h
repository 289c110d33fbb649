// The simulator's stand-in for the window: draws nothing, plays nothing, and
// notes the end of a game together with the state it ended in.
#pragma once

#include "game/null_effects.h"
#include "game/state.h"

namespace quorbals::sim {

class SimEffects : public NullEffects {
public:
    explicit SimEffects(const GameState& state) : state_(state) {}

    // The turn cycle calls this on a full Desk before the new game resets
    // the records, so the finished game is kept here for the trace.
    void ShowGameOver() override {
        gameOver_ = true;
        finalState_ = state_;
    }
    // No table and no dialog: the new game follows at once.
    bool EnterHighScore() override { return true; }
    void PathCountError() override { pathCountError_ = true; }

    // Forget the previous turn's game over.
    void BeginTurn() { gameOver_ = false; }
    bool GameOver() const { return gameOver_; }
    const GameState& FinalState() const { return finalState_; }
    bool PathCountErrorSeen() const { return pathCountError_; }

private:
    const GameState& state_;
    GameState finalState_;
    bool gameOver_ = false;
    bool pathCountError_ = false;
};

}  // namespace quorbals::sim
