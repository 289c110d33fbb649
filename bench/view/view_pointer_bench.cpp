// The cost of the pointer on the Desk, and how much of the Desk image each
// kind of event hands to the screen.
//
// BM_PointerMoveOverFreeCell: one pointer move over a free cell with a ball
// selected: erase the old route, search, draw the new route, and the repaint
// request, into a real Desk picture. Boards are seeded mid-game positions.
// The counters give the pixels flushed per event (px_per_event).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

#include "game/random.h"
#include "game/state.h"
#include "view/desk_view.h"
#include "view/move_animation.h"
#include "view/pointer_input.h"

namespace quorbals {
namespace {

// Drawing goes to the Desk image; timers are only remembered; no sound.
class DeskEffects : public Effects {
public:
    explicit DeskEffects(DeskView& view) : view_(view) {}
    bool moveTimer = false;
    bool waitTimer = false;

    void StartTimer(GameTimer t) override { (t == GameTimer::Move ? moveTimer : waitTimer) = true; }
    void StopTimer(GameTimer t) override { (t == GameTimer::Move ? moveTimer : waitTimer) = false; }
    void DrawBallTile(int x, int y, int color, int frame) override {
        view_.DrawBallTile(x, y, color, frame);
    }
    void DrawEmptyTile(int x, int y) override { view_.DrawEmptyTile(x, y); }
    void DrawArrowSprite(int x, int y, int index) override { view_.DrawArrowSprite(x, y, index); }
    void DrawPreviewTile(int, int) override {}
    void ResetDesk() override { view_.ResetDesk(); }
    void RepaintDesk() override { view_.Repaint(); }
    void SetScoreText(std::int32_t) override {}
    void PlaySound(SoundCue) override {}
    void ShowGameOver() override {}
    bool EnterHighScore() override { return true; }
    void PathCountError() override {}

private:
    DeskView& view_;
};

struct Board {
    GameState state;
    std::vector<Cell> freeCells;
};

// A seeded board with `balls` balls, the first of them selected.
Board MakeBoard(std::uint32_t seed, int balls) {
    Board board;
    GameState& s = board.state;
    s.randomState = seed;
    for (int i = 0; i < kCellCount; ++i) {
        s.desk[i] = kNoBall;
        s.freeCellList[i] = FreeCellRecord{i % kDeskSide, i / kDeskSide, 1, {0, 0, 0}};
    }
    s.freeCount = kCellCount;
    Cell first{};
    for (int b = 0; b < balls; ++b) {
        int i = RandomBelow(s, kCellCount);
        while (s.desk[i] != kNoBall) {
            i = (i + 1) % kCellCount;
        }
        s.desk[i] = RandomBelow(s, kColorCount);
        s.freeCellList[i].free = 0;
        --s.freeCount;
        if (b == 0) {
            first = Cell{i % kDeskSide, i / kDeskSide};
        }
    }
    s.selection = Selection{first.x, first.y, s.desk[CellIndex(first.x, first.y)], 0};
    s.path.start = first;
    s.path.target = first;
    s.arrowMarks.fill(-1);
    for (int i = 0; i < kCellCount; ++i) {
        if (s.desk[i] == kNoBall) {
            board.freeCells.push_back(Cell{i % kDeskSide, i / kDeskSide});
        }
    }
    return board;
}

int Centre(int cell) {
    return cell * kCellPitch + 15;
}

struct Fixture {
    SpriteSheets sheets;
    ViewTables tables;
    DeskView view{sheets, tables};
    DeskEffects fx{view};
    Fixture() { SetUpViewTables(tables); }
};

void BM_PointerMoveOverFreeCell(benchmark::State& st) {
    Fixture f;
    std::vector<Board> boards;
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        boards.push_back(MakeBoard(seed * 7919u, static_cast<int>(st.range(0))));
    }
    std::size_t b = 0;
    std::size_t c = 0;
    std::int64_t moves = 0;
    const std::int64_t before = f.view.RepaintedPixels();
    for (auto _ : st) {
        Board& board = boards[b];
        const Cell cell = board.freeCells[c];
        DeskMouseMove(board.state, f.fx, f.tables, Centre(cell.x), Centre(cell.y), false);
        ++moves;
        if (++c == board.freeCells.size()) {
            c = 0;
            b = (b + 1) % boards.size();
        }
    }
    f.view.Repaint();  // what the last stops left for the next repaint
    st.counters["px_per_event"] =
        static_cast<double>(f.view.RepaintedPixels() - before) / static_cast<double>(moves);
}
BENCHMARK(BM_PointerMoveOverFreeCell)->Arg(3)->Arg(30)->Arg(60)->Unit(benchmark::kMicrosecond);

void BM_GlowTick(benchmark::State& st) {
    Fixture f;
    Board board = MakeBoard(42, 30);
    const std::int64_t before = f.view.RepaintedPixels();
    std::int64_t ticks = 0;
    for (auto _ : st) {
        GlowTimerTick(board.state, f.fx);
        ++ticks;
    }
    st.counters["px_per_event"] =
        static_cast<double>(f.view.RepaintedPixels() - before) / static_cast<double>(ticks);
}
BENCHMARK(BM_GlowTick)->Unit(benchmark::kMicrosecond);

// A ball at (0,0) on an empty Desk, released on (8,8): a 16-cell route.
void StartLongMove(Fixture& f, GameState& s) {
    s = MakeBoard(1, 1).state;
    for (int i = 0; i < kCellCount; ++i) {
        s.desk[i] = kNoBall;
    }
    s.desk[0] = 2;
    s.selection = Selection{0, 0, 2, 0};
    s.path.start = s.path.target = Cell{0, 0};
    f.fx.waitTimer = false;
    f.view.ResetDesk();
    f.view.DrawBallTile(0, 0, 2, 0);
    DeskMouseMove(s, f.fx, f.tables, Centre(8), Centre(8), false);
    DeskMouseUp(s, f.fx, f.tables, Centre(8), Centre(8), false);
    f.view.Repaint();
}

// One tick of the travelling ball per iteration.
void BM_MoveTick(benchmark::State& st) {
    Fixture f;
    GameState s;
    std::int64_t ticks = 0;
    std::int64_t pixels = 0;
    StartLongMove(f, s);
    std::int64_t before = f.view.RepaintedPixels();
    for (auto _ : st) {
        MoveTimerTick(s, f.fx);
        ++ticks;
        if (!f.fx.moveTimer) {
            st.PauseTiming();
            pixels += f.view.RepaintedPixels() - before;
            StartLongMove(f, s);
            before = f.view.RepaintedPixels();
            st.ResumeTiming();
        }
    }
    pixels += f.view.RepaintedPixels() - before;
    st.counters["px_per_event"] = static_cast<double>(pixels) / static_cast<double>(ticks);
}
BENCHMARK(BM_MoveTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorbals

int main(int argc, char** argv) {
    // The Desk image is a widget; it is never shown here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
