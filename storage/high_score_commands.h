// The high-score commands of the main window, the entry of a final score at
// a game's end, and what the high-score dialog shows where: every front
// end's dialog gets them from here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "storage/data_paths.h"
#include "storage/high_score_dialog.h"
#include "storage/high_score_dialog_layout.h"
#include "storage/score_table.h"

namespace quorbals {

// Header cell texts, UTF-8: the numero sign, "Name", "Scores".
std::string ScoreHeaderText(int column);
// The three cells of a slot's row: its number from 1, the name, the score.
std::array<std::string, 3> ScoreRowTexts(const ScoreTable& table, int slot);
// Where the name box goes for a new entry in `slot`: over its name cell.
struct BoxPosition {
    int left = 0;
    int top = 0;
};
BoxPosition NameBoxPosition(int slot);
// What a screen reader hears of a new entry in `slot` as the dialog opens:
// "New high score: place 3, 120 points."
std::string EntrySummary(int slot, std::int32_t score);
// Escape closes the dialog only from the OK button (there is no cancel).
constexpr bool EscapeClosesScores(bool okButtonHasFocus) {
    return okButtonHasFocus;
}

// The header and rows 1..table.count, as the dialog's first activation writes them.
void WriteHeaderAndRows(HighScoreDialog& dialog, const ScoreTable& table);
void WriteScoreRows(HighScoreDialog& dialog, const ScoreTable& table);
// Empties the three cells of rows 1..10.
void ClearScoreRows(HighScoreDialog& dialog);

// The first activation's set-up: an empty table, the name "New Player",
// then the score file. Throws FileError when the file cannot be read; the
// table then stays empty and is never written over that file.
void SetUpHighScores(HighScoreState& scores, const DataPaths& paths);

// A game has ended with `score`: enters it when it makes the table,
// shows the dialog (with the name box only when entered), takes the typed
// name and writes paths.scoreFile. A table that was never read from an
// existing file is read again first; if that fails too, the failure goes to
// `report`, the entry is shown from memory and the file is left as it was.
// Throws FileError when the file could not be written (the table in memory and
// the grid keep the new entry). Returns whether the score was entered.
bool EnterHighScoreCommand(HighScoreState& scores, const DataPaths& paths, std::int32_t score,
                           HighScoreDialog* dialog,
                           const std::function<void(const std::string&)>& report);

// "High Scores ...": the table as it stands, without the name box.
void ShowHighScoresCommand(HighScoreDialog* dialog);

// "Clear High Scores": asks "Clear High Scores?" (`ask` is true for OK); on
// OK empties the table and its rows and deletes both score files, failures
// ignored.
void ClearHighScoresCommand(HighScoreState& scores, const DataPaths& paths, HighScoreDialog* dialog,
                            const std::function<bool(const std::string& question)>& ask);

}  // namespace quorbals
