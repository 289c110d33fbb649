#include "view/qt/bevel_panel.h"

#include <QPainter>

namespace quorbals {

BevelPanel::BevelPanel(QWidget* parent, Bevel outer, Bevel inner)
    : QWidget(parent), outer_(outer), inner_(inner) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void DrawBevelRing(QPainter& p, const QRect& r, Bevel bevel, const QPalette& pal) {
    for (const BevelLine& line : BevelRing(PixelRect{r.x(), r.y(), r.width(), r.height()}, bevel)) {
        p.setPen(pal.color(line.shade == BevelShade::Light ? QPalette::Light : QPalette::Dark));
        p.drawLine(line.x0, line.y0, line.x1, line.y1);
    }
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect whole = rect();
    DrawBevelRing(p, whole, outer_, palette());
    const PixelRect inside =
        InsideRing(PixelRect{whole.x(), whole.y(), whole.width(), whole.height()}, outer_);
    DrawBevelRing(p, QRect(inside.x, inside.y, inside.width, inside.height), inner_, palette());
}

}  // namespace quorbals
