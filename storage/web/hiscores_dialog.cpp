#include "storage/web/hiscores_dialog.h"

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

std::string TF_Hiscores::RunModal() {
    return page::RunHighScores();
}

}  // namespace quorbals
