#include "tests/e2e/board_reader.h"

namespace quorbals::e2e {

namespace {
bool IsBlack(const QImage& img, int x, int y) {
    if (!img.rect().contains(x, y))
        return false;
    const QRgb p = img.pixel(x, y);
    return qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0;
}
bool IsGrey(const QImage& img, int x, int y) {
    if (!img.rect().contains(x, y))
        return false;
    const QRgb p = img.pixel(x, y);
    return qRed(p) == 192 && qGreen(p) == 192 && qBlue(p) == 192;
}
bool LooksLikeDesk(const QImage& img, int x0, int y0, int s) {
    for (int k = 0; k <= 9; ++k) {
        const int line = k * 29 * s;
        // Frame lines at the ends and in the middle of each side.
        if (!IsBlack(img, x0 + line, y0 + s) || !IsBlack(img, x0 + line, y0 + 260 * s) ||
            !IsBlack(img, x0 + s, y0 + line) || !IsBlack(img, x0 + 260 * s, y0 + line)) {
            return false;
        }
    }
    // The 3-pixel grey margin inside each frame is never drawn over.
    return IsGrey(img, x0 + s, y0 + s) && IsGrey(img, x0 + 259 * s, y0 + 259 * s) &&
           IsGrey(img, x0 + 30 * s, y0 + 30 * s);
}
}  // namespace

std::optional<QPoint> FindDesk(const QImage& shot, QRect searchArea, int scale) {
    const QRect area = searchArea.intersected(shot.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsBlack(shot, x, y) && LooksLikeDesk(shot, x, y, scale)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

int ReadCell(const QImage& shot, QPoint desk, int x, int y, int scale) {
    // Inside the middle block of the tile but away from the glow dot.
    const int px = desk.x() + (x * 29 + 4 + 5) * scale;
    const int py = desk.y() + (y * 29 + 4 + 5) * scale;
    if (!shot.rect().contains(px, py))
        return -2;
    const QRgb p = shot.pixel(px, py);
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (r == 192 && g == 192 && b == 192)
        return -1;
    const bool R = r >= 128, G = g >= 128, B = b >= 128;
    const bool r0 = r == 0, g0 = g == 0, b0 = b == 0;
    if (r0 && g0 && B)
        return 0;
    if (r0 && G && B && g == b)
        return 1;
    if (r0 && G && b0)
        return 2;
    if (R && g0 && B && r == b)
        return 3;
    if (R && g0 && b0)
        return 4;
    if (R && G && b0 && r == g)
        return 5;
    return -2;
}

bool ShowsGlowDot(const QImage& shot, QPoint desk, int x, int y, int scale) {
    const int px = desk.x() + (x * 29 + 4 + 10) * scale;
    const int py = desk.y() + (y * 29 + 4 + 10) * scale;
    return shot.rect().contains(px, py) && (shot.pixel(px, py) & 0xffffff) == 0xffffff &&
           ReadCell(shot, desk, x, y, scale) >= 0;
}

std::array<int, 81> ReadBoard(const QImage& shot, QPoint desk, int scale) {
    std::array<int, 81> board{};
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            board[y * 9 + x] = ReadCell(shot, desk, x, y, scale);
        }
    }
    return board;
}

QPoint CellCentre(QPoint desk, int x, int y, int scale) {
    return {desk.x() + (x * 29 + 4 + 11) * scale, desk.y() + (y * 29 + 4 + 11) * scale};
}

int CountBalls(const std::array<int, 81>& board) {
    int n = 0;
    for (int v : board) {
        if (v >= 0)
            ++n;
    }
    return n;
}

std::vector<int> ReachableFrom(const std::array<int, 81>& board, int from) {
    std::vector<int> found;
    std::array<bool, 81> seen{};
    std::vector<int> todo{from};
    seen[from] = true;
    while (!todo.empty()) {
        const int c = todo.back();
        todo.pop_back();
        const int cx = c % 9, cy = c / 9;
        const int next[4][2] = {{cx - 1, cy}, {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[0] > 8 || n[1] < 0 || n[1] > 8)
                continue;
            const int i = n[1] * 9 + n[0];
            if (seen[i] || board[i] != -1)
                continue;
            seen[i] = true;
            found.push_back(i);
            todo.push_back(i);
        }
    }
    return found;
}

std::string BoardText(const std::array<int, 81>& board) {
    std::string text;
    for (int i = 0; i < 81; ++i) {
        const int v = board[i];
        text += v == -1 ? '.' : v >= 0 ? static_cast<char>('0' + v) : '?';
        if (i % 9 == 8)
            text += '\n';
    }
    return text;
}

}  // namespace quorbals::e2e
