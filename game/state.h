// The whole state of the game in play, as one plain record.
//
// Every rule of game/ works on a GameState passed by reference; nothing in
// game/ keeps hidden globals. The field layout mirrors what a saved game
// stores (each record is written by itself, so adjacency does not matter).
#pragma once

#include <array>
#include <cstdint>

namespace quorbals {

constexpr int kDeskSide = 9;
constexpr int kCellCount = kDeskSide * kDeskSide;
constexpr int kColorCount = 6;
constexpr int kPreviewCount = 3;

// 0..5 are the six colours (also the row of the ball sheet); -1 is no ball.
using BallColor = std::int32_t;
constexpr BallColor kNoBall = -1;

constexpr int CellIndex(int x, int y) {
    return y * kDeskSide + x;
}
constexpr bool OnDesk(int x, int y) {
    return x >= 0 && x < kDeskSide && y >= 0 && y < kDeskSide;
}

struct Cell {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

// A selected ball cycles through this many glow frames (the columns of
// its row in the ball sheet).
constexpr int kGlowFrameCount = 4;

struct Selection {
    std::int32_t x = 0;
    std::int32_t y = 0;
    BallColor color = kNoBall;  // kNoBall: nothing is selected
    std::int32_t glowFrame = 0;
};

// One record per cell, 12 bytes as stored in a saved game. The three fill
// bytes are never written by play; a loaded game brings its own back.
struct FreeCellRecord {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t free = 0;
    std::uint8_t fill[3] = {0, 0, 0};
};
static_assert(sizeof(FreeCellRecord) == 12);

// Directions of the route encoding: the neighbour a code points at.
enum Direction : std::int32_t { kLeft = 0, kUp = 1, kRight = 2, kDown = 3, kNone = 4 };

constexpr std::int32_t kPathFree = -1;     // free cell, not on the route
constexpr std::int32_t kPathBlocked = -2;  // ball, selected ball or dead end

// Route search records. Grid cells hold -1, -2 or (back << 4) | forward.
struct PathRecords {
    std::array<std::int32_t, kCellCount> grid{};
    Cell start;
    Cell target;
    Cell firstStep;
    std::uint8_t ready = 0;
};

// The travelling ball of the move animation.
struct MoveState {
    Cell from;
    Cell to;
    BallColor color = 0;
};

struct GameState {
    // Records of the game in play; all start as zero bytes at start-up,
    // except the selection, which starts empty.
    std::array<BallColor, kCellCount> desk{};
    std::array<BallColor, kPreviewCount> nextBalls{};
    Selection selection;
    std::array<FreeCellRecord, kCellCount> freeCellList{};
    std::int32_t freeCount = 0;
    std::int32_t score = 0;

    // Turn cycle: the phase due next, and the result of the latest scan.
    std::int32_t turnPhase = 0;
    bool linesRemoved = false;

    // The only source of chance.
    std::uint32_t randomState = 0;

    // Route search, arrows and move animation.
    PathRecords path;
    std::array<std::int32_t, kCellCount> arrowMarks{};
    MoveState move;
};

}  // namespace quorbals
