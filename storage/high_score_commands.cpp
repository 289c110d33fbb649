#include "storage/high_score_commands.h"

#include <QMessageBox>

#include "storage/cp1251.h"
#include "storage/hiscores_dialog.h"

namespace quorbals {

void SetUpHighScores(HighScoreState& scores, const DataPaths& paths) {
    ResetHighScores(scores);
    LoadHighScores(paths, scores.table);
}

bool EnterHighScore(TF_Hiscores& dialog, HighScoreState& scores, const DataPaths& paths,
                    std::int32_t finalScore) {
    const bool entered = PlaceNewScore(scores, finalScore);
    if (entered) {
        dialog.ShowEditName(scores.newEntryIndex,
                            QString::fromStdString(DecodeCp1251(scores.playerName)));
        dialog.WriteRows();
    } else {
        dialog.HideEditName();
    }
    // Closed with OK or with Escape from the button: the same either way.
    dialog.exec();
    if (entered) {
        TakeEnteredName(scores, EncodeCp1251(dialog.E_EditName->text().toStdString()));
        dialog.WriteName(scores.newEntryIndex);
        WriteHighScores(paths, scores.table);
    }
    return entered;
}

void ShowHighScores(TF_Hiscores& dialog) {
    dialog.HideEditName();
    dialog.exec();
}

bool AskAndClearHighScores(QWidget* parent, TF_Hiscores& dialog, HighScoreState& scores,
                           const DataPaths& paths) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorbals"),
                    QStringLiteral("Clear High Scores?"), QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Ok);
    if (box.exec() != QMessageBox::Ok) {
        return false;
    }
    ClearHighScores(paths, scores.table);
    dialog.ClearRows();
    return true;
}

}  // namespace quorbals
