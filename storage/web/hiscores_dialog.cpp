#include "storage/web/hiscores_dialog.h"

#include <cstdlib>

#include "platform/web/page_wait.h"
#include "storage/high_score_commands.h"
#include "storage/web/high_score_calls.h"

namespace quorbals {

void TF_Hiscores::SetCell(int row, int column, const std::string& text) {
    quorbals_scores_set_cell(row, column, text.c_str());
}

void TF_Hiscores::ShowNameBox(int left, int top, const std::string& name) {
    quorbals_scores_show_name_box(left, top, name.c_str());
}

void TF_Hiscores::HideNameBox() {
    quorbals_scores_hide_name_box();
}

void TF_Hiscores::SetSummary(const std::string& summary) {
    quorbals_scores_set_summary(summary.c_str());
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
    PageWait wait;
    char* typed = quorbals_scores_run();
    std::string name = typed ? typed : "";
    std::free(typed);
    return name;
}

}  // namespace quorbals
