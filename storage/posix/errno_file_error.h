// The game's codes and texts for the errno values of the POSIX file layer.
#pragma once

#include <string>

#include "storage/file_error.h"

namespace quorbals {

// Maps an errno value of an operation on `path` to the game's code and
// text. ENOENT counts as an invalid name when the folder of `path` is
// missing, as a missing file otherwise.
FileError FileErrorFromErrno(int err, const std::string& path);

}  // namespace quorbals
