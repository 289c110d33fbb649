// The colour marks switch between runs: "quorbals.mrk" beside the settings
// file, one byte, 0 off and any other value on. The settings file itself
// keeps its nine bytes.
#pragma once

#include <optional>
#include <string>

#include "storage/file_error.h"

namespace quorbals {

struct ColourMarksLoad {
    bool on = false;
    std::optional<FileError> error;  // a file there that could not be read
};

// A missing or empty file means off, without an error. Never throws.
ColourMarksLoad LoadColourMarks(const std::string& path);

// Writes the one byte atomically. Throws FileError.
void SaveColourMarks(const std::string& path, bool on);

}  // namespace quorbals
