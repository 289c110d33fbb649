#include "app/game_file_commands.h"

#include <QMessageBox>

#include "app/main_window.h"
#include "app/program_texts.h"
#include "storage/game_file_dialogs.h"
#include "storage/saved_game.h"

namespace quorbals {

namespace {
// Notes both timers and stops them; gives them back (wait, then move) when
// it goes out of scope, unless told the game was replaced.
class PausedTimers {
public:
    explicit PausedTimers(TF_Main& w)
        : w_(w), wait_(w.WaitTimer.isActive()), move_(w.MoveTimer.isActive()) {
        w_.WaitTimer.stop();
        w_.MoveTimer.stop();
    }
    ~PausedTimers() {
        if (keepStopped_) {
            return;
        }
        if (wait_)
            w_.WaitTimer.start();
        if (move_)
            w_.MoveTimer.start();
    }
    PausedTimers(const PausedTimers&) = delete;
    PausedTimers& operator=(const PausedTimers&) = delete;
    void KeepStopped() { keepStopped_ = true; }

private:
    TF_Main& w_;
    bool wait_;
    bool move_;
    bool keepStopped_ = false;
};
}  // namespace

void SaveGameCommand(TF_Main& window, GameFileDialogs& dialogs) {
    PausedTimers paused(window);
    const auto path = dialogs.AskSavePath(&window);
    if (!path) {
        return;
    }
    SaveGame(*path, window.state);
}

void LoadGameCommand(TF_Main& window, GameFileDialogs& dialogs) {
    PausedTimers paused(window);
    const auto path = dialogs.AskLoadPath(&window);
    if (!path) {
        return;
    }
    const GameLoadResult result = LoadGame(*path, window.state);
    if (result.outcome == GameLoadOutcome::kInvalid) {
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kProgramName),
                        QString::fromStdString(result.message), QMessageBox::Ok, &window);
        box.exec();
        return;
    }
    paused.KeepStopped();
    window.ShowLoadedGame();
}

}  // namespace quorbals
