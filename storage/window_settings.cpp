#include "storage/window_settings.h"

#include "storage/file_system.h"
#include "storage/little_endian.h"

namespace quorbals {

std::array<std::uint8_t, kWindowSettingsSize> EncodeWindowSettings(const WindowSettingsRecord& r) {
    std::array<std::uint8_t, kWindowSettingsSize> bytes{};
    WriteInt32Le(bytes.data(), r.left);
    WriteInt32Le(bytes.data() + 4, r.top);
    bytes[8] = r.sound;
    return bytes;
}

SettingsLoad DecodeWindowSettings(std::span<const std::uint8_t> bytes) {
    SettingsLoad load;
    if (bytes.size() < 8) {
        load.error = ReadBeyondEndOfFileError();
        return load;
    }
    load.havePosition = true;
    load.left = ReadInt32Le(bytes.data());
    load.top = ReadInt32Le(bytes.data() + 4);
    if (bytes.size() < kWindowSettingsSize) {
        load.error = ReadBeyondEndOfFileError();
        return load;
    }
    load.haveSound = true;
    load.sound = bytes[8] != 0;
    return load;
}

SettingsLoad LoadWindowSettings(const std::string& settingsFile) {
    if (!FileExists(settingsFile)) {
        return {};
    }
    try {
        return DecodeWindowSettings(ReadFilePrefix(settingsFile, kWindowSettingsSize));
    } catch (const FileError& e) {
        SettingsLoad load;
        load.error = e;
        return load;
    }
}

void SaveWindowSettings(const std::string& settingsFile, const WindowSettingsRecord& record) {
    const auto bytes = EncodeWindowSettings(record);
    WriteFileAtomically(settingsFile, bytes);
}

std::int32_t ClampPosition(std::int32_t stored, std::int32_t screenExtent,
                           std::int32_t windowExtent) {
    std::int32_t value = stored < 0 ? 0 : stored;
    const std::int32_t limit = screenExtent - windowExtent;
    if (value >= limit) {
        value = limit;
    }
    return value;
}

}  // namespace quorbals
