#include "app/high_score_commands.h"

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
    return {kScoreGrid.x + kScoreColumnWidths[0] + 3,
            kScoreGrid.y + 2 + (kScoreRowHeight + kScoreGridLine) * (slot + 1)};
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

void SetUpHighScores(AppState& app) {
    ResetHighScores(app.scores);
    app.scoresFromFile = true;
    try {
        LoadHighScores(app.paths, app.scores.table);
    } catch (const FileError&) {
        app.scoresFromFile = false;
        throw;
    }
}

bool EnterHighScoreCommand(AppState& app, FrontEnd& fe,
                           const std::function<void(const std::string&)>& report) {
    HighScoreState& scores = app.scores;
    if (!app.scoresFromFile) {
        // The table in memory does not hold what the file holds: read it
        // again before an entry could replace it.
        ScoreTable reread;
        try {
            LoadHighScores(app.paths, reread);
            scores.table = reread;
            app.scoresFromFile = true;
        } catch (const FileError& e) {
            report(e.text());
        }
    }
    const bool entered = PlaceNewScore(scores, app.game.score);
    HighScoreDialog* dialog = fe.HighScores();
    if (dialog) {
        if (entered) {
            const BoxPosition at = NameBoxPosition(scores.newEntryIndex);
            dialog->ShowNameBox(at.left, at.top, DecodeCp1251(scores.playerName));
            WriteScoreRows(*dialog, scores.table);
        } else {
            dialog->HideNameBox();
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
    if (app.scoresFromFile) {
        WriteHighScores(app.paths, scores.table);
    }
    return true;
}

void ShowHighScoresCommand(FrontEnd& fe) {
    if (HighScoreDialog* dialog = fe.HighScores()) {
        dialog->HideNameBox();
        dialog->RunModal();
    }
}

void ClearHighScoresCommand(AppState& app, FrontEnd& fe) {
    if (!fe.ShowBox(BoxKind::Question, "Clear High Scores?")) {
        return;
    }
    ClearHighScores(app.paths, app.scores.table);
    // Both files are gone: the empty table is what the files say now.
    app.scoresFromFile = true;
    if (HighScoreDialog* dialog = fe.HighScores()) {
        ClearScoreRows(*dialog);
    }
}

}  // namespace quorbals
