// Paths for the system's ANSI ("A") entries. The program keeps paths as
// UTF-8; the A entries read them in the process's ANSI code page, which is
// UTF-8 only from Windows 10 version 1903 on (the manifest asks for it).
#pragma once

#include <string>

namespace quorbals {

// `utf8Path` as an A entry reads it: the text itself when the ANSI code
// page is UTF-8; else the path in that code page when every character
// converts without loss; else the existing file's short (8.3) path when
// that converts; else the UTF-8 text as it stands.
std::string AnsiPath(const std::string& utf8Path);

}  // namespace quorbals
