#include "storage/high_score_commands.h"

#include <algorithm>

#include "storage/cp1251.h"
#include "storage/file_error.h"

namespace quorbals {

std::string ScoreHeaderText(int column) {
    switch (column) {
        case 0:
            return DecodeCp1251("\xB9");  // the numero sign of the grid's code page
        case 1:
            return "Name";
        default:
            return "Scores";
    }
}

std::array<std::string, 3> ScoreRowTexts(const ScoreTable& table, int slot) {
    const ScoreEntry& entry = table.entries[static_cast<std::size_t>(slot)];
    return {std::to_string(slot + 1), DecodeCp1251(entry.Name()), std::to_string(entry.score)};
}

BoxPosition NameBoxPosition(int slot) {
    // Over the name cell of the entry's row, past the grid's frame.
    const DesignRect cell = ScoreCellRect(slot + 1, 1);
    return {kScoreGrid.x + kScoreGridFrame + cell.x, kScoreGrid.y + kScoreGridFrame + cell.y};
}

std::string EntrySummary(int slot, std::int32_t score) {
    return "New high score: place " + std::to_string(slot + 1) + ", " + std::to_string(score) +
           (score == 1 ? " point." : " points.");
}

void WriteScoreRows(HighScoreDialog& dialog, const ScoreTable& table) {
    const int count = std::clamp<int>(table.count, 0, kScoreSlots);
    for (int slot = 0; slot < count; ++slot) {
        const auto texts = ScoreRowTexts(table, slot);
        for (int c = 0; c < 3; ++c) {
            dialog.SetCell(slot + 1, c, texts[static_cast<std::size_t>(c)]);
        }
    }
}

void WriteHeaderAndRows(HighScoreDialog& dialog, const ScoreTable& table) {
    for (int c = 0; c < 3; ++c) {
        dialog.SetCell(0, c, ScoreHeaderText(c));
    }
    WriteScoreRows(dialog, table);
}

void ClearScoreRows(HighScoreDialog& dialog) {
    for (int row = 1; row <= kScoreSlots; ++row) {
        for (int c = 0; c < 3; ++c) {
            dialog.SetCell(row, c, std::string());
        }
    }
}

void SetUpHighScores(HighScoreState& scores, const DataPaths& paths) {
    ResetHighScores(scores);
    scores.fromFile = true;
    try {
        LoadHighScores(paths, scores.table);
    } catch (const FileError&) {
        scores.fromFile = false;
        throw;
    }
}

bool EnterHighScoreCommand(HighScoreState& scores, const DataPaths& paths, std::int32_t score,
                           HighScoreDialog* dialog,
                           const std::function<void(const std::string&)>& report) {
    if (!scores.fromFile) {
        // The table in memory does not hold what the file holds: read it
        // again before an entry could replace it.
        ScoreTable reread;
        try {
            LoadHighScores(paths, reread);
            scores.table = reread;
            scores.fromFile = true;
        } catch (const FileError& e) {
            report(e.text());
        }
    }
    const bool entered = PlaceNewScore(scores, score);
    if (dialog) {
        if (entered) {
            const BoxPosition at = NameBoxPosition(scores.newEntryIndex);
            dialog->ShowNameBox(at.left, at.top, DecodeCp1251(scores.playerName));
            dialog->SetSummary(EntrySummary(scores.newEntryIndex, score));
            WriteScoreRows(*dialog, scores.table);
        } else {
            dialog->HideNameBox();
            dialog->SetSummary({});
        }
    }
    // Closed with OK or with Escape from the button: the same either way.
    const std::string typed = dialog ? dialog->RunModal() : DecodeCp1251(scores.playerName);
    if (!entered) {
        return false;
    }
    TakeEnteredName(scores, EncodeCp1251(typed));
    if (dialog) {
        dialog->SetCell(scores.newEntryIndex + 1, 1,
                        ScoreRowTexts(scores.table, scores.newEntryIndex)[1]);
    }
    if (scores.fromFile) {
        WriteHighScores(paths, scores.table);
    }
    return true;
}

void ShowHighScoresCommand(HighScoreDialog* dialog) {
    if (dialog) {
        dialog->HideNameBox();
        dialog->SetSummary({});
        dialog->RunModal();
    }
}

void ClearHighScoresCommand(HighScoreState& scores, const DataPaths& paths, HighScoreDialog* dialog,
                            const std::function<bool(const std::string& question)>& ask) {
    if (!ask("Clear High Scores?")) {
        return;
    }
    ClearHighScores(paths, scores.table);
    // Both files are gone: the empty table is what the files say now.
    scores.fromFile = true;
    if (dialog) {
        ClearScoreRows(*dialog);
    }
}

}  // namespace quorbals
