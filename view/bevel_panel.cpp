#include "view/bevel_panel.h"

#include <QPainter>

namespace quorbals {

BevelPanel::BevelPanel(QWidget* parent, Bevel outer, Bevel inner)
    : QWidget(parent), outer_(outer), inner_(inner) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void DrawBevelRing(QPainter& p, const QRect& r, Bevel bevel, const QPalette& pal) {
    if (bevel == Bevel::None) {
        return;
    }
    const QColor topLeft =
        bevel == Bevel::Raised ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
    const QColor bottomRight =
        bevel == Bevel::Raised ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    DrawBevelRing(p, r, outer_, palette());
    if (outer_ != Bevel::None) {
        r.adjust(1, 1, -1, -1);
    }
    DrawBevelRing(p, r, inner_, palette());
}

}  // namespace quorbals
