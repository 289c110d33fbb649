// The high-score commands of the main window and the entry of a final
// score at a game's end.
#pragma once

#include <cstdint>

#include "storage/data_paths.h"
#include "storage/score_table.h"

class QWidget;

namespace quorbals {

class TF_Hiscores;

// The first activation's set-up: an empty table, the name "New Player",
// then the score file. Throws FileError when the file cannot be read (the
// table then stays empty).
void SetUpHighScores(HighScoreState& scores, const DataPaths& paths);

// A game has ended with `finalScore`: enters it when it makes the table,
// shows the dialog modally (with the edit box only when entered), then takes
// the typed name and writes ScoreFile. Returns whether the score was
// entered. Throws FileError when ScoreFile could not be written; the table
// in memory and the grid keep the new entry.
bool EnterHighScore(TF_Hiscores& dialog, HighScoreState& scores, const DataPaths& paths,
                    std::int32_t finalScore);

// "High Scores ...": the table as it stands, without the edit box.
void ShowHighScores(TF_Hiscores& dialog);

// "Clear High Scores": asks "Clear High Scores?"; on OK empties the table
// and its grid rows and deletes both score files, failures ignored.
// Returns whether it cleared.
bool AskAndClearHighScores(QWidget* parent, TF_Hiscores& dialog, HighScoreState& scores,
                           const DataPaths& paths);

}  // namespace quorbals
