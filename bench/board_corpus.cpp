#include "bench/board_corpus.h"

#include <cstdlib>

#include "game/random.h"

namespace quorbals::bench {

namespace {

// '#' a ball, '.' a free cell, 'S' the selected ball.
const char* const kMazes[][kDeskSide] = {
    {
        // A serpentine: every target lies at the end of a long walk.
        "S........",
        "########.",
        ".........",
        ".########",
        ".........",
        "########.",
        ".........",
        ".########",
        ".........",
    },
    {
        // A spiral into the middle.
        "S........",
        "########.",
        ".......#.",
        ".#####.#.",
        ".#...#.#.",
        ".#.###.#.",
        ".#.....#.",
        ".#######.",
        ".........",
    },
    {
        // Pockets open toward the start lure the greedy walk into dead ends.
        ".........",
        ".#######.",
        "S.....#..",
        "######.#.",
        ".....#.#.",
        ".###.#.#.",
        ".#...#.#.",
        ".#####.#.",
        ".......#.",
    },
    {
        // Combs: the way on always lies behind the selected ball's side.
        "S.#...#..",
        "#.#.#.#.#",
        "..#.#.#..",
        ".##.#.##.",
        "....#....",
        "#####.###",
        ".........",
        ".#.#.#.#.",
        ".#.#.#.#.",
    },
};

std::array<BallColor, kCellCount> EmptyDesk() {
    std::array<BallColor, kCellCount> desk;
    desk.fill(kNoBall);
    return desk;
}

bool HasFreeNeighbour(const std::array<BallColor, kCellCount>& desk, int cell) {
    const int x = cell % kDeskSide, y = cell / kDeskSide;
    const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& n : next) {
        if (OnDesk(n[0], n[1]) && desk[CellIndex(n[0], n[1])] == kNoBall) {
            return true;
        }
    }
    return false;
}

void AddSweep(BoardCase& board, Cell start) {
    for (int t = 0; t < kCellCount; ++t) {
        if (board.desk[t] == kNoBall) {
            board.queries.push_back({start, {t % kDeskSide, t / kDeskSide}});
        }
    }
}

BoardSet EmptyFar() {
    BoardSet set{"empty_far", {}};
    const Cell starts[] = {{0, 0}, {8, 0}, {0, 8}, {8, 8}, {4, 0}, {0, 4}};
    for (const Cell start : starts) {
        BoardCase board;
        board.desk = EmptyDesk();
        board.desk[CellIndex(start.x, start.y)] = 0;
        for (int t = 0; t < kCellCount; ++t) {
            const Cell target{t % kDeskSide, t / kDeskSide};
            if (std::abs(target.x - start.x) + std::abs(target.y - start.y) >= 10) {
                board.queries.push_back({start, target});
            }
        }
        set.boards.push_back(std::move(board));
    }
    return set;
}

BoardSet RandomFill(int percent, std::uint32_t seed) {
    BoardSet set{"random" + std::to_string(percent), {}};
    GameState rng;
    rng.randomState = seed;
    const int balls = kCellCount * percent / 100;
    for (int b = 0; b < 16; ++b) {
        BoardCase board;
        board.desk = EmptyDesk();
        for (int placed = 0; placed < balls;) {
            const int cell = RandomBelow(rng, kCellCount);
            if (board.desk[cell] == kNoBall) {
                board.desk[cell] = RandomBelow(rng, kColorCount);
                ++placed;
            }
        }
        // Two balls that can move at all, picked at random.
        for (int picked = 0, tries = 0; picked < 2 && tries < 1000; ++tries) {
            const int cell = RandomBelow(rng, kCellCount);
            if (board.desk[cell] != kNoBall && HasFreeNeighbour(board.desk, cell)) {
                AddSweep(board, {cell % kDeskSide, cell / kDeskSide});
                ++picked;
            }
        }
        set.boards.push_back(std::move(board));
    }
    return set;
}

BoardSet Mazes() {
    BoardSet set{"mazes", {}};
    for (const auto& rows : kMazes) {
        BoardCase board;
        Cell start;
        for (int y = 0; y < kDeskSide; ++y) {
            for (int x = 0; x < kDeskSide; ++x) {
                const char c = rows[y][x];
                board.desk[CellIndex(x, y)] = c == '.' ? kNoBall : (c == 'S' ? 0 : 1);
                if (c == 'S') {
                    start = {x, y};
                }
            }
        }
        AddSweep(board, start);
        set.boards.push_back(std::move(board));
    }
    return set;
}

}  // namespace

int BoardSet::QueryCount() const {
    int count = 0;
    for (const BoardCase& board : boards) {
        count += static_cast<int>(board.queries.size());
    }
    return count;
}

const std::vector<BoardSet>& PathCorpus() {
    static const std::vector<BoardSet> corpus = {
        EmptyFar(), RandomFill(30, 30), RandomFill(60, 60), RandomFill(85, 85), Mazes(),
    };
    return corpus;
}

GameState StateWithDesk(const std::array<BallColor, kCellCount>& desk) {
    GameState state;
    state.desk = desk;
    state.freeCount = 0;
    for (int i = 0; i < kCellCount; ++i) {
        FreeCellRecord& record = state.freeCellList[i];
        record.x = i % kDeskSide;
        record.y = i / kDeskSide;
        record.free = desk[i] == kNoBall ? 1 : 0;
        state.freeCount += record.free;
    }
    state.selection.color = kNoBall;
    return state;
}

std::vector<GameState> FullBoards(int count, bool withLines) {
    std::vector<GameState> boards;
    GameState rng;
    rng.randomState = withLines ? 5 : 6;
    for (int b = 0; b < count; ++b) {
        std::array<BallColor, kCellCount> desk{};
        for (int y = 0; y < kDeskSide; ++y) {
            for (int x = 0; x < kDeskSide; ++x) {
                // Without lines: a pattern in which no two neighbours share a
                // colour in any direction, shifted per board.
                desk[CellIndex(x, y)] = withLines ? RandomBelow(rng, 3) : (x + 2 * y + b) % 5;
            }
        }
        boards.push_back(StateWithDesk(desk));
    }
    return boards;
}

}  // namespace quorbals::bench
