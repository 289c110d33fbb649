// The design's rectangles and fonts as Qt takes them.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "view/design_geometry.h"

namespace quorbals {

inline QRect ToQRect(const DesignRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

inline QColor ToQColor(DesignColour colour) {
    return QColor::fromRgb(colour);
}

inline QFont ToQFont(const DesignFont& design) {
    QFont font(QString::fromLatin1(design.family));
    font.setPixelSize(design.pixelHeight);
    font.setBold(design.bold);
    return font;
}

}  // namespace quorbals
