// desk_probe: reads the game's Desk from a screenshot of the X screen.
//
//   desk_probe find SHOT.png
//     Finds the Desk by its black grid lines at a 29-pixel pitch and prints
//       desk   <x> <y>                  top-left grid line, screen pixels
//       ball   <cx> <cy> <tx> <ty>      centre and tile corner of a ball
//       target <cx> <cy> <steps>        centre of a free cell that ball can
//                                       reach, a few cells away
//     The ball is one with room to move; target is missing when no ball can
//     move. Exit 1 when there is no Desk or no ball on it.
//   desk_probe differ A.png B.png X Y
//     Exit 0 when the 22 x 22 squares at (X, Y) of the two shots differ.
#include <QImage>
#include <QString>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr int kPitch = 29;
constexpr int kMargin = 4;
constexpr int kTile = 22;
constexpr int kCells = 9;

bool IsRgb(const QImage& img, int x, int y, int v) {
    if (!img.rect().contains(x, y)) {
        return false;
    }
    const QRgb p = img.pixel(x, y);
    return qRed(p) == v && qGreen(p) == v && qBlue(p) == v;
}

bool LooksLikeDesk(const QImage& img, int x0, int y0) {
    for (int k = 0; k <= kCells; ++k) {
        const int line = k * kPitch;
        if (!IsRgb(img, x0 + line, y0 + 1, 0) || !IsRgb(img, x0 + line, y0 + 260, 0) ||
            !IsRgb(img, x0 + 1, y0 + line, 0) || !IsRgb(img, x0 + 260, y0 + line, 0)) {
            return false;
        }
    }
    // The grey margin inside each cell frame is never drawn over.
    return IsRgb(img, x0 + 1, y0 + 1, 192) && IsRgb(img, x0 + 259, y0 + 259, 192);
}

std::optional<QPoint> FindDesk(const QImage& img) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (IsRgb(img, x, y, 0) && LooksLikeDesk(img, x, y)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

QPoint TileCorner(QPoint desk, int cell) {
    return {desk.x() + (cell % kCells) * kPitch + kMargin,
            desk.y() + (cell / kCells) * kPitch + kMargin};
}

// A ball: the pixel at (5, 5) of the tile is not the grey of an empty cell.
std::array<bool, kCells * kCells> ReadBalls(const QImage& img, QPoint desk) {
    std::array<bool, kCells * kCells> ball{};
    for (int c = 0; c < kCells * kCells; ++c) {
        const QPoint t = TileCorner(desk, c);
        ball[c] = !IsRgb(img, t.x() + 5, t.y() + 5, 192);
    }
    return ball;
}

// Steps from `from` to every cell over free cells (-1: unreachable).
std::array<int, kCells * kCells> Distances(const std::array<bool, kCells * kCells>& ball,
                                           int from) {
    std::array<int, kCells * kCells> dist;
    dist.fill(-1);
    dist[from] = 0;
    std::vector<int> queue{from};
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int c = queue[i];
        const int cx = c % kCells, cy = c / kCells;
        const int next[4][2] = {{cx - 1, cy}, {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[0] >= kCells || n[1] < 0 || n[1] >= kCells) {
                continue;
            }
            const int k = n[1] * kCells + n[0];
            if (dist[k] >= 0 || ball[k]) {
                continue;
            }
            dist[k] = dist[c] + 1;
            queue.push_back(k);
        }
    }
    return dist;
}

QImage Load(const char* path) {
    QImage img(QString::fromLocal8Bit(path));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_RGB32);
}

int Find(const char* path) {
    const QImage img = Load(path);
    if (img.isNull()) {
        std::fprintf(stderr, "desk_probe: cannot read %s\n", path);
        return 1;
    }
    const auto desk = FindDesk(img);
    if (!desk) {
        std::fprintf(stderr, "desk_probe: no Desk on the screen\n");
        return 1;
    }
    const auto ball = ReadBalls(img, *desk);

    // Prefer a route of about five steps with a turn in it: it shows well.
    int bestBall = -1, bestTarget = -1, bestScore = -1;
    for (int b = 0; b < kCells * kCells; ++b) {
        if (!ball[b]) {
            continue;
        }
        if (bestBall < 0) {
            bestBall = b;
        }
        const auto dist = Distances(ball, b);
        for (int t = 0; t < kCells * kCells; ++t) {
            if (dist[t] <= 0) {
                continue;
            }
            const bool turns = t % kCells != b % kCells && t / kCells != b / kCells;
            const int score = 100 - 10 * std::abs(dist[t] - 5) + (turns ? 5 : 0);
            if (score > bestScore) {
                bestScore = score;
                bestBall = b;
                bestTarget = t;
            }
        }
    }
    if (bestBall < 0) {
        std::fprintf(stderr, "desk_probe: no ball on the Desk\n");
        return 1;
    }
    const QPoint bt = TileCorner(*desk, bestBall);
    std::printf("desk %d %d\n", desk->x(), desk->y());
    std::printf("ball %d %d %d %d\n", bt.x() + kTile / 2, bt.y() + kTile / 2, bt.x(), bt.y());
    if (bestTarget >= 0) {
        const QPoint tt = TileCorner(*desk, bestTarget);
        std::printf("target %d %d %d\n", tt.x() + kTile / 2, tt.y() + kTile / 2,
                    Distances(ball, bestBall)[bestTarget]);
    }
    return 0;
}

int Differ(const char* a, const char* b, int x, int y) {
    const QImage ia = Load(a), ib = Load(b);
    if (ia.isNull() || ib.isNull()) {
        std::fprintf(stderr, "desk_probe: cannot read the shots\n");
        return 2;
    }
    const QRect square(x, y, kTile, kTile);
    return ia.copy(square) != ib.copy(square) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "find") == 0) {
        return Find(argv[2]);
    }
    if (argc == 6 && std::strcmp(argv[1], "differ") == 0) {
        return Differ(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    }
    std::fprintf(stderr,
                 "usage: desk_probe find SHOT.png\n"
                 "       desk_probe differ A.png B.png X Y\n");
    return 2;
}
