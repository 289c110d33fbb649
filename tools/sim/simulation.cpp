#include "tools/sim/simulation.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "game/invariants.h"
#include "game/move.h"
#include "game/spawning.h"
#include "game/turn_cycle.h"
#include "tools/sim/bot.h"
#include "tools/sim/game_files.h"
#include "tools/sim/trace_format.h"

namespace quorbals::sim {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

Simulation::Simulation(const SimOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err), effects_(state_) {}

void Simulation::Start() {
    state_.randomState = options_.seed;
    NewGame(state_, effects_);
    started_ = true;
}

void Simulation::StartUndealt() {
    state_.randomState = options_.seed;
    started_ = true;
}

int Simulation::Run() {
    if (!started_) {
        Start();
    }
    for (std::int64_t game = 0; game < options_.games; ++game) {
        const int status = PlayGame(game);
        if (status != kExitOk) {
            Flush(true);
            return status;
        }
    }
    // The last game's NewGame has run; its records are not traced.
    if (options_.check && !Check(state_, options_.games, 0)) {
        Flush(true);
        return kExitFailure;
    }
    Flush(true);
    return kExitOk;
}

int Simulation::PlayGame(std::int64_t game) {
    std::int64_t turn = 0;
    if (options_.trace) {
        AppendStartLine(buffer_, game, state_);
    }
    if (options_.check && !Check(state_, game, turn)) {
        return kExitFailure;
    }
    for (;;) {
        const std::optional<BotMove> move = ChooseMove(state_);
        if (!move) {
            if (options_.trace) {
                AppendStuckLine(buffer_, game, turn, state_.score);
            }
            ++totals_.games;
            ++totals_.stuckGames;
            totals_.totalScore += state_.score;
            NewGame(state_, effects_);
            return kExitOk;
        }

        // As the selection and the pointer would: select, find, release.
        state_.path.start = move->from;
        state_.path.target = move->from;
        state_.path.ready = 0;
        const PathResult result = FindPath(state_, effects_, move->to);
        if (result == PathResult::CountError) {
            Flush(true);
            err_ << "Path count error!\n";
            return kExitPathCountError;
        }
        const Route route = FollowRoute(state_.path);
        if (result != PathResult::Found || route.length == 0) {
            Fail(game, turn + 1, "no route found to a reachable cell");
            return kExitFailure;
        }
        if (options_.check && !CheckRoute(move->from, move->to, route, game, turn + 1)) {
            return kExitFailure;
        }
        state_.path.ready = 1;
        MoveBall(state_, move->from, move->to);

        effects_.BeginTurn();
        state_.turnPhase = 0;
        WaitTimerTick(state_, effects_);
        ++turn;
        ++totals_.moves;

        const bool over = effects_.GameOver();
        const GameState& shown = over ? effects_.FinalState() : state_;
        if (options_.trace) {
            AppendMoveLine(buffer_, game, turn, move->from, move->to, route, shown);
        }
        if (options_.check) {
            if (!Check(shown, game, turn)) {
                return kExitFailure;
            }
            const std::string lines = CheckNoLineLeft(shown);
            if (!lines.empty()) {
                Fail(game, turn, lines);
                return kExitFailure;
            }
            if (!over && state_.freeCount <= 0) {
                Fail(game, turn, "the Desk is full but the game goes on");
                return kExitFailure;
            }
        }
        if (afterMove) {
            if (const int status = afterMove(shown, game, turn); status != kExitOk) {
                return status;
            }
        }
        if (over) {
            if (options_.trace) {
                AppendOverLine(buffer_, game, turn, shown.score);
            }
            ++totals_.games;
            totals_.totalScore += shown.score;
            Flush(false);
            return kExitOk;
        }
        Flush(false);
    }
}

bool Simulation::Check(const GameState& state, std::int64_t game, std::int64_t turn) {
    const std::string fault = CheckStateInvariants(state);
    return fault.empty() || Fail(game, turn, fault);
}

bool Simulation::CheckRoute(Cell from, Cell to, const Route& route, std::int64_t game,
                            std::int64_t turn) {
    Cell previous = from;
    std::array<bool, kCellCount> seen{};
    for (int k = 0; k < route.length; ++k) {
        const Cell c = route.cells[k];
        const int i = CellIndex(c.x, c.y);
        const int distance = std::abs(c.x - previous.x) + std::abs(c.y - previous.y);
        if (distance != 1 || state_.desk[i] != kNoBall || seen[i]) {
            return Fail(game, turn, "the route is no chain of free cells");
        }
        seen[i] = true;
        previous = c;
    }
    return previous == to || Fail(game, turn, "the route does not end on the target");
}

bool Simulation::Fail(std::int64_t game, std::int64_t turn, const std::string& what) {
    Flush(true);
    err_ << "quorbals-sim: check failed in game " << game << ", move " << turn << ": " << what
         << "\n";
    return false;
}

void Simulation::Flush(bool force) {
    if (buffer_.empty() || (!force && buffer_.size() < kFlushSize)) {
        return;
    }
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    if (force) {
        out_.flush();
    }
}

int SimMain(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
    SimOptions options;
    const std::string error = ParseSimOptions(args, options);
    if (!error.empty()) {
        err << "quorbals-sim: " << error << "\n" << kSimUsage;
        return kExitUsage;
    }
    if (options.help) {
        out << kSimUsage;
        return kExitOk;
    }

    Simulation simulation(options, out, err);
    if (!options.loadFile.empty()) {
        simulation.StartUndealt();
        if (!LoadSavedGame(options.loadFile, simulation.State(), err)) {
            return kExitFileError;
        }
    }
    bool saved = false;
    std::int64_t gameZeroMoves = 0;
    if (options.saveAfter > 0) {
        simulation.afterMove = [&](const GameState& shown, std::int64_t game, std::int64_t turn) {
            if (game != 0) {
                return kExitOk;
            }
            gameZeroMoves = turn;
            if (turn != options.saveAfter) {
                return kExitOk;
            }
            if (!SaveSavedGame(options.saveFile, shown, err)) {
                return kExitFileError;
            }
            saved = true;
            return kExitOk;
        };
    }
    const auto started = std::chrono::steady_clock::now();
    const int status = simulation.Run();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (status != kExitOk) {
        return status;
    }
    if (!options.trace) {
        const SimTotals& totals = simulation.Totals();
        char rate[64];
        std::snprintf(rate, sizeof rate, "%.3f", seconds);
        out << "games: " << totals.games << "\n"
            << "stuck: " << totals.stuckGames << "\n"
            << "moves: " << totals.moves << "\n"
            << "total score: " << totals.totalScore << "\n"
            << "seconds: " << rate << "\n";
        std::snprintf(rate, sizeof rate, "%.0f",
                      seconds > 0 ? static_cast<double>(totals.moves) / seconds : 0.0);
        out << "moves per second: " << rate << "\n";
    }
    out.flush();
    if (!out) {
        return kExitFailure;
    }
    if (options.saveAfter > 0 && !saved) {
        err << "quorbals-sim: game 0 ended after " << gameZeroMoves
            << (gameZeroMoves == 1 ? " move" : " moves") << ", before move " << options.saveAfter
            << "; nothing was saved\n";
        return kExitNotSaved;
    }
    return kExitOk;
}

}  // namespace quorbals::sim
