#include "storage/colour_marks_file.h"

#include <array>
#include <cstdint>

#include "storage/file_system.h"

namespace quorbals {

ColourMarksLoad LoadColourMarks(const std::string& path) {
    ColourMarksLoad loaded;
    if (path.empty() || !FileExists(path)) {
        return loaded;
    }
    try {
        const std::vector<std::uint8_t> bytes = ReadFilePrefix(path, 1);
        loaded.on = !bytes.empty() && bytes[0] != 0;
    } catch (const FileError& e) {
        loaded.error = e;
    }
    return loaded;
}

void SaveColourMarks(const std::string& path, bool on) {
    const std::array<std::uint8_t, 1> byte{static_cast<std::uint8_t>(on ? 1 : 0)};
    WriteFileAtomically(path, byte);
}

}  // namespace quorbals
