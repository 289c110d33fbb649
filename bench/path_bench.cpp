// The route search against a plain breadth-first flood fill over the same
// boards and queries: the flood fill is the floor any search must pay.
#include <benchmark/benchmark.h>

#include "bench/bench_registry.h"
#include "bench/board_corpus.h"
#include "game/null_effects.h"
#include "game/path_search.h"

namespace quorbals::bench {

namespace {

// Breadth-first fill from the ball through free cells until the target is
// reached, or the ball's whole region is filled.
bool FloodReaches(const std::array<BallColor, kCellCount>& desk, Cell start, Cell target) {
    std::array<std::uint8_t, kCellCount> seen{};
    std::array<std::uint8_t, kCellCount> queue;
    int head = 0, tail = 0;
    const int goal = CellIndex(target.x, target.y);
    queue[tail++] = static_cast<std::uint8_t>(CellIndex(start.x, start.y));
    seen[queue[0]] = 1;
    while (head < tail) {
        const int cell = queue[head++];
        if (cell == goal) {
            return true;
        }
        const int x = cell % kDeskSide, y = cell / kDeskSide;
        const int next[4] = {x > 0 ? cell - 1 : -1, x < kDeskSide - 1 ? cell + 1 : -1,
                             y > 0 ? cell - kDeskSide : -1,
                             y < kDeskSide - 1 ? cell + kDeskSide : -1};
        for (const int n : next) {
            if (n >= 0 && !seen[n] && desk[n] == kNoBall) {
                seen[n] = 1;
                queue[tail++] = static_cast<std::uint8_t>(n);
            }
        }
    }
    return false;
}

void FindPathOverSet(benchmark::State& st, const BoardSet* set) {
    std::vector<GameState> states;
    for (const BoardCase& board : set->boards) {
        states.push_back(StateWithDesk(board.desk));
    }
    NullEffects effects;
    int found = 0;
    for (auto _ : st) {
        found = 0;
        for (std::size_t b = 0; b < states.size(); ++b) {
            GameState& state = states[b];
            for (const PathQuery& q : set->boards[b].queries) {
                state.path.start = q.start;
                const PathResult result = FindPath(state, effects, q.target);
                found += result == PathResult::Found;
                benchmark::DoNotOptimize(result);
            }
        }
    }
    st.SetItemsProcessed(st.iterations() * set->QueryCount());
    st.counters["queries"] = set->QueryCount();
    st.counters["found"] = found;
}

void FloodFillOverSet(benchmark::State& st, const BoardSet* set) {
    int found = 0;
    for (auto _ : st) {
        found = 0;
        for (const BoardCase& board : set->boards) {
            for (const PathQuery& q : board.queries) {
                const bool reached = FloodReaches(board.desk, q.start, q.target);
                found += reached;
                benchmark::DoNotOptimize(reached);
            }
        }
    }
    st.SetItemsProcessed(st.iterations() * set->QueryCount());
    st.counters["queries"] = set->QueryCount();
    st.counters["found"] = found;
}

}  // namespace

void RegisterPathBenchmarks() {
    for (const BoardSet& set : PathCorpus()) {
        benchmark::RegisterBenchmark(("FindPath/" + set.name).c_str(), FindPathOverSet, &set)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("FloodFill/" + set.name).c_str(), FloodFillOverSet, &set)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace quorbals::bench
