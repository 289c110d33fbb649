// The line scan on full Desks, one whole turn cycle, and the simulator's
// moves per second.
#include <benchmark/benchmark.h>

#include <ostream>

#include "bench/bench_registry.h"
#include "bench/board_corpus.h"
#include "game/lines.h"
#include "game/move.h"
#include "game/null_effects.h"
#include "game/path_search.h"
#include "game/spawning.h"
#include "game/turn_cycle.h"
#include "tools/sim/bot.h"
#include "tools/sim/simulation.h"

namespace quorbals::bench {

namespace {

// Copies what a scan or a turn changes, leaving the rest of scratch alone.
void CopyRecords(const GameState& from, GameState& to) {
    to.desk = from.desk;
    to.freeCellList = from.freeCellList;
    to.freeCount = from.freeCount;
    to.score = from.score;
    to.nextBalls = from.nextBalls;
    to.randomState = from.randomState;
}

void ScanFullNoLines(benchmark::State& st) {
    std::vector<GameState> boards = FullBoards(16, false);
    NullEffects effects;
    for (auto _ : st) {
        for (GameState& board : boards) {
            benchmark::DoNotOptimize(ScanLines(board, effects));  // changes nothing
        }
    }
    st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(boards.size()));
}

void ScanFullWithLines(benchmark::State& st) {
    const std::vector<GameState> boards = FullBoards(16, true);
    GameState scratch = boards[0];
    NullEffects effects;
    std::int64_t removed = 0;
    for (auto _ : st) {
        for (const GameState& board : boards) {
            CopyRecords(board, scratch);
            removed += ScanLines(scratch, effects);
        }
    }
    st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(boards.size()));
    st.counters["removed/scan"] =
        static_cast<double>(removed) / static_cast<double>(st.iterations() * boards.size());
}

// Desks as bot moves left them, just before their turn cycles.
std::vector<GameState> MidGameStates(int count) {
    std::vector<GameState> states;
    GameState state;
    state.randomState = 3;
    NullEffects effects;
    NewGame(state, effects);
    for (int move = 0; static_cast<int>(states.size()) < count; ++move) {
        const auto choice = sim::ChooseMove(state);
        if (!choice) {
            NewGame(state, effects);
            continue;
        }
        state.path.start = choice->from;
        FindPath(state, effects, choice->to);
        MoveBall(state, choice->from, choice->to);
        if (move % 3 == 0) {
            states.push_back(state);
        }
        state.turnPhase = 0;
        WaitTimerTick(state, effects);
    }
    return states;
}

void TurnCycle(benchmark::State& st) {
    const std::vector<GameState> states = MidGameStates(64);
    GameState scratch = states[0];
    NullEffects effects;
    for (auto _ : st) {
        for (const GameState& before : states) {
            CopyRecords(before, scratch);
            scratch.turnPhase = 0;
            WaitTimerTick(scratch, effects);
        }
        benchmark::DoNotOptimize(scratch.score);
    }
    st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(states.size()));
}

void SimulatorMoves(benchmark::State& st) {
    std::ostream nowhere(nullptr);
    std::uint32_t seed = 1;
    std::int64_t moves = 0;
    for (auto _ : st) {
        sim::SimOptions options;
        options.seed = seed++;
        sim::Simulation simulation(options, nowhere, nowhere);
        simulation.Run();
        moves += simulation.Totals().moves;
    }
    st.SetItemsProcessed(moves);
    st.counters["moves/game"] = static_cast<double>(moves) / static_cast<double>(st.iterations());
}

}  // namespace

void RegisterRulesBenchmarks() {
    benchmark::RegisterBenchmark("ScanLines/full_no_lines", ScanFullNoLines)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ScanLines/full_with_lines", ScanFullWithLines)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("TurnCycle/mid_game", TurnCycle)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Simulator/one_game", SimulatorMoves)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace quorbals::bench
