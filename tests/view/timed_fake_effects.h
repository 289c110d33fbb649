// The rules' recording fake, which also keeps the two game timers' states,
// so that a test can pass the Desk's `busy` as the main window would.
#pragma once

#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"

namespace quorbals::testing {

class TimedFakeEffects : public FakeEffects {
public:
    bool moveTimer = false;
    bool waitTimer = false;

    bool Busy() const { return moveTimer || waitTimer; }

    void StartTimer(GameTimer timer) override {
        FakeEffects::StartTimer(timer);
        (timer == GameTimer::Move ? moveTimer : waitTimer) = true;
    }
    void StopTimer(GameTimer timer) override {
        FakeEffects::StopTimer(timer);
        (timer == GameTimer::Move ? moveTimer : waitTimer) = false;
    }
};

// An empty Desk whose route grid is all free cells.
inline GameState EmptyDesk() {
    GameState state = EmptyGame();
    state.path.grid.fill(kPathFree);
    state.arrowMarks.fill(-1);
    return state;
}

}  // namespace quorbals::testing
