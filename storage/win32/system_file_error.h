// The game's codes and texts for the GetLastError values of the Windows
// file layer. The game's codes are that system's own, so most map straight.
#pragma once

#include "storage/file_error.h"

namespace quorbals {

FileError FileErrorFromSystemError(unsigned long error);

}  // namespace quorbals
