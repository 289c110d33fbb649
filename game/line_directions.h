// The four directions in which balls make a line, in the order the scan
// tries them at every start cell: down a column, along a row, down to the
// right, down to the left. Each is one step (dx, dy) away from the start.
#pragma once

#include <array>

namespace quorbals {

struct LineDirection {
    int dx;
    int dy;
};

inline constexpr std::array<LineDirection, 4> kLineDirections = {{
    {0, 1},
    {1, 0},
    {1, 1},
    {-1, 1},
}};

}  // namespace quorbals
