// The JSON lines of `quorbals-sim --trace`: one object per line, keys in a
// fixed order, no spaces, each line ended by a newline.
#pragma once

#include <cstdint>
#include <string>

#include "game/path_search.h"
#include "game/state.h"

namespace quorbals::sim {

// The Desk row by row: '.' for an empty cell, the colour digit otherwise
// ('?' for a value that is no colour).
void AppendDesk(std::string& out, const GameState& state);

// {"g":G,"t":0,"score":S,"free":F,"next":[a,b,c],"desk":"..."}
void AppendStartLine(std::string& out, std::int64_t game, const GameState& state);

// {"g":G,"t":T,"from":[x,y],"to":[x,y],"route":[[x,y],...],"score":S,...}
void AppendMoveLine(std::string& out, std::int64_t game, std::int64_t turn, Cell from, Cell to,
                    const Route& route, const GameState& state);

// {"g":G,"over":true,"turns":T,"score":S}
void AppendOverLine(std::string& out, std::int64_t game, std::int64_t turns, std::int32_t score);

// {"g":G,"stuck":true,"turns":T,"score":S}
void AppendStuckLine(std::string& out, std::int64_t game, std::int64_t turns, std::int32_t score);

}  // namespace quorbals::sim
