#include "tools/sim/game_files.h"

#include <exception>

#include "storage/file_error.h"
#include "storage/saved_game.h"

namespace quorbals::sim {

bool LoadSavedGame(const std::string& path, GameState& state, std::ostream& err) {
    try {
        const GameLoadResult result = LoadGame(path, state);
        if (result.outcome == GameLoadOutcome::kLoaded) {
            return true;
        }
        // The game shows this in its own box, as it stands.
        err << result.message << "\n";
    } catch (const FileError& e) {
        err << ErrorReportText(e.text()) << "\n";
    } catch (const std::exception& e) {
        err << ErrorReportText(e.what()) << "\n";
    }
    return false;
}

bool SaveSavedGame(const std::string& path, const GameState& state, std::ostream& err) {
    try {
        SaveGame(path, state);
        return true;
    } catch (const FileError& e) {
        err << ErrorReportText(e.text()) << "\n";
    } catch (const std::exception& e) {
        err << ErrorReportText(e.what()) << "\n";
    }
    return false;
}

}  // namespace quorbals::sim
