// A panel with a classic one-pixel outer and inner bevel, each raised,
// lowered or absent, drawn in the palette's light and dark shades.
#pragma once

#include <QWidget>

#include "view/bevel.h"

class QPainter;

namespace quorbals {

// One ring of a bevel around r: top and left in one shade, bottom and right
// in the other.
void DrawBevelRing(QPainter& p, const QRect& r, Bevel bevel, const QPalette& pal);

class BevelPanel : public QWidget {
public:
    BevelPanel(QWidget* parent, Bevel outer, Bevel inner = Bevel::None);

    Bevel outer() const { return outer_; }
    Bevel inner() const { return inner_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
};

}  // namespace quorbals
