// The Desk image: the 262 x 262 Desk picture on screen. Drawing replaces
// 22 x 22 squares of the picture and only records them as dirty; the screen
// changes when Repaint() flushes what was drawn since the last repaint.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <bitset>
#include <cstdint>

#include "view/desk_geometry.h"
#include "view/sprite_sheets.h"

namespace quorbals {

class DeskView : public QWidget {
    Q_OBJECT

public:
    // Both must outlive the view; the tables are read at every draw, so the
    // margin set at the first activation applies from then on.
    DeskView(const SpriteSheets& sheets, const ViewTables& tables, QWidget* parent = nullptr);

    // Opaque tile copies into the picture at a cell; none repaints. A copy
    // that changes the square marks it dirty; one that puts back the very
    // same pixels (erasing an already blank cell) leaves nothing to repaint.
    // Values outside their ranges (cell 0..8, colour 0..5, frame 0..3,
    // sprite 0..19) draw nothing.
    void DrawBallTile(int x, int y, int color, int frame);
    void DrawArrowSprite(int x, int y, int index);
    void DrawEmptyTile(int x, int y);
    // The picture becomes the clean Desk; all of it is dirty, and it is
    // flushed by itself when control returns to the event loop.
    void ResetDesk();
    // Flushes the dirty region to the screen and empties it.
    void Repaint();

    const QImage& Picture() const { return picture_; }
    // What the next Repaint() will flush: changed cells' squares, or the
    // whole picture after a reset.
    QRegion DirtyRegion() const;
    // Pixels handed to the screen by Repaint() since construction.
    std::int64_t RepaintedPixels() const { return repaintedPixels_; }

    QSize sizeHint() const override { return picture_.size(); }

signals:
    // Pixel positions in the picture; may lie outside it while a button is
    // held and the pointer has left the view.
    void pointerMoved(int x, int y);
    // The release of any button.
    void pointerReleased(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CopyToCell(const QImage& sheet, int sx, int sy, int x, int y);

    const SpriteSheets& sheets_;
    const ViewTables& tables_;
    QImage picture_;
    // Kept per cell rather than as a QRegion: a route draws and erases
    // dozens of squares per pointer move, and the region is built once.
    std::bitset<kCellCount> dirtyCells_;
    bool wholeDirty_ = false;
    bool flushQueued_ = false;
    std::int64_t repaintedPixels_ = 0;
};

}  // namespace quorbals
