// The folder of the running program file.
#pragma once

#include <string>

namespace quorbals {

// The real folder of the running binary (symbolic links resolved), ending
// with '/'. Needs no application object, so it works at the very start.
// Falls back to the current folder when the binary's path cannot be read.
std::string ExeDir();

}  // namespace quorbals
