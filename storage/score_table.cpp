#include "storage/score_table.h"

#include <algorithm>

#include "storage/file_system.h"
#include "storage/little_endian.h"

namespace quorbals {

std::string ScoreEntry::Name() const {
    const std::size_t n = std::min<std::size_t>(nameLength, kNameBytes);
    return {reinterpret_cast<const char*>(name.data()), n};
}

void ScoreEntry::SetName(std::string_view bytes) {
    const std::size_t n = std::min(bytes.size(), kNameBytes);
    nameLength = static_cast<std::uint8_t>(n);
    std::copy_n(bytes.begin(), n, name.begin());
}

void EncodeScoreEntry(const ScoreEntry& entry, std::uint8_t* out) {
    WriteInt32Le(out, entry.score);
    out[4] = entry.nameLength;
    std::copy(entry.name.begin(), entry.name.end(), out + 5);
    std::copy(entry.fill.begin(), entry.fill.end(), out + 25);
}

ScoreEntry DecodeScoreEntry(const std::uint8_t* bytes) {
    ScoreEntry entry;
    entry.score = ReadInt32Le(bytes);
    entry.nameLength = std::min<std::uint8_t>(bytes[4], kNameBytes);
    std::copy_n(bytes + 5, kNameBytes, entry.name.begin());
    std::copy_n(bytes + 25, entry.fill.size(), entry.fill.begin());
    return entry;
}

std::vector<std::uint8_t> EncodeScoreFile(const ScoreTable& table) {
    const int count = std::clamp<std::int32_t>(table.count, 0, kScoreSlots);
    std::vector<std::uint8_t> bytes(count * kScoreEntrySize);
    for (int i = 0; i < count; ++i) {
        EncodeScoreEntry(table.entries[i], bytes.data() + i * kScoreEntrySize);
    }
    return bytes;
}

void DecodeScoreFile(std::span<const std::uint8_t> bytes, ScoreTable& table) {
    const std::size_t used = std::min(bytes.size(), kScoreFileLimit);
    const std::size_t whole = used / kScoreEntrySize;
    for (std::size_t i = 0; i < whole; ++i) {
        table.entries[i] = DecodeScoreEntry(bytes.data() + i * kScoreEntrySize);
    }
    const std::size_t rest = used % kScoreEntrySize;
    if (rest > 0) {
        // A partial record overwrites the start of its slot, which stays invalid.
        std::array<std::uint8_t, kScoreEntrySize> slot{};
        EncodeScoreEntry(table.entries[whole], slot.data());
        std::copy_n(bytes.data() + whole * kScoreEntrySize, rest, slot.begin());
        table.entries[whole] = DecodeScoreEntry(slot.data());
    }
    table.count = static_cast<std::int32_t>(whole);
}

void ResetHighScores(HighScoreState& scores) {
    scores.table.count = 0;
    scores.playerName = kDefaultPlayerName;
}

void LoadHighScores(const DataPaths& paths, ScoreTable& table) {
    std::string path;
    if (FileExists(paths.scoreFile)) {
        path = paths.scoreFile;
    } else if (FileExists(paths.fallbackScoreFile)) {
        path = paths.fallbackScoreFile;
    } else {
        return;
    }
    DecodeScoreFile(ReadFilePrefix(path, kScoreFileLimit), table);
}

bool PlaceNewScore(HighScoreState& scores, std::int32_t finalScore) {
    ScoreTable& t = scores.table;
    int slot = -1;
    if (t.count <= 0) {
        slot = 0;
        t.count = 0;
    } else {
        for (int i = 0; i < std::min<std::int32_t>(t.count, kScoreSlots); ++i) {
            if (t.entries[i].score < finalScore) {
                slot = i;
                break;
            }
        }
        if (slot >= 0) {
            // Whole records move down one slot, always from slot 8 on; the
            // last slot's record drops out.
            for (int j = kScoreSlots - 2; j >= slot; --j) {
                t.entries[j + 1] = t.entries[j];
            }
        } else if (t.count < kScoreSlots) {
            slot = t.count;
        } else {
            return false;
        }
    }
    ScoreEntry& entry = t.entries[slot];
    entry.score = finalScore;
    entry.SetName(scores.playerName);
    if (t.count < kScoreSlots) {
        ++t.count;
    }
    scores.newEntryIndex = slot;
    return true;
}

void TakeEnteredName(HighScoreState& scores, std::string_view typedName) {
    scores.playerName = std::string(typedName.substr(0, kPlayerNameLimit));
    scores.table.entries[scores.newEntryIndex].SetName(typedName);
}

void WriteHighScores(const DataPaths& paths, const ScoreTable& table) {
    WriteFileAtomically(paths.scoreFile, EncodeScoreFile(table));
}

void ClearHighScores(const DataPaths& paths, ScoreTable& table) {
    table.count = 0;
    RemoveFile(paths.scoreFile);
    RemoveFile(paths.fallbackScoreFile);
}

}  // namespace quorbals
