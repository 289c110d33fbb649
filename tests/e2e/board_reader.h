// Reads the board from a screenshot: finds the Desk by its ruled grid and
// tells each cell's ball colour from its pixels. On a scaled screen each
// picture pixel is a square of `scale` screen pixels.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorbals::e2e {

// The top-left pixel of the Desk picture (its outer black frame line).
std::optional<QPoint> FindDesk(const QImage& shot, QRect searchArea, int scale = 1);

// -1 for an empty cell, 0..5 for a ball, -2 for anything else.
int ReadCell(const QImage& shot, QPoint desk, int x, int y, int scale = 1);

std::array<int, 81> ReadBoard(const QImage& shot, QPoint desk, int scale = 1);

// Whether the ball on a cell shows the white dot in its middle that every
// glow frame but the first carries: only the selected ball has it.
bool ShowsGlowDot(const QImage& shot, QPoint desk, int x, int y, int scale = 1);

// Screen position of the middle of a cell.
QPoint CellCentre(QPoint desk, int x, int y, int scale = 1);

int CountBalls(const std::array<int, 81>& board);

// Nine lines of nine characters ('.' free, '0'..'5' a ball, '?' unread),
// for failure messages.
std::string BoardText(const std::array<int, 81>& board);

// Every free cell reachable from cell `from` through free cells, in the
// order a depth-first walk meets them.
std::vector<int> ReachableFrom(const std::array<int, 81>& board, int from);

}  // namespace quorbals::e2e
