// Headless play: the bot moves, the rules answer, games follow one another
// from one random source exactly as they would in the window.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "game/path_search.h"
#include "game/state.h"
#include "tools/sim/sim_effects.h"
#include "tools/sim/sim_options.h"

namespace quorbals::sim {

// Exit statuses of quorbals-sim.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // a --check violation or a broken route
constexpr int kExitUsage = 2;
constexpr int kExitFileError = 3;  // a saved game that was refused or not written
constexpr int kExitPathCountError = 4;
constexpr int kExitNotSaved = 5;  // game 0 ended before the move to save after

struct SimTotals {
    std::int64_t games = 0;  // finished games, stuck ones included
    std::int64_t stuckGames = 0;
    std::int64_t moves = 0;
    std::int64_t totalScore = 0;  // final scores of the finished games
};

class Simulation {
public:
    // Trace lines go to `out`, errors to `err`.
    Simulation(const SimOptions& options, std::ostream& out, std::ostream& err);

    // RandomState = seed, then NewGame. Run() does it when nobody did; a
    // caller may start, change State() and then run.
    void Start();
    // RandomState = seed and no deal: the records stay as at start-up until
    // the caller replaces them (a loaded game), and game 0 is played from
    // whatever State() then holds.
    void StartUndealt();
    GameState& State() { return state_; }

    // Plays options.games games; returns the exit status. Without --trace
    // the caller prints the summary from Totals().
    int Run();
    const SimTotals& Totals() const { return totals_; }

    // Called after every move's turn cycle with the game and move numbers
    // and the records as the trace shows them (at a game over: before the
    // new game), e.g. to save a game after a given move. Any status but
    // kExitOk stops the run at once with that status.
    std::function<int(const GameState&, std::int64_t game, std::int64_t turn)> afterMove;

private:
    // Plays one game to its end; returns an exit status.
    int PlayGame(std::int64_t game);
    // Returns false (after reporting) when a --check finds a fault.
    bool Check(const GameState& state, std::int64_t game, std::int64_t turn);
    bool CheckRoute(Cell from, Cell to, const Route& route, std::int64_t game, std::int64_t turn);
    bool Fail(std::int64_t game, std::int64_t turn, const std::string& what);
    void Flush(bool force);

    SimOptions options_;
    std::ostream& out_;
    std::ostream& err_;
    GameState state_;
    SimEffects effects_;
    SimTotals totals_;
    std::string buffer_;
    bool started_ = false;
};

// What `quorbals-sim` does with its arguments (those after the program name).
int SimMain(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

}  // namespace quorbals::sim
