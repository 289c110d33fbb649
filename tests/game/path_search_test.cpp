// The route search: greedy walk, dead ends, pruning and the count guards.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "game/path_search.h"
#include "game/random.h"
#include "tests/game/desk_builder.h"
#include "tests/game/fake_effects.h"

namespace quorbals {
namespace {

using testing::EmptyGame;
using testing::FakeEffects;
using testing::PutBall;

std::int32_t GridAt(const GameState& state, int x, int y) {
    return state.path.grid[CellIndex(x, y)];
}

// A Desk with the selected ball at `start` and further balls at `others`.
GameState Selected(Cell start, std::initializer_list<std::pair<int, int>> others = {}) {
    GameState state = EmptyGame();
    PutBall(state, start.x, start.y, 0);
    for (const auto& [x, y] : others) {
        PutBall(state, x, y, 1);
    }
    state.path.start = start;
    state.path.target = start;
    return state;
}

std::vector<Cell> RouteOf(const GameState& state) {
    const Route route = FollowRoute(state.path);
    return {route.cells.begin(), route.cells.begin() + route.length};
}

// Cells reachable from `start` through free cells, by breadth-first fill.
std::array<bool, kCellCount> Reachable(const GameState& state, Cell start) {
    std::array<bool, kCellCount> seen{};
    std::deque<Cell> queue{start};
    while (!queue.empty()) {
        const Cell c = queue.front();
        queue.pop_front();
        for (int d = 0; d < 4; ++d) {
            Cell n;
            if (NeighbourCell(c, d, n) && !seen[CellIndex(n.x, n.y)] &&
                state.desk[CellIndex(n.x, n.y)] == kNoBall) {
                seen[CellIndex(n.x, n.y)] = true;
                queue.push_back(n);
            }
        }
    }
    return seen;
}

// The documented shape of a found route: a chain of free, adjacent cells
// from a neighbour of the start to the target, linked both ways, and no
// other cell holding a code.
void ExpectWellFormedRoute(const GameState& state) {
    const PathRecords& path = state.path;
    const std::vector<Cell> route = RouteOf(state);
    ASSERT_FALSE(route.empty());
    EXPECT_EQ(route.back(), path.target);
    EXPECT_EQ(ForwardOf(GridAt(state, path.target.x, path.target.y)), kNone);
    EXPECT_EQ(GridAt(state, path.start.x, path.start.y), kPathBlocked);

    std::array<bool, kCellCount> onRoute{};
    Cell previous = path.start;
    for (const Cell c : route) {
        const std::int32_t code = GridAt(state, c.x, c.y);
        ASSERT_GE(code, 0);
        EXPECT_EQ(state.desk[CellIndex(c.x, c.y)], kNoBall);
        Cell back;
        ASSERT_TRUE(NeighbourCell(c, BackOf(code), back));
        EXPECT_EQ(back, previous);
        EXPECT_NE(BackOf(code), ForwardOf(code));
        EXPECT_FALSE(onRoute[CellIndex(c.x, c.y)]);
        onRoute[CellIndex(c.x, c.y)] = true;
        previous = c;
    }
    for (int i = 0; i < kCellCount; ++i) {
        if (!onRoute[i]) {
            EXPECT_LT(path.grid[i], 0) << "cell " << i;
        }
    }
}

TEST(FindPath, EmptyDeskGoesAlongTheRowThenTheColumn) {
    GameState state = Selected({0, 0});
    FakeEffects effects;
    state.path.ready = 1;
    ASSERT_EQ(FindPath(state, effects, {3, 2}), PathResult::Found);

    EXPECT_EQ(state.path.target, (Cell{3, 2}));
    EXPECT_EQ(state.path.firstStep, (Cell{1, 0}));
    EXPECT_EQ(state.path.ready, 0);
    EXPECT_EQ(GridAt(state, 0, 0), -2);
    EXPECT_EQ(GridAt(state, 1, 0), 0x02);
    EXPECT_EQ(GridAt(state, 2, 0), 0x02);
    EXPECT_EQ(GridAt(state, 3, 0), 0x03);
    EXPECT_EQ(GridAt(state, 3, 1), 0x13);
    EXPECT_EQ(GridAt(state, 3, 2), 0x14);
    ExpectWellFormedRoute(state);
    EXPECT_TRUE(effects.events.empty());  // the search draws nothing
}

TEST(FindPath, NeighbourGivesAOneCellRoute) {
    const struct {
        Cell target;
        std::int32_t code;
    } cases[] = {{{5, 4}, 0x04}, {{3, 4}, 0x24}, {{4, 5}, 0x14}, {{4, 3}, 0x34}};
    for (const auto& c : cases) {
        GameState state = Selected({4, 4});
        FakeEffects effects;
        ASSERT_EQ(FindPath(state, effects, c.target), PathResult::Found);
        EXPECT_EQ(state.path.firstStep, c.target);
        EXPECT_EQ(GridAt(state, c.target.x, c.target.y), c.code);
        ExpectWellFormedRoute(state);
    }
}

TEST(FindPath, DetourAroundABallIsPrunedWhereTheRouteTouchesItself) {
    GameState state = Selected({6, 2}, {{8, 3}});
    FakeEffects effects;
    state.path.target = {8, 4};

    // The greedy walk alone: twelve steps, no dead end.
    GameState walked = state;
    for (int i = 0; i < kCellCount; ++i) {
        walked.path.grid[i] = walked.desk[i] == kNoBall ? kPathFree : kPathBlocked;
    }
    ASSERT_EQ(GreedyWalk(walked, effects), PathResult::Found);
    const std::vector<Cell> walk = {{7, 2}, {8, 2}, {8, 1}, {7, 1}, {6, 1}, {5, 1},
                                    {5, 2}, {5, 3}, {6, 3}, {7, 3}, {7, 4}, {8, 4}};
    walked.path.firstStep = walk.front();
    EXPECT_EQ(RouteOf(walked), walk);
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_NE(walked.path.grid[i] == kPathBlocked, walked.desk[i] == kNoBall);
    }

