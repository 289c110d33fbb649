// What a turn did, in words a screen reader reads out: the ball that
// moved, the balls removed and the points they scored, the balls placed.
#pragma once

#include <string>
#include <vector>

#include "game/state.h"

namespace quorbals {

struct PlacedBall {
    Cell cell;
    BallColor color = 0;
};

struct TurnRecord {
    BallColor moved = kNoBall;  // the ball whose arrival started the turn
    Cell movedTo;
    std::vector<PlacedBall> removed;       // by the move
    std::vector<PlacedBall> placed;        // the previewed balls
    std::vector<PlacedBall> removedAfter;  // lines the placed balls made
    std::int32_t points = 0;
};

// In the order it happened: "Red ball moved to row 4, column 6. Removed 5
// green balls. Scored 10 points." or "... Placed blue at row 1, column 2;
// red at row 5, column 5." Empty when the record holds nothing.
std::string DescribeTurn(const TurnRecord& turn);

}  // namespace quorbals
