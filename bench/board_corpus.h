// Fixed, seeded Desks for the benchmarks: route searches over empty boards,
// random boards at several fill levels and hand-made mazes, plus full boards
// for the line scan. Every run builds exactly the same corpus.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/state.h"

namespace quorbals::bench {

// One search: the selected ball and the free cell under the pointer.
struct PathQuery {
    Cell start;
    Cell target;
};

struct BoardCase {
    std::array<BallColor, kCellCount> desk{};
    std::vector<PathQuery> queries;
};

struct BoardSet {
    std::string name;
    std::vector<BoardCase> boards;
    int QueryCount() const;
};

// "empty_far": one ball in a corner or an edge, targets at least ten steps
// away. "random30", "random60", "random85": balls on that share of the
// cells; from two balls of each board, every free cell (reachable or not),
// as a pointer sweeping the Desk would ask. "mazes": hand-made walls that
// force long walks, dead ends and back-outs; every free cell from the start.
const std::vector<BoardSet>& PathCorpus();

// A consistent GameState (records and FreeCount in step) holding the desk.
GameState StateWithDesk(const std::array<BallColor, kCellCount>& desk);

// Full Desks: with `withLines` false no run of five anywhere, otherwise
// random colours, which leave many runs to remove.
std::vector<GameState> FullBoards(int count, bool withLines);

}  // namespace quorbals::bench
