#include "storage/data_paths.h"

#include "storage/file_system.h"
#include "storage/game_file_dialog_texts.h"

namespace quorbals {

void AppendBackslash(std::string& path) {
    if (!path.empty() && path.back() != kPathSeparator) {
        path += kPathSeparator;
    }
}

DataPaths MakeDataPaths(std::string exeDir, const std::string& appDataFolder) {
    DataPaths paths;
    AppendBackslash(exeDir);
    paths.exeDir = exeDir;
    if (!appDataFolder.empty()) {
        paths.dataDir = appDataFolder;
        AppendBackslash(paths.dataDir);
        paths.dataDir += "Quorbals";
        if (!FolderExists(paths.dataDir)) {
            MakeFolder(paths.dataDir);
        }
        paths.dataDir += kPathSeparator;
    } else {
        paths.dataDir = paths.exeDir;
    }
    paths.scoreFile = paths.dataDir + "quorbals.scr";
    paths.fallbackScoreFile = paths.exeDir + "quorbals.scr";
    paths.settingsFile = paths.dataDir + "quorbals.set";
    paths.helpFile = paths.exeDir + "quorbals.chm";
    paths.colourMarksFile = paths.dataDir + "quorbals.mrk";
    paths.keptGameFile = paths.dataDir + "quorbals." + kGameFileSuffix;
    return paths;
}

}  // namespace quorbals
