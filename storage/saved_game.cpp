#include "storage/saved_game.h"

#include <algorithm>
#include <cstring>

#include "game/invariants.h"
#include "storage/file_error.h"
#include "storage/file_system.h"
#include "storage/little_endian.h"

namespace quorbals {

namespace {

constexpr std::size_t kScoreOffset = 4;
constexpr std::size_t kNextBallsOffset = 8;
constexpr std::size_t kDeskOffset = 20;
constexpr std::size_t kFreeCellListOffset = 344;
constexpr std::size_t kFreeCellRecordSize = 12;
constexpr std::size_t kFreeCountOffset = 1316;

}  // namespace

SavedGameRecords RecordsOf(const GameState& state) {
    SavedGameRecords r;
    r.score = state.score;
    r.nextBalls = state.nextBalls;
    r.desk = state.desk;
    r.freeCellList = state.freeCellList;
    r.freeCount = state.freeCount;
    return r;
}

void ApplyRecords(const SavedGameRecords& records, GameState& state) {
    state.score = records.score;
    state.nextBalls = records.nextBalls;
    state.desk = records.desk;
    state.freeCellList = records.freeCellList;
    state.freeCount = records.freeCount;
    state.selection.color = kNoBall;
}

std::array<std::uint8_t, kSavedGameSize> EncodeSavedGame(const SavedGameRecords& r) {
    std::array<std::uint8_t, kSavedGameSize> bytes{};
    std::copy(kGameSignature.begin(), kGameSignature.end(), bytes.begin());
    WriteInt32Le(&bytes[kScoreOffset], r.score);
    for (int k = 0; k < kPreviewCount; ++k) {
        WriteInt32Le(&bytes[kNextBallsOffset + 4 * k], r.nextBalls[k]);
    }
    for (int i = 0; i < kCellCount; ++i) {
        WriteInt32Le(&bytes[kDeskOffset + 4 * i], r.desk[i]);
    }
    for (int i = 0; i < kCellCount; ++i) {
        std::uint8_t* p = &bytes[kFreeCellListOffset + kFreeCellRecordSize * i];
        const FreeCellRecord& rec = r.freeCellList[i];
        WriteInt32Le(p, rec.x);
        WriteInt32Le(p + 4, rec.y);
        p[8] = rec.free;
        std::memcpy(p + 9, rec.fill, sizeof rec.fill);
    }
    WriteInt32Le(&bytes[kFreeCountOffset], r.freeCount);
    return bytes;
}

bool RecordsAreSound(const SavedGameRecords& r) {
    GameState state;
    ApplyRecords(r, state);
    return CheckStateInvariants(state).empty();
}

SavedGameCheck DecodeSavedGame(std::span<const std::uint8_t> bytes, SavedGameRecords& out) {
    if (bytes.size() < kGameSignature.size()) {
        return SavedGameCheck::kEndsEarly;
    }
    if (!std::equal(kGameSignature.begin(), kGameSignature.end(), bytes.begin())) {
        return SavedGameCheck::kWrongSignature;
    }
    if (bytes.size() < kSavedGameSize) {
        return SavedGameCheck::kEndsEarly;
    }
    out.score = ReadInt32Le(&bytes[kScoreOffset]);
    for (int k = 0; k < kPreviewCount; ++k) {
        out.nextBalls[k] = ReadInt32Le(&bytes[kNextBallsOffset + 4 * k]);
    }
    for (int i = 0; i < kCellCount; ++i) {
        out.desk[i] = ReadInt32Le(&bytes[kDeskOffset + 4 * i]);
    }
    for (int i = 0; i < kCellCount; ++i) {
        const std::uint8_t* p = &bytes[kFreeCellListOffset + kFreeCellRecordSize * i];
        FreeCellRecord& rec = out.freeCellList[i];
        rec.x = ReadInt32Le(p);
        rec.y = ReadInt32Le(p + 4);
        rec.free = p[8];
        std::memcpy(rec.fill, p + 9, sizeof rec.fill);
    }
    out.freeCount = ReadInt32Le(&bytes[kFreeCountOffset]);
    return RecordsAreSound(out) ? SavedGameCheck::kValid : SavedGameCheck::kBadValues;
}

std::string InvalidGameMessage(const std::string& path) {
    return "\"" + FileNameOf(path) + "\" is invalid or corrupt!";
}

GameLoadResult LoadGame(const std::string& path, GameState& state) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFilePrefix(path, kSavedGameSize);
    } catch (const NotAFileError&) {
        return {GameLoadOutcome::kInvalid, InvalidGameMessage(path)};
    }
    SavedGameRecords records;
    switch (DecodeSavedGame(bytes, records)) {
        case SavedGameCheck::kValid:
            ApplyRecords(records, state);
            return {GameLoadOutcome::kLoaded, {}};
        case SavedGameCheck::kEndsEarly:
            throw ReadBeyondEndOfFileError();
        case SavedGameCheck::kWrongSignature:
        case SavedGameCheck::kBadValues:
            break;
    }
    return {GameLoadOutcome::kInvalid, InvalidGameMessage(path)};
}

void SaveGame(const std::string& path, const GameState& state) {
    const auto bytes = EncodeSavedGame(RecordsOf(state));
    WriteFileAtomically(path, bytes);
}

}  // namespace quorbals
