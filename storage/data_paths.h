// Where the game's own files live: the program's folder (ExeDir), the
// per-user data folder (DataDir) and the four file paths formed from them
// once per run.
#pragma once

#include <string>

#include "storage/file_system.h"  // kPathSeparator

namespace quorbals {

// Appends the platform's separator unless the text is empty or already ends with one.
void AppendBackslash(std::string& path);

struct DataPaths {
    std::string exeDir;   // ends with the separator
    std::string dataDir;  // ends with the separator
    std::string scoreFile;
    std::string fallbackScoreFile;
    std::string settingsFile;
    std::string helpFile;
    // The colour marks switch, in a file of its own beside the settings.
    std::string colourMarksFile;
};

// DataDir is `appDataFolder` + separator + "Quorbals" + separator when `appDataFolder`
// is not empty (the last level is made when missing; whether that worked
// shows later, when a file in it is written), else ExeDir.
DataPaths MakeDataPaths(std::string exeDir, const std::string& appDataFolder);

}  // namespace quorbals
