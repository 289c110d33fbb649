// floor_window: the least a Qt Widgets program of the game's shape costs, as
// a floor for the game's own start-up and idle figures. A QMainWindow titled
// "Floor" with a menu bar of three entries and a 273 x 306 central widget.
//
//   floor_window [--tick]
//
// With --tick a 100 ms timer repaints one 22 x 22 square, cycling four
// pre-drawn tiles, as a selected ball's glow does in the game.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstring>

namespace {

constexpr int kTile = 22;
const QRect kTileRect(16, 16, kTile, kTile);

class TickingArea : public QWidget {
public:
    explicit TickingArea(QWidget* parent) : QWidget(parent) {
        setFixedSize(273, 306);
        for (int f = 0; f < 4; ++f) {
            frames_[f] = QImage(kTile, kTile, QImage::Format_RGB32);
            frames_[f].fill(QColor(0, 0, 128 + 42 * f));
        }
    }

    void Tick() {
        frame_ = (frame_ + 1) % 4;
        update(kTileRect);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(kTileRect.topLeft(), frames_[frame_]);
    }

private:
    std::array<QImage, 4> frames_;
    int frame_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const bool tick = argc > 1 && std::strcmp(argv[1], "--tick") == 0;
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenuBar* bar = window.menuBar();
    bar->setNativeMenuBar(false);
    bar->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&Start"));
    bar->addAction(QStringLiteral("&Start!"));
    bar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About ..."));

    auto* area = new TickingArea(&window);
    window.setCentralWidget(area);

    QTimer timer;
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, area, [area] { area->Tick(); });
    if (tick) {
        timer.start();
    }

    window.show();
    return app.exec();
}
