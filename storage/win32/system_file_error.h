// The game's codes and texts for the GetLastError values of the Windows
// file layer. The game's codes are that system's own, so most map straight.
#pragma once

#include <string>

#include "storage/file_error.h"

namespace quorbals {

FileError FileErrorFromSystemError(unsigned long error);

// A path for the wide Windows calls; text that is not UTF-8 throws FileError
// "Invalid file name", as the system would for a name it cannot hold.
std::wstring WidePath(const std::string& utf8);

}  // namespace quorbals
