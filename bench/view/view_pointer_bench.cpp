// The cost of the pointer on the Desk, and how much of the Desk image each
// kind of event hands to the screen.
//
// BM_PointerMoveOverFreeCell/<set>: one pointer move over a free cell while a
// ball is selected (erase the shown route, search, draw the new route, the
// repaint request), into a real Desk picture, over the seeded board corpus:
// 0 empty_far, 1 random30, 2 random60, 3 random85, 4 mazes. Each board is
// swept as a pointer would: every free cell in turn, from the same ball.
// px_per_event counts the pixels flushed to the screen per event.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "bench/board_corpus.h"
#include "game/state.h"
#include "view/desk_picture.h"
#include "view/move_animation.h"
#include "view/pointer_input.h"

namespace quorbals {
namespace {

// Drawing goes to the Desk picture, repaints are its flushes; timers are only remembered; no sound.
class DeskEffects : public Effects {
public:
    explicit DeskEffects(DeskPicture& desk) : desk_(desk) {}
    bool moveTimer = false;
    bool waitTimer = false;

    void StartTimer(GameTimer t) override { (t == GameTimer::Move ? moveTimer : waitTimer) = true; }
    void StopTimer(GameTimer t) override { (t == GameTimer::Move ? moveTimer : waitTimer) = false; }
    void DrawBallTile(int x, int y, int color, int frame) override {
        desk_.DrawBallTile(x, y, color, frame);
    }
    void DrawEmptyTile(int x, int y) override { desk_.DrawEmptyTile(x, y); }
    void DrawArrowSprite(int x, int y, int index) override { desk_.DrawArrowSprite(x, y, index); }
    void DrawPreviewTile(int, int) override {}
    void ResetDesk() override { desk_.ResetDesk(); }
    void RepaintDesk() override { desk_.Flush(); }
    void SetScoreText(std::int32_t) override {}
    void PlaySound(SoundCue) override {}
    void ShowGameOver() override {}
    bool EnterHighScore() override { return true; }
    void PathCountError() override {}

private:
    DeskPicture& desk_;
};

int Centre(int cell) {
    return cell * kCellPitch + 15;
}

struct Fixture {
    SpriteSheets sheets;
    ViewTables tables;
    DeskPicture desk{sheets, tables};
    DeskEffects fx{desk};
    Fixture() { SetUpViewTables(tables); }
};

// The Desk picture showing the board, and its ball at `start` selected.
void ShowBoard(Fixture& f, GameState& s, const bench::BoardCase& board, Cell start) {
    s = bench::StateWithDesk(board.desk);
    s.path.grid.fill(kPathFree);
    f.desk.ResetDesk();
    for (int i = 0; i < kCellCount; ++i) {
        if (s.desk[i] != kNoBall) {
            f.desk.DrawBallTile(i % kDeskSide, i / kDeskSide, s.desk[i], 0);
        }
    }
    DeskMouseUp(s, f.fx, f.tables, Centre(start.x), Centre(start.y), false);
    f.desk.Flush();
}

void BM_PointerMoveOverFreeCell(benchmark::State& st) {
    const bench::BoardSet& set = bench::PathCorpus().at(static_cast<std::size_t>(st.range(0)));
    st.SetLabel(set.name);
    Fixture f;
    GameState s;
    std::size_t b = 0;
    std::size_t q = 0;
    Cell selected{-1, -1};
    std::int64_t moves = 0;
    std::int64_t pixels = 0;
    std::int64_t before = 0;
    for (auto _ : st) {
        const bench::BoardCase& board = set.boards[b];
        const bench::PathQuery& query = board.queries[q];
        if (q == 0 || !(query.start == selected)) {
            st.PauseTiming();
            f.desk.Flush();
            pixels += f.desk.RepaintedPixels() - before;
            ShowBoard(f, s, board, query.start);
            selected = query.start;
            before = f.desk.RepaintedPixels();
            st.ResumeTiming();
        }
        DeskMouseMove(s, f.fx, f.tables, Centre(query.target.x), Centre(query.target.y), false);
        ++moves;
        if (++q == board.queries.size()) {
            q = 0;
            b = (b + 1) % set.boards.size();
        }
    }
    f.desk.Flush();  // what the last stops left for the next repaint
    pixels += f.desk.RepaintedPixels() - before;
    st.counters["px_per_event"] = static_cast<double>(pixels) / static_cast<double>(moves);
}
BENCHMARK(BM_PointerMoveOverFreeCell)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// BM_PointerMoveSameRoute: a pointer that keeps moving inside one target
// cell, with a ball at (0, 0) and its 16-cell route to (8, 8) shown: every
// move finds the same route again.
void BM_PointerMoveSameRoute(benchmark::State& st) {
    Fixture f;
    GameState s;
    std::array<BallColor, kCellCount> desk;
    desk.fill(kNoBall);
    desk[0] = 2;
    ShowBoard(f, s, bench::BoardCase{desk, {}}, Cell{0, 0});
    DeskMouseMove(s, f.fx, f.tables, Centre(8), Centre(8), false);
    f.desk.Flush();
    const std::int64_t before = f.desk.RepaintedPixels();
    std::int64_t moves = 0;
    for (auto _ : st) {
        DeskMouseMove(s, f.fx, f.tables, Centre(8) + static_cast<int>(moves % 2), Centre(8), false);
        ++moves;
    }
    st.counters["px_per_event"] =
        static_cast<double>(f.desk.RepaintedPixels() - before) / static_cast<double>(moves);
}
BENCHMARK(BM_PointerMoveSameRoute)->Unit(benchmark::kMicrosecond);

void BM_GlowTick(benchmark::State& st) {
    Fixture f;
    GameState s;
    const bench::BoardCase& board = bench::PathCorpus().at(1).boards.at(0);
    ShowBoard(f, s, board, board.queries.at(0).start);
    const std::int64_t before = f.desk.RepaintedPixels();
    std::int64_t ticks = 0;
    for (auto _ : st) {
        GlowTimerTick(s, f.fx);
        ++ticks;
    }
    st.counters["px_per_event"] =
        static_cast<double>(f.desk.RepaintedPixels() - before) / static_cast<double>(ticks);
}
BENCHMARK(BM_GlowTick)->Unit(benchmark::kMicrosecond);

// A ball at (0,0) on an empty Desk, released on (8,8): a 16-cell route.
void StartLongMove(Fixture& f, GameState& s) {
    std::array<BallColor, kCellCount> desk;
    desk.fill(kNoBall);
    desk[0] = 2;
    bench::BoardCase board{desk, {}};
    f.fx.waitTimer = false;
    ShowBoard(f, s, board, Cell{0, 0});
    DeskMouseMove(s, f.fx, f.tables, Centre(8), Centre(8), false);
    DeskMouseUp(s, f.fx, f.tables, Centre(8), Centre(8), false);
    f.desk.Flush();
}

// One tick of the travelling ball per iteration.
void BM_MoveTick(benchmark::State& st) {
    Fixture f;
    GameState s;
    std::int64_t ticks = 0;
    std::int64_t pixels = 0;
    StartLongMove(f, s);
    std::int64_t before = f.desk.RepaintedPixels();
    for (auto _ : st) {
        MoveTimerTick(s, f.fx);
        ++ticks;
        if (!f.fx.moveTimer) {
            st.PauseTiming();
            pixels += f.desk.RepaintedPixels() - before;
            StartLongMove(f, s);
            before = f.desk.RepaintedPixels();
            st.ResumeTiming();
        }
    }
    pixels += f.desk.RepaintedPixels() - before;
    st.counters["px_per_event"] = static_cast<double>(pixels) / static_cast<double>(ticks);
}
BENCHMARK(BM_MoveTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorbals

BENCHMARK_MAIN();
