// Command line of quorbals-sim.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorbals::sim {

struct SimOptions {
    std::uint32_t seed = 1;  // RandomState before the first NewGame
    std::int64_t games = 1;  // games to play, 1..kMaxGames
    bool trace = false;      // JSON lines instead of the summary
    bool check = false;      // verify the records after every turn
    bool help = false;
    std::string loadFile;        // play game 0 from this saved game; empty: deal it
    std::int64_t saveAfter = 0;  // save game 0 after this move, 1..kMaxSaveMove; 0: never
    std::string saveFile;
};

constexpr std::int64_t kMaxGames = 1000000;
constexpr std::int64_t kMaxSaveMove = 1000000;

extern const char kSimUsage[];

// Parses the arguments after the program name. Returns an empty string on
// success, otherwise what was wrong. A repeated option takes its last value.
std::string ParseSimOptions(const std::vector<std::string_view>& args, SimOptions& options);

// A plain unsigned decimal (digits only) no larger than max.
bool ParseDecimal(std::string_view text, std::uint64_t max, std::uint64_t& value);

}  // namespace quorbals::sim
