// What must hold for any bytes handed to the readers of the game's three
// file formats. Shared by the fuzz targets and the regression test that
// replays their corpus. Each check returns nullptr when all held, or a
// description of the first thing that did not.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "storage/cp1251.h"
#include "storage/little_endian.h"
#include "storage/saved_game.h"
#include "storage/score_table.h"
#include "storage/window_settings.h"

namespace quorbals::fuzz {

inline const char* CheckSavedGameDecoder(std::span<const std::uint8_t> bytes) {
    SavedGameRecords records;
    const SavedGameCheck check = DecodeSavedGame(bytes, records);
    if (bytes.size() < kGameSignature.size()) {
        return check == SavedGameCheck::kEndsEarly ? nullptr : "short file not refused";
    }
    if (!std::equal(kGameSignature.begin(), kGameSignature.end(), bytes.begin())) {
        return check == SavedGameCheck::kWrongSignature ? nullptr : "signature not checked first";
    }
    if (bytes.size() < kSavedGameSize) {
        return check == SavedGameCheck::kEndsEarly ? nullptr : "signature but short not refused";
    }
    // Decoding loses nothing: the records encode back to the same bytes.
    const auto again = EncodeSavedGame(records);
    if (!std::equal(again.begin(), again.end(), bytes.begin())) {
        return "records do not encode back to the file's bytes";
    }
    if ((check == SavedGameCheck::kValid) != RecordsAreSound(records)) {
        return "verdict disagrees with the value checks";
    }
    if (check != SavedGameCheck::kValid && check != SavedGameCheck::kBadValues) {
        return "unexpected verdict for a whole file";
    }
    if (check == SavedGameCheck::kValid) {
        GameState state;
        ApplyRecords(records, state);
        if (state.freeCount < 0 || state.freeCount > kCellCount) {
            return "accepted game has an impossible FreeCount";
        }
        for (int i = 0; i < kCellCount; ++i) {
            const FreeCellRecord& r = state.freeCellList[i];
            if (!OnDesk(r.x, r.y) || CellIndex(r.x, r.y) != i) {
                return "accepted game has a record outside its cell";
            }
        }
    }
    return nullptr;
}

inline const char* CheckCp1251RoundTrip(std::string_view cp1251) {
    std::string expected(cp1251);
    std::replace(expected.begin(), expected.end(), '\x98', '?');
    return EncodeCp1251(DecodeCp1251(cp1251)) == expected ? nullptr
                                                          : "code page bytes do not round-trip";
}

inline const char* CheckScoreFileDecoder(std::span<const std::uint8_t> bytes) {
    HighScoreState scores;
    DecodeScoreFile(bytes, scores.table);
    const std::size_t used = std::min(bytes.size(), kScoreFileLimit);
    if (scores.table.count != static_cast<std::int32_t>(used / kScoreEntrySize)) {
        return "count is not the number of whole records";
    }
    for (const ScoreEntry& e : scores.table.entries) {
        if (e.nameLength > kNameBytes || e.Name().size() > kNameBytes) {
            return "a name longer than 20 bytes survived";
        }
    }
    // The valid records encode back to the file, name lengths cut to 20.
    const auto encoded = EncodeScoreFile(scores.table);
    if (encoded.size() != scores.table.count * kScoreEntrySize) {
        return "encoded size is not Count * 28";
    }
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        std::uint8_t b = bytes[i];
        if (i % kScoreEntrySize == 4) {
            b = std::min<std::uint8_t>(b, kNameBytes);
        }
        if (encoded[i] != b) {
            return "records do not encode back to the file's bytes";
        }
    }
    for (int i = 0; i < scores.table.count; ++i) {
        if (const char* failure = CheckCp1251RoundTrip(scores.table.entries[i].Name())) {
            return failure;
        }
    }
    // A game ends with a score taken from the input.
    const std::int32_t finalScore = bytes.size() >= 4 ? ReadInt32Le(bytes.data()) : 0;
    const std::int32_t before = scores.table.count;
    if (PlaceNewScore(scores, finalScore)) {
        if (scores.newEntryIndex < 0 || scores.newEntryIndex >= kScoreSlots ||
            scores.table.count != std::min(before + 1, kScoreSlots) ||
            scores.table.entries[scores.newEntryIndex].score != finalScore) {
            return "entry placed wrongly";
        }
        TakeEnteredName(scores, std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                                 std::min<std::size_t>(bytes.size(), 80)));
        if (scores.playerName.size() > kPlayerNameLimit ||
            scores.table.entries[scores.newEntryIndex].nameLength > kNameBytes) {
            return "entered name not cut";
        }
    } else if (before != kScoreSlots) {
        return "a table with room refused an entry";
    }
    // Arbitrary bytes taken as UTF-8 encode to at most as many bytes.
    const std::string_view asText(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (EncodeCp1251(asText).size() > bytes.size()) {
        return "encoding grew the text";
    }
    return nullptr;
}

inline const char* CheckSettingsDecoder(std::span<const std::uint8_t> bytes) {
    const SettingsLoad load = DecodeWindowSettings(bytes);
    if (load.havePosition != (bytes.size() >= 8) ||
        load.haveSound != (bytes.size() >= kWindowSettingsSize) ||
        load.error.has_value() != (bytes.size() < kWindowSettingsSize)) {
        return "wrong fields for the file's length";
    }
    if (load.error && load.error->code() != kReadBeyondEndOfFile) {
        return "wrong error for a short file";
    }
    if (load.haveSound) {
        const auto again = EncodeWindowSettings(
            {load.left, load.top, static_cast<std::uint8_t>(load.sound ? bytes[8] : 0)});
        if (!std::equal(again.begin(), again.end(), bytes.begin())) {
            return "settings do not encode back to the file's bytes";
        }
    }
    // Clamping against screens and windows of any size up to 65535.
    if (load.havePosition && bytes.size() >= 17) {
        const std::int32_t screen = bytes[9] | (bytes[10] << 8);
        const std::int32_t window = bytes[11] | (bytes[12] << 8);
        const std::int32_t limit = screen - window;
        for (const std::int32_t stored : {load.left, load.top}) {
            const std::int32_t v = ClampPosition(stored, screen, window);
            if (v > limit || (v < 0 && v != limit) ||
                (stored >= 0 && stored < limit && v != stored)) {
                return "clamped position off the screen";
            }
        }
    }
    return nullptr;
}

}  // namespace quorbals::fuzz
