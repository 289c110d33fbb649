// The Desk image: shows the Desk picture on screen, reports the pointer and
// asks Qt to repaint what the picture says changed. Every design pixel is
// painted as a whole square of device pixels, never smoothed.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <cstdint>

#include "view/desk_picture.h"

namespace quorbals {

class DeskView : public QWidget {
    Q_OBJECT

public:
    // Both must outlive the view; see DeskPicture.
    DeskView(const SpriteSheets& sheets, const ViewTables& tables, QWidget* parent = nullptr);

    // Drawing into the picture; see DeskPicture. None repaints.
    void DrawBallTile(int x, int y, int color, int frame) {
        desk_.DrawBallTile(x, y, color, frame);
    }
    void DrawArrowSprite(int x, int y, int index) { desk_.DrawArrowSprite(x, y, index); }
    void DrawEmptyTile(int x, int y) { desk_.DrawEmptyTile(x, y); }
    // The picture becomes the clean Desk; it is flushed by itself when
    // control returns to the event loop.
    void ResetDesk();
    // Flushes to the screen what differs from what it last got.
    void Repaint();

    const DeskPicture& Desk() const { return desk_; }
    // The picture as an image over the same memory.
    const QImage& Picture() const { return image_; }
    // What the next Repaint() will flush.
    QRegion DirtyRegion() const;
    std::int64_t RepaintedPixels() const { return desk_.RepaintedPixels(); }

    QSize sizeHint() const override { return image_.size(); }

signals:
    // Pixel positions in the picture; may lie outside it while a button is
    // held and the pointer has left the view.
    void pointerMoved(int x, int y);
    // The release of any button.
    void pointerReleased(int x, int y);
    // The pointer left the view.
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    DeskPicture desk_;
    QImage image_;
    bool flushQueued_ = false;
};

}  // namespace quorbals
