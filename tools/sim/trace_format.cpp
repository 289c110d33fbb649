#include "tools/sim/trace_format.h"

#include <charconv>

namespace quorbals::sim {

namespace {

void AppendNumber(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void AppendCell(std::string& out, Cell cell) {
    out += '[';
    AppendNumber(out, cell.x);
    out += ',';
    AppendNumber(out, cell.y);
    out += ']';
}

// "score":S,"free":F,"next":[a,b,c],"desk":"..."}
void AppendRecords(std::string& out, const GameState& state) {
    out += "\"score\":";
    AppendNumber(out, state.score);
    out += ",\"free\":";
    AppendNumber(out, state.freeCount);
    out += ",\"next\":[";
    for (int k = 0; k < kPreviewCount; ++k) {
        if (k > 0) {
            out += ',';
        }
        AppendNumber(out, state.nextBalls[k]);
    }
    out += "],\"desk\":\"";
    AppendDesk(out, state);
    out += "\"}\n";
}

void AppendGame(std::string& out, std::int64_t game) {
    out += "{\"g\":";
    AppendNumber(out, game);
}

void AppendEnd(std::string& out, std::int64_t game, const char* key, std::int64_t turns,
               std::int32_t score) {
    AppendGame(out, game);
    out += ",\"";
    out += key;
    out += "\":true,\"turns\":";
    AppendNumber(out, turns);
    out += ",\"score\":";
    AppendNumber(out, score);
    out += "}\n";
}

}  // namespace

void AppendDesk(std::string& out, const GameState& state) {
    for (const BallColor color : state.desk) {
        if (color == kNoBall) {
            out += '.';
        } else if (color >= 0 && color < kColorCount) {
            out += static_cast<char>('0' + color);
        } else {
            out += '?';
        }
    }
}

void AppendStartLine(std::string& out, std::int64_t game, const GameState& state) {
    AppendGame(out, game);
    out += ",\"t\":0,";
    AppendRecords(out, state);
}

void AppendMoveLine(std::string& out, std::int64_t game, std::int64_t turn, Cell from, Cell to,
                    const Route& route, const GameState& state) {
    AppendGame(out, game);
    out += ",\"t\":";
    AppendNumber(out, turn);
    out += ",\"from\":";
    AppendCell(out, from);
    out += ",\"to\":";
    AppendCell(out, to);
    out += ",\"route\":[";
    for (int k = 0; k < route.length; ++k) {
        if (k > 0) {
            out += ',';
        }
        AppendCell(out, route.cells[k]);
    }
    out += "],";
    AppendRecords(out, state);
}

void AppendOverLine(std::string& out, std::int64_t game, std::int64_t turns, std::int32_t score) {
    AppendEnd(out, game, "over", turns, score);
}

void AppendStuckLine(std::string& out, std::int64_t game, std::int64_t turns, std::int32_t score) {
    AppendEnd(out, game, "stuck", turns, score);
}

}  // namespace quorbals::sim
