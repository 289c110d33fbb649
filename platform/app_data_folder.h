// The per-user folder for application data.
#pragma once

#include <string>

namespace quorbals {

// The generic per-user data folder (~/.local/share on Linux), without a
// trailing separator, made with all its levels when it is missing (a fresh
// account may not have it yet). Empty when the system names no such folder.
// The text is the folder's name as the file system takes it.
std::string AppDataFolder();

}  // namespace quorbals
