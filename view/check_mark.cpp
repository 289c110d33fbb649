#include "view/check_mark.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorbals {

namespace {

struct Point {
    double x;
    double y;
};

// A stroke three pixels wide with round ends and joins, through these points.
constexpr std::array<Point, 3> kStroke{{{3, 9.5}, {7, 13.5}, {15, 4.5}}};
constexpr double kHalfWidth = 1.5;
constexpr Pixel kGreen = 0x008000;

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

PixelPicture CheckMarkPicture() {
    PixelPicture mark(kCheckMarkSize, kCheckMarkSize, 0);
    for (int y = 0; y < kCheckMarkSize; ++y) {
        for (int x = 0; x < kCheckMarkSize; ++x) {
            const Point centre{x + 0.5, y + 0.5};
            double d = DistanceToSegment(centre, kStroke[0], kStroke[1]);
            d = std::min(d, DistanceToSegment(centre, kStroke[1], kStroke[2]));
            // Full inside the stroke, fading over the pixel across its edge.
            const double cover = std::clamp(kHalfWidth + 0.5 - d, 0.0, 1.0);
            const auto alpha = static_cast<Pixel>(std::lround(cover * 255));
            mark.Set(x, y, alpha << 24 | kGreen);
        }
    }
    return mark;
}

}  // namespace quorbals
