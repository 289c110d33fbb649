// The saved-game file: 1320 bytes, the signature "kvx\0" followed by Score,
// NextBalls, Desk, FreeCellList and FreeCount, integers little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "game/state.h"

namespace quorbals {

constexpr std::size_t kSavedGameSize = 1320;
inline constexpr std::array<std::uint8_t, 4> kGameSignature = {'k', 'v', 'x', 0};

// The five records a saved game holds, as they stand in GameState.
struct SavedGameRecords {
    std::int32_t score = 0;
    std::array<BallColor, kPreviewCount> nextBalls{};
    std::array<BallColor, kCellCount> desk{};
    std::array<FreeCellRecord, kCellCount> freeCellList{};
    std::int32_t freeCount = 0;
};

SavedGameRecords RecordsOf(const GameState& state);

// Replaces the five records of `state` and clears the selection; nothing
// else of the game changes.
void ApplyRecords(const SavedGameRecords& records, GameState& state);

std::array<std::uint8_t, kSavedGameSize> EncodeSavedGame(const SavedGameRecords& records);

enum class SavedGameCheck {
    kValid,
    kWrongSignature,  // not a saved game
    kEndsEarly,       // fewer than 4 bytes, or the signature and fewer than 1320
    kBadValues,       // the records break the Desk's invariants
};

// Decodes the first 1320 bytes into `out` and checks them, in this order:
// length of the signature, signature, whole length, values. `out` is
// meaningful only for kValid.
SavedGameCheck DecodeSavedGame(std::span<const std::uint8_t> bytes, SavedGameRecords& out);

// True when the records keep the Desk's invariants (CheckStateInvariants):
// colours 0..5 or -1, each FreeCellList record with its own cell's X and Y
// and a Free byte of 1 exactly for the empty cells and 0 for the others,
// FreeCount the number of empty cells, previews 0..5, Score not negative.
bool RecordsAreSound(const SavedGameRecords& records);

// "\"game.kvx\" is invalid or corrupt!" for any folder holding game.kvx.
std::string InvalidGameMessage(const std::string& path);

enum class GameLoadOutcome { kLoaded, kInvalid };

struct GameLoadResult {
    GameLoadOutcome outcome = GameLoadOutcome::kLoaded;
    std::string message;  // the message box text for kInvalid
};

// Reads and checks a saved game before anything changes; only a file that
// passes every check replaces the five records (and clears the selection).
// A path that is not a regular file, or a file that is not a sound saved
// game, gives kInvalid. Throws FileError (missing file, no permission,
// "Read beyond end of file" for a short one); the game is then unchanged.
GameLoadResult LoadGame(const std::string& path, GameState& state);

// Writes the game atomically. Throws FileError.
void SaveGame(const std::string& path, const GameState& state);

}  // namespace quorbals
