// The Desk image: shows the shared Desk picture on screen with the keyboard
// cursor's frame over it, reports the pointer and repaints the rectangles
// it is told have changed. Every design pixel is painted as a whole square
// of device pixels, never smoothed. It takes the keyboard focus, so that a
// screen reader's focus can rest on the Desk's cells.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <span>

#include "game/state.h"
#include "view/desk_picture.h"
#include "view/keyboard_play.h"

namespace quorbals {

// The game as the Desk shows it: what screen readers read from its cells,
// and the keyboard cursor it paints. All of it must outlive the view.
struct DeskGame {
    const GameState& state;
    const KeyboardCursor& cursor;
    const bool& colourMarks;
};

class DeskView : public QWidget {
    Q_OBJECT

public:
    // The picture must outlive the view.
    DeskView(DeskPicture& desk, const DeskGame& game, QWidget* parent = nullptr);

    // Repaints these rectangles of the picture.
    void ShowRects(std::span<const PixelRect> rects);

    const DeskPicture& Desk() const { return desk_; }
    const DeskGame& Game() const { return game_; }
    // The picture as an image over the same memory.
    const QImage& Picture() const { return image_; }

    // The cells, the selection or the cursor may have changed: screen
    // readers are told what did.
    void GameChanged();

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
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    DeskPicture& desk_;
    DeskGame game_;
    QImage image_;
};

}  // namespace quorbals
