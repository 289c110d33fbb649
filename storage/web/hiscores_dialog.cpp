#include "storage/web/hiscores_dialog.h"

#include "app/high_score_commands.h"
#include "app/web/page_calls.h"

namespace quorbals {

void TF_Hiscores::SetCell(int row, int column, const std::string& text) {
    page::SetScoreCell(row, column, text);
}

void TF_Hiscores::ShowNameBox(int left, int top, const std::string& name) {
    page::ShowNameBox(left, top, name);
}

void TF_Hiscores::HideNameBox() {
    page::HideNameBox();
}

void TF_Hiscores::FormActivate() {
    if (!GridFilled) {
        WriteHeaderAndRows(*this, table_);
        GridFilled = true;
    }
}

std::string TF_Hiscores::RunModal() {
    // Shown, the dialog is activated before the player sees it.
    FormActivate();
    return page::RunHighScores();
}

}  // namespace quorbals
