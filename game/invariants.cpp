#include "game/invariants.h"

#include "game/line_directions.h"
#include "game/lines.h"

namespace quorbals {

namespace {

std::string CellName(int x, int y) {
    return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

}  // namespace

std::string CheckStateInvariants(const GameState& state) {
    std::int32_t empty = 0;
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const int i = CellIndex(x, y);
            const BallColor color = state.desk[i];
            const FreeCellRecord& record = state.freeCellList[i];
            if (color < kNoBall || color >= kColorCount) {
                return "cell " + CellName(x, y) + " holds colour " + std::to_string(color);
            }
            if (record.x != x || record.y != y) {
                return "record " + std::to_string(i) + " names cell " +
                       CellName(record.x, record.y);
            }
            if (record.free > 1) {
                return "record " + std::to_string(i) + " has Free " + std::to_string(record.free);
            }
            if ((color == kNoBall) != (record.free == 1)) {
                return "cell " + CellName(x, y) + " holds " + std::to_string(color) +
                       " but its record has Free " + std::to_string(record.free);
            }
            if (color == kNoBall) {
                ++empty;
            }
        }
    }
    if (state.freeCount != empty) {
        return "FreeCount is " + std::to_string(state.freeCount) + " but " + std::to_string(empty) +
               " cells are empty";
    }
    for (int k = 0; k < kPreviewCount; ++k) {
        if (state.nextBalls[k] < 0 || state.nextBalls[k] >= kColorCount) {
            return "NextBalls[" + std::to_string(k) + "] is " + std::to_string(state.nextBalls[k]);
        }
    }
    if (state.score < 0) {
        return "Score is " + std::to_string(state.score);
    }
    return {};
}

std::string CheckNoLineLeft(const GameState& state) {
    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const BallColor color = state.desk[CellIndex(x, y)];
            if (color == kNoBall) {
                continue;
            }
            for (const LineDirection d : kLineDirections) {
                int run = 1;
                while (OnDesk(x + run * d.dx, y + run * d.dy) &&
                       state.desk[CellIndex(x + run * d.dx, y + run * d.dy)] == color) {
                    ++run;
                }
                if (run >= kMinLine) {
                    return "a run of " + std::to_string(run) + " starts at " + CellName(x, y);
                }
            }
        }
    }
    return {};
}

}  // namespace quorbals
