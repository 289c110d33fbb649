#include "app/game_file_commands.h"

#include "storage/data_paths.h"
#include "storage/saved_game.h"

namespace quorbals {

namespace {
// Notes the move and wait timers and stops them; gives them back (wait,
// then move) when it goes out of scope, unless told the game was replaced.
class PausedTimers {
public:
    explicit PausedTimers(FrontEnd& fe)
        : fe_(fe), wait_(fe.TimerRunning(AppTimer::Wait)), move_(fe.TimerRunning(AppTimer::Move)) {
        fe_.StopTimer(AppTimer::Wait);
        fe_.StopTimer(AppTimer::Move);
    }
    ~PausedTimers() {
        if (keepStopped_) {
            return;
        }
        if (wait_)
            fe_.StartTimer(AppTimer::Wait);
        if (move_)
            fe_.StartTimer(AppTimer::Move);
    }
    PausedTimers(const PausedTimers&) = delete;
    PausedTimers& operator=(const PausedTimers&) = delete;
    void KeepStopped() { keepStopped_ = true; }

private:
    FrontEnd& fe_;
    bool wait_;
    bool move_;
    bool keepStopped_ = false;
};

bool IsSeparator(char c) {
    // Windows takes both slashes and a drive colon.
    return c == kPathSeparator || (kPathSeparator == '\\' && (c == '/' || c == ':'));
}
}  // namespace

DialogStart DialogStartFor(const std::string& rememberedPath, const std::string& documentsFolder) {
    std::size_t cut = rememberedPath.size();
    while (cut > 0 && !IsSeparator(rememberedPath[cut - 1])) {
        --cut;
    }
    if (cut == 0) {
        return {documentsFolder, rememberedPath};
    }
    return {rememberedPath.substr(0, cut), rememberedPath.substr(cut)};
}

void SaveGameCommand(AppState& app, FrontEnd& fe) {
    PausedTimers paused(fe);
    if (app.saveFileName.empty()) {
        app.saveFileName = kFirstSaveName;
    }
    const DialogStart start = DialogStartFor(app.saveFileName, fe.DocumentsFolder());
    const auto path = fe.AskSavePath(start.folder, start.fileName);
    if (!path) {
        return;
    }
    app.saveFileName = *path;
    app.loadFileName = *path;
    SaveGame(*path, app.game);
}

bool LoadGameCommand(AppState& app, FrontEnd& fe) {
    PausedTimers paused(fe);
    const DialogStart start = DialogStartFor(app.loadFileName, fe.DocumentsFolder());
    const auto path = fe.AskLoadPath(start.folder, start.fileName);
    if (!path) {
        return false;
    }
    app.loadFileName = *path;
    const GameLoadResult result = LoadGame(*path, app.game);
    if (result.outcome == GameLoadOutcome::kInvalid) {
        fe.ShowBox(BoxKind::Error, result.message);
        return false;
    }
    paused.KeepStopped();
    return true;
}

}  // namespace quorbals
