// The table of the ten best scores, its file "quorbals.scr" (Count records
// of 28 bytes, no header) and the player name offered for a new entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/data_paths.h"

namespace quorbals {

constexpr int kScoreSlots = 10;
constexpr std::size_t kNameBytes = 20;
constexpr std::size_t kScoreEntrySize = 28;
constexpr std::size_t kScoreFileLimit = kScoreSlots * kScoreEntrySize;  // bytes read at most
constexpr std::size_t kPlayerNameLimit = 50;
inline constexpr char kDefaultPlayerName[] = "New Player";

// One record, the same in memory and in the file: Score (int32 LE), the name
// length, 20 name bytes (code page 1251; only the first nameLength count),
// 3 fill bytes. Bytes past the name and the fill keep whatever they last
// held and are written back as they stand.
struct ScoreEntry {
    std::int32_t score = 0;
    std::uint8_t nameLength = 0;  // 0..20
    std::array<std::uint8_t, kNameBytes> name{};
    std::array<std::uint8_t, 3> fill{};

    // The valid name bytes.
    std::string Name() const;
    // Sets the length and the first bytes of the name from the first 20 bytes
    // of `bytes`; the bytes after them keep what they held.
    void SetName(std::string_view bytes);
};

// Slots 0..count-1 are valid, best first; among equal scores the earlier.
struct ScoreTable {
    std::int32_t count = 0;
    std::array<ScoreEntry, kScoreSlots> entries{};
};

// All that the high-score table keeps for the run.
struct HighScoreState {
    ScoreTable table;
    std::string playerName = kDefaultPlayerName;  // code page 1251, at most 50 bytes
    std::int32_t newEntryIndex = 0;               // slot of the last entry made
    // False while the score file exists but could not be read: such a table
    // must never replace the file.
    bool fromFile = true;
};

void EncodeScoreEntry(const ScoreEntry& entry, std::uint8_t* out);
ScoreEntry DecodeScoreEntry(const std::uint8_t* bytes);

// The file's content: slots 0..count-1, count * 28 bytes.
std::vector<std::uint8_t> EncodeScoreFile(const ScoreTable& table);

// Fills the slots from the first 280 bytes of a score file and sets count to
// the number of whole records; the bytes of a trailing partial record land
// in the next slot, where they are not valid. A name length above 20 is
// taken as 20 (in memory too, so the next write stores 20).
void DecodeScoreFile(std::span<const std::uint8_t> bytes, ScoreTable& table);

// The start of a run: an empty table and the name "New Player".
void ResetHighScores(HighScoreState& scores);

// Reads paths.scoreFile, or paths.fallbackScoreFile when the first does not
// exist, into
// `table` (both files missing: the table is left as it is). Reads for
// reading only. Throws FileError; `table` is then unchanged.
void LoadHighScores(const DataPaths& paths, ScoreTable& table);

// Puts a final score into the table with the first 20 bytes of the player
// name, as a game's end does. Returns false when the table is full and the
// score beats none of it; otherwise sets scores.newEntryIndex.
bool PlaceNewScore(HighScoreState& scores, std::int32_t finalScore);

// The name typed in the dialog, as code-page bytes: the player name keeps
// its first 50 bytes, the new entry its first 20.
void TakeEnteredName(HighScoreState& scores, std::string_view typedName);

// Writes the valid slots to paths.scoreFile (never to the fallback beside
// the program),
// atomically. Throws FileError.
void WriteHighScores(const DataPaths& paths, const ScoreTable& table);

// Empties the table (the slots keep their bytes) and deletes
// paths.scoreFile, then paths.fallbackScoreFile; failures to delete are
// ignored.
void ClearHighScores(const DataPaths& paths, ScoreTable& table);

}  // namespace quorbals
