// The settings file: the main window's outer position and the Sound switch,
// 9 bytes (Left and Top as little-endian int32, then the Sound byte).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "storage/file_error.h"

namespace quorbals {

constexpr std::size_t kWindowSettingsSize = 9;

struct WindowSettingsRecord {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::uint8_t sound = 1;  // any value but 0 means on
};

std::array<std::uint8_t, kWindowSettingsSize> EncodeWindowSettings(const WindowSettingsRecord& r);

// What a load found. The main window first centres itself and switches
// Sound on, then applies what is here: the position (clamped) when
// havePosition, the Sound switch when haveSound, and reports `error`.
struct SettingsLoad {
    bool havePosition = false;
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool haveSound = false;
    bool sound = true;
    std::optional<FileError> error;
};

// From the first bytes of a settings file (only the first 9 count): both
// position fields give the position, the ninth byte the Sound switch; a
// file that ends before that gives "Read beyond end of file".
SettingsLoad DecodeWindowSettings(std::span<const std::uint8_t> bytes);

// Reads `settingsFile` for reading only. A missing file is no error: nothing
// is applied. Never throws.
SettingsLoad LoadWindowSettings(const std::string& settingsFile);

// Writes the 9 bytes atomically; nothing is clamped. Throws FileError.
void SaveWindowSettings(const std::string& settingsFile, const WindowSettingsRecord& record);

// A stored coordinate pulled onto the screen: below 0 becomes 0, then a
// value at or beyond screen - window becomes screen - window (negative when
// the window is larger than the screen).
std::int32_t ClampPosition(std::int32_t stored, std::int32_t screenExtent,
                           std::int32_t windowExtent);

}  // namespace quorbals
