#include "game/lines.h"

#include <algorithm>
#include <limits>

#include "game/line_directions.h"

namespace quorbals {

namespace {

// Cells from (x, y) to the Desk's edge in direction d, the start included;
// 0 where five cells do not fit, so the direction is not tried there.
int RunLimit(int d, int x, int y) {
    switch (d) {
        case 0:
            return y <= 4 ? kDeskSide - y : 0;
        case 1:
            return x <= 4 ? kDeskSide - x : 0;
        case 2:
            return x <= 4 && y <= 4 ? kDeskSide - std::max(x, y) : 0;
        case 3:
            return x >= 4 && y <= 4 ? std::min(x, kDeskSide - 1 - y) + 1 : 0;
    }
    return 0;
}

}  // namespace

std::int32_t PointsForPass(std::int32_t ballsRemoved) {
    if (ballsRemoved < kMinLine) {
        return 0;
    }
    return 10 + (ballsRemoved - kMinLine) * 12;
}

void ClearCell(GameState& state, Effects& effects, int x, int y) {
    const int i = CellIndex(x, y);
    effects.BallRemoved(x, y, state.desk[i]);
    state.desk[i] = kNoBall;
    state.freeCellList[i].free = 1;
    ++state.freeCount;
    effects.DrawEmptyTile(x, y);
}

std::int32_t ScanLines(GameState& state, Effects& effects) {
    state.linesRemoved = false;
    std::int32_t ballsRemoved = 0;

    for (int y = 0; y < kDeskSide; ++y) {
        for (int x = 0; x < kDeskSide; ++x) {
            const BallColor color = state.desk[CellIndex(x, y)];
            if (color == kNoBall) {
                continue;
            }
            for (int d = 0; d < 4; ++d) {
                const int limit = RunLimit(d, x, y);
                const LineDirection dir = kLineDirections[d];
                int run = 0;
                while (run < limit &&
                       state.desk[CellIndex(x + run * dir.dx, y + run * dir.dy)] == color) {
                    ++run;
                }
                if (run < kMinLine) {
                    continue;
                }
                // Removed at once: later runs are counted on what is left.
                for (int k = 0; k < run; ++k) {
                    ClearCell(state, effects, x + k * dir.dx, y + k * dir.dy);
                }
                ballsRemoved += run;
                state.linesRemoved = true;
                break;
            }
        }
    }

    // A score read from a file may already be near the limit: stop there
    // rather than wrap round to a negative score.
    const std::int64_t total = static_cast<std::int64_t>(state.score) + PointsForPass(ballsRemoved);
    state.score = static_cast<std::int32_t>(
        std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
    effects.SetScoreText(state.score);
    effects.RepaintDesk();
    if (state.linesRemoved) {
        effects.PlaySound(SoundCue::Remove);
    }
    return ballsRemoved;
}

}  // namespace quorbals
