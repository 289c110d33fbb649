// Texts between the program (UTF-8) and the wide calls of the system.
#pragma once

#include <string>

namespace quorbals {

// Malformed UTF-8 gives U+FFFD in its place; never throws.
std::wstring Wide(const std::string& utf8);

}  // namespace quorbals
