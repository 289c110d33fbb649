// "&Save..." and "&Load...": the move and wait timers are paused while the
// dialog is open and the file is read or written.
#pragma once

namespace quorbals {

class GameFileDialogs;
class TF_Main;

// Saving never changes the game; both timers get back the state they had,
// also when the dialog is cancelled or the write fails.
void SaveGameCommand(TF_Main& window, GameFileDialogs& dialogs);

// A successful load replaces the game and redraws it; it also ends a ball
// in flight and drops a pending turn, as a new game does. A cancelled,
// refused or failed load leaves the game and both timers as they were.
void LoadGameCommand(TF_Main& window, GameFileDialogs& dialogs);

}  // namespace quorbals