    ASSERT_EQ(FindPath(state, effects, {8, 4}), PathResult::Found);
    EXPECT_EQ(RouteOf(state), (std::vector<Cell>{{7, 2}, {7, 3}, {7, 4}, {8, 4}}));
    EXPECT_EQ(state.path.firstStep, (Cell{7, 2}));
    EXPECT_EQ(GridAt(state, 7, 2), 0x03);
    EXPECT_EQ(GridAt(state, 7, 3), 0x13);
    EXPECT_EQ(GridAt(state, 7, 4), 0x12);
    EXPECT_EQ(GridAt(state, 8, 4), 0x04);
    for (const Cell c : {Cell{8, 2}, Cell{8, 1}, Cell{7, 1}, Cell{6, 1}, Cell{5, 1}, Cell{5, 2},
                         Cell{5, 3}, Cell{6, 3}}) {
        EXPECT_EQ(GridAt(state, c.x, c.y), kPathFree);
    }
    ExpectWellFormedRoute(state);
}

TEST(FindPath, RouteTouchingTheStartIsNotJoinedToIt) {
    GameState state = Selected({5, 7}, {{6, 5}});
    FakeEffects effects;
    ASSERT_EQ(FindPath(state, effects, {6, 4}), PathResult::Found);
    EXPECT_EQ(RouteOf(state), (std::vector<Cell>{{6, 7}, {6, 6}, {5, 6}, {5, 5}, {5, 4}, {6, 4}}));
    EXPECT_EQ(state.path.firstStep, (Cell{6, 7}));
    EXPECT_EQ(GridAt(state, 6, 7), 0x01);
    EXPECT_EQ(GridAt(state, 6, 6), 0x30);
    EXPECT_EQ(GridAt(state, 5, 6), 0x21);
    EXPECT_EQ(GridAt(state, 5, 5), 0x31);
    EXPECT_EQ(GridAt(state, 5, 4), 0x32);
    EXPECT_EQ(GridAt(state, 6, 4), 0x04);
    ExpectWellFormedRoute(state);
}

TEST(FindPath, UnreachableTargetsAreNotFound) {
    // A target walled in by balls.
    {
        GameState state = Selected({0, 0}, {{4, 3}, {3, 4}, {5, 4}, {4, 5}});
        state.path.firstStep = {7, 7};
        FakeEffects effects;
        EXPECT_EQ(FindPath(state, effects, {4, 4}), PathResult::NotFound);
        EXPECT_EQ(state.path.ready, 0);
        EXPECT_EQ(state.path.target, (Cell{4, 4}));
        EXPECT_EQ(state.path.firstStep, (Cell{7, 7}));  // unchanged
        // The whole outer region was tried and left blocked.
        EXPECT_EQ(GridAt(state, 8, 8), kPathBlocked);
        EXPECT_EQ(GridAt(state, 4, 4), kPathFree);
    }
    // A selected ball with no free neighbour.
    {
        GameState state = Selected({0, 0}, {{1, 0}, {0, 1}});
        FakeEffects effects;
        EXPECT_EQ(FindPath(state, effects, {5, 5}), PathResult::NotFound);
        for (int i = 0; i < kCellCount; ++i) {
            EXPECT_EQ(state.path.grid[i], state.desk[i] == kNoBall ? kPathFree : kPathBlocked);
        }
    }
    // Requests the pointer handling never makes.
    {
        GameState state = Selected({4, 4});
        FakeEffects effects;
        EXPECT_EQ(FindPath(state, effects, {9, 4}), PathResult::NotFound);
        EXPECT_EQ(FindPath(state, effects, {4, -1}), PathResult::NotFound);
        EXPECT_EQ(FindPath(state, effects, {4, 4}), PathResult::NotFound);
        EXPECT_EQ(FindPath(state, effects, {6, 6}), PathResult::Found);
        EXPECT_EQ(FindPath(state, effects, {5, 4}), PathResult::Found);
        state.path.start = {-1, 3};
        EXPECT_EQ(FindPath(state, effects, {5, 5}), PathResult::NotFound);
        EXPECT_EQ(effects.pathCountErrors, 0);
    }
}

TEST(FindPath, DeadEndsStayBlockedAndOffTheRoute) {
    // A pocket open only toward the start lures the walker in: from (0,4)
    // toward (8,4) it runs right into the pocket (1..5,4), whose end is shut.
    GameState state = Selected({0, 4}, {{1, 3},
                                        {2, 3},
                                        {3, 3},
                                        {4, 3},
                                        {5, 3},
                                        {6, 3},
                                        {6, 4},
                                        {1, 5},
                                        {2, 5},
                                        {3, 5},
                                        {4, 5},
                                        {5, 5},
                                        {6, 5}});
    FakeEffects effects;
    ASSERT_EQ(FindPath(state, effects, {8, 4}), PathResult::Found);
    for (int x = 1; x <= 5; ++x) {
        EXPECT_EQ(GridAt(state, x, 4), kPathBlocked) << x;
    }
    ExpectWellFormedRoute(state);
}

TEST(FindPath, BorderWalkersStayOnTheDesk) {
    const Cell corners[] = {{0, 0}, {8, 0}, {0, 8}, {8, 8}};
    for (const Cell start : corners) {
        for (const Cell target : corners) {
            if (start == target) {
                continue;
            }
            // A wall along the middle row with a gap at the far side forces
            // walks along the borders.
            GameState state = Selected(start);
            for (int x = 0; x < 9; ++x) {
                if (x != (start.x == 0 ? 8 : 0)) {
                    PutBall(state, x, 4, 2);
                }
            }
            FakeEffects effects;
            ASSERT_EQ(FindPath(state, effects, target), PathResult::Found);
            ExpectWellFormedRoute(state);
            for (const Cell c : RouteOf(state)) {
                EXPECT_TRUE(OnDesk(c.x, c.y));
            }
        }
    }
}

TEST(FindPath, AgreesWithAFloodFillOnRandomBoards) {
    GameState rng;
    rng.randomState = 2024;
    int found = 0;
    for (int board = 0; board < 120; ++board) {
        GameState state = EmptyGame();
        const int fill = 10 + board % 60;
        for (int i = 0; i < fill; ++i) {
            const int cell = RandomBelow(rng, kCellCount);
            if (state.desk[cell] == kNoBall) {
                PutBall(state, cell % 9, cell / 9, RandomBelow(rng, 6));
            }
        }
        int startCell = RandomBelow(rng, kCellCount);
        while (state.desk[startCell] == kNoBall) {
            startCell = (startCell + 1) % kCellCount;
        }
        const Cell start{startCell % 9, startCell / 9};
        const auto reachable = Reachable(state, start);
        for (int t = 0; t < kCellCount; ++t) {
            if (state.desk[t] != kNoBall) {
                continue;
            }
            state.path.start = start;
            FakeEffects effects;
            const PathResult result = FindPath(state, effects, {t % 9, t / 9});
            ASSERT_NE(result, PathResult::CountError);
            ASSERT_EQ(result == PathResult::Found, reachable[t])
                << "board " << board << " target " << t;
            if (result == PathResult::Found) {
                ++found;
                ExpectWellFormedRoute(state);
            }
        }
    }
    EXPECT_GT(found, 1000);
}

TEST(PathCountGuards, CorruptGridsEndInACountError) {
    // Two route cells that name each other as predecessor: the pruning walk
    // goes round forever.
    {
        GameState state = Selected({0, 0});
        state.path.grid.fill(kPathFree);
        state.path.grid[0] = kPathBlocked;
        state.path.target = {4, 4};
        state.path.grid[CellIndex(4, 4)] = PathCode(kRight, kNone);
        state.path.grid[CellIndex(5, 4)] = PathCode(kLeft, kLeft);
        FakeEffects effects;
        EXPECT_EQ(PruneRoute(state, effects), PathResult::CountError);
        EXPECT_EQ(effects.pathCountErrors, 1);
    }
    // A back direction that names no neighbour keeps the walker in place.
    {
        GameState state = Selected({0, 0});
        state.path.grid.fill(kPathFree);
        state.path.target = {0, 8};
        state.path.grid[CellIndex(0, 8)] = PathCode(kDown, kNone);  // off the Desk
        FakeEffects effects;
        EXPECT_EQ(PruneRoute(state, effects), PathResult::CountError);
        EXPECT_EQ(effects.pathCountErrors, 1);
    }
    // A join whose detour never leads back to the joined cell.
    {
        GameState state = Selected({0, 0});
        state.path.grid.fill(kPathFree);
        state.path.target = {2, 2};
        state.path.grid[CellIndex(2, 2)] = PathCode(kDown, kNone);
        state.path.grid[CellIndex(2, 3)] = PathCode(kDown, kUp);
        state.path.grid[CellIndex(2, 4)] = 0x74;                  // no such direction
        state.path.grid[CellIndex(1, 2)] = PathCode(kUp, kDown);  // not linked to (2,2)
        FakeEffects effects;
        EXPECT_EQ(TryShortcut(state, {2, 2}, kLeft), ShortcutResult::CountError);
        EXPECT_FALSE(UnlinkBetween(state, {2, 2}, {1, 2}));
        EXPECT_EQ(PruneRoute(state, effects), PathResult::CountError);
        EXPECT_EQ(effects.pathCountErrors, 1);
    }
}

TEST(PathCountGuards, UnlinkBetweenFreesExactlyTheDetour) {
    GameState state = Selected({0, 0});
    state.path.grid.fill(kPathFree);
    // (1,1) <- (2,1) <- (2,2) <- (1,2): (1,2) touches (1,1).
    state.path.grid[CellIndex(1, 1)] = PathCode(kUp, kRight);
    state.path.grid[CellIndex(2, 1)] = PathCode(kLeft, kDown);
    state.path.grid[CellIndex(2, 2)] = PathCode(kUp, kLeft);
    state.path.grid[CellIndex(1, 2)] = PathCode(kRight, kNone);
    EXPECT_EQ(TryShortcut(state, {1, 2}, kUp), ShortcutResult::Joined);
    EXPECT_EQ(GridAt(state, 2, 1), kPathFree);
    EXPECT_EQ(GridAt(state, 2, 2), kPathFree);
    EXPECT_EQ(GridAt(state, 1, 1), PathCode(kUp, kDown));
    EXPECT_EQ(GridAt(state, 1, 2), PathCode(kUp, kNone));
    EXPECT_EQ(state.path.firstStep, (Cell{1, 2}));
    // Already linked both ways: no second join.
    EXPECT_EQ(TryShortcut(state, {1, 2}, kUp), ShortcutResult::NoJoin);
    EXPECT_EQ(TryShortcut(state, {1, 1}, kDown), ShortcutResult::NoJoin);
    // Free cells and blocked cells are never joined.
    EXPECT_EQ(TryShortcut(state, {1, 2}, kRight), ShortcutResult::NoJoin);
}

TEST(StepWalkers, NeverStepOffTheDeskOrOntoTakenCells) {
    GameState state = Selected({0, 0}, {{1, 8}});
    state.path.grid.fill(kPathFree);
    state.path.grid[CellIndex(1, 8)] = kPathBlocked;
    Cell walker{8, 8};
    EXPECT_FALSE(StepHorizontal(state, walker, 1));
    EXPECT_FALSE(StepVertical(state, walker, 1));
    EXPECT_FALSE(StepHorizontal(state, walker, 0));
    walker = {0, 8};
    EXPECT_FALSE(StepHorizontal(state, walker, -1));
    EXPECT_FALSE(StepHorizontal(state, walker, 1));  // (1,8) holds a ball
    walker = {0, 0};                                 // the start keeps -2
    state.path.grid[0] = kPathBlocked;
    EXPECT_TRUE(StepHorizontal(state, walker, 1));
    EXPECT_EQ(walker, (Cell{1, 0}));
    EXPECT_EQ(GridAt(state, 0, 0), kPathBlocked);
    EXPECT_EQ(GridAt(state, 1, 0), 0x04);
    EXPECT_TRUE(StepVertical(state, walker, 1));
    EXPECT_EQ(GridAt(state, 1, 0), 0x03);
    EXPECT_EQ(GridAt(state, 1, 1), 0x14);
    EXPECT_FALSE(StepVertical(state, walker, -1));  // back onto the route
}

}  // namespace
}  // namespace quorbals
