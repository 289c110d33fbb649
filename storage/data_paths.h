// Where the game's own files live: the program's folder (exeDir), the
// per-user data folder (dataDir) and the file paths formed from them
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
    // The game in progress, kept as a saved game where a front end keeps it
    // across a reload of its page (the browser's).
    std::string keptGameFile;
};

// dataDir is `appDataFolder` + separator + "Quorbals" + separator when `appDataFolder`
// is not empty (the last level is made when missing; whether that worked
// shows later, when a file in it is written), else exeDir.
DataPaths MakeDataPaths(std::string exeDir, const std::string& appDataFolder);

}  // namespace quorbals
