// "&Save..." and "&Load...": the move and wait timers are paused while the
// dialog is open and the file is read or written.
#pragma once

#include <string>

#include "app/app_state.h"
#include "app/front_end.h"

namespace quorbals {

// Saving never changes the game; both timers get back the state they had,
// also when the dialog is cancelled or the write fails (FileError is thrown
// on to the caller's error report).
void SaveGameCommand(AppState& app, FrontEnd& fe);

// True when a game was loaded: the caller redraws it. A successful load
// also ends a ball in flight and drops a pending turn, as a new game does.
// A cancelled, refused or failed load leaves the game and both timers as
// they were; a refused file is named in the "invalid or corrupt" box.
bool LoadGameCommand(AppState& app, FrontEnd& fe);

// The first save of a run offers this name.
inline constexpr char kFirstSaveName[] = "save1.kvx";

// A dialog's remembered path as the folder to open and the name to offer.
// A bare name or none at all opens `documentsFolder`, never the current
// folder: that may be the program's own, where a user may not write.
struct DialogStart {
    std::string folder;
    std::string fileName;
};
DialogStart DialogStartFor(const std::string& rememberedPath, const std::string& documentsFolder);

}  // namespace quorbals
