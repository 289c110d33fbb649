// The user's documents folder, where the save and load dialogs open while
// the run remembers no game file.
#pragma once

#include <string>

namespace quorbals {

// The documents folder the system names for the user (Windows: the
// Documents known folder; Linux: the XDG documents folder, else the home
// folder), without a trailing separator; empty when there is none. The
// text is the folder's name as the file system takes it.
std::string UserDocumentsFolder();

}  // namespace quorbals
