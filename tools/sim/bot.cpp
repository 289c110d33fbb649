#include "tools/sim/bot.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "game/line_directions.h"

namespace quorbals::sim {

namespace {

// Labels the regions of orthogonally connected free cells; -1 for balls.
int LabelRegions(const GameState& state, std::array<int, kCellCount>& region) {
    region.fill(-1);
    std::array<int, kCellCount> stack{};
    int regions = 0;
    for (int seed = 0; seed < kCellCount; ++seed) {
        if (state.desk[seed] != kNoBall || region[seed] >= 0) {
            continue;
        }
        int top = 0;
        stack[top++] = seed;
        region[seed] = regions;
        while (top > 0) {
            const int cell = stack[--top];
            const int x = cell % kDeskSide;
            const int y = cell / kDeskSide;
            const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : neighbours) {
                if (!OnDesk(n[0], n[1])) {
                    continue;
                }
                const int i = CellIndex(n[0], n[1]);
                if (state.desk[i] == kNoBall && region[i] < 0) {
                    region[i] = regions;
                    stack[top++] = i;
                }
            }
        }
        ++regions;
    }
    return regions;
}

}  // namespace

int MoveGain(const GameState& state, Cell from, Cell to) {
    const BallColor color = state.desk[CellIndex(from.x, from.y)];
    int best = 0;
    for (const LineDirection axis : kLineDirections) {
        int run = 1;
        for (const int sign : {1, -1}) {
            for (int k = 1;; ++k) {
                const int x = to.x + sign * k * axis.dx;
                const int y = to.y + sign * k * axis.dy;
                if (!OnDesk(x, y) || (x == from.x && y == from.y) ||
                    state.desk[CellIndex(x, y)] != color) {
                    break;
                }
                ++run;
            }
        }
        if (run > best) {
            best = run;
        }
    }
    return best;
}

std::optional<BotMove> ChooseMove(const GameState& state) {
    std::array<int, kCellCount> region{};
    LabelRegions(state, region);

    // For every free cell and each of the eight directions (axis a, then
    // its opposite at a + 4): the colour of the ball next to it that way and
    // how many balls of that colour follow in a row. Only that colour can
    // extend a run through the cell on that side.
    std::array<std::array<BallColor, 8>, kCellCount> sideColor{};
    std::array<std::array<int, 8>, kCellCount> sideRun{};
    // The best run through each free cell for each colour, no ball taken away.
    std::array<std::array<int, kCellCount>, kColorCount> open{};
    // The largest of those over each region of free cells.
    std::array<std::array<int, kCellCount>, kColorCount> regionBest{};
    for (int t = 0; t < kCellCount; ++t) {
        if (region[t] < 0) {
            continue;
        }
        const int tx = t % kDeskSide;
        const int ty = t / kDeskSide;
        for (int side = 0; side < 8; ++side) {
            const int sign = side < 4 ? 1 : -1;
            const LineDirection axis = kLineDirections[side % 4];
            BallColor color = kNoBall;
            int run = 0;
            for (int k = 1;; ++k) {
                const int x = tx + sign * k * axis.dx;
                const int y = ty + sign * k * axis.dy;
                if (!OnDesk(x, y)) {
                    break;
                }
                const BallColor here = state.desk[CellIndex(x, y)];
                if (here == kNoBall || (k > 1 && here != color)) {
                    break;
                }
                color = here;
                ++run;
            }
            sideColor[t][side] = color;
            sideRun[t][side] = run;
        }
        // Only the colours of the neighbouring balls make a run longer
        // than the cell itself.
        for (int c = 0; c < kColorCount; ++c) {
            open[c][t] = 1;
        }
        for (int a = 0; a < 4; ++a) {
            const BallColor one = sideColor[t][a];
            const BallColor other = sideColor[t][a + 4];
            if (one >= 0 && one < kColorCount) {
                const int run = 1 + sideRun[t][a] + (other == one ? sideRun[t][a + 4] : 0);
                open[one][t] = std::max(open[one][t], run);
            }
            if (other >= 0 && other < kColorCount && other != one) {
                open[other][t] = std::max(open[other][t], 1 + sideRun[t][a + 4]);
            }
        }
        for (int c = 0; c < kColorCount; ++c) {
            regionBest[c][region[t]] = std::max(regionBest[c][region[t]], open[c][t]);
        }
    }

    std::optional<BotMove> best;
    for (int b = 0; b < kCellCount; ++b) {
        const BallColor color = state.desk[b];
        if (color == kNoBall) {
            continue;
        }
        const Cell from{b % kDeskSide, b / kDeskSide};
        // The regions next to the ball are the cells it can reach. There
        // are at most 41 regions on 81 cells.
        std::uint64_t reach = 0;
        const int neighbours[4][2] = {
            {from.x - 1, from.y}, {from.x + 1, from.y}, {from.x, from.y - 1}, {from.x, from.y + 1}};
        for (const auto& n : neighbours) {
            if (OnDesk(n[0], n[1]) && region[CellIndex(n[0], n[1])] >= 0) {
                reach |= std::uint64_t{1} << region[CellIndex(n[0], n[1])];
            }
        }
        if (reach == 0) {
            continue;
        }
        const bool knownColor = color >= 0 && color < kColorCount;
        // Taking the ball away never lengthens a run, so a gain is at most
        // the open run through the target: skip what cannot beat the best.
        if (knownColor && best) {
            int bound = 0;
            for (std::uint64_t bits = reach; bits != 0; bits &= bits - 1) {
                bound = std::max(bound, regionBest[color][std::countr_zero(bits)]);
            }
            if (bound <= best->gain) {
                continue;
            }
        }
        for (int t = 0; t < kCellCount; ++t) {
            if (region[t] < 0 || ((reach >> region[t]) & 1) == 0) {
                continue;
            }
            if (knownColor && best && open[color][t] <= best->gain) {
                continue;
            }
            const Cell to{t % kDeskSide, t / kDeskSide};
            const int dx = from.x - to.x;
            const int dy = from.y - to.y;
            int gain = 0;
            if (!knownColor) {
                gain = MoveGain(state, from, to);
            } else if (dx != 0 && dy != 0 && dx != dy && dx != -dy) {
                gain = open[color][t];
            } else {
                // The ball lies on one line through the target: on that
                // side the run stops short of the ball's own cell.
                const int distance = dx != 0 ? (dx > 0 ? dx : -dx) : (dy > 0 ? dy : -dy);
                const int ux = (dx > 0) - (dx < 0);
                const int uy = (dy > 0) - (dy < 0);
                gain = 1;
                for (int a = 0; a < 4; ++a) {
                    int run = 1;
                    for (const int side : {a, a + 4}) {
                        int count = sideColor[t][side] == color ? sideRun[t][side] : 0;
                        const int sign = side < 4 ? 1 : -1;
                        if (sign * kLineDirections[a].dx == ux &&
                            sign * kLineDirections[a].dy == uy && count >= distance) {
                            count = distance - 1;
                        }
                        run += count;
                    }
                    gain = run > gain ? run : gain;
                }
            }
            if (!best || gain > best->gain) {
                best = BotMove{from, to, gain};
            }
        }
    }
    return best;
}

}  // namespace quorbals::sim
