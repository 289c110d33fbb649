// TF_Hiscores in the browser: the page draws the dialog; this hands it the
// grid's cells and the name box, and waits for it to close.
#pragma once

#include "storage/high_score_dialog.h"
#include "storage/score_table.h"

namespace quorbals {

class TF_Hiscores : public HighScoreDialog {
public:
    // The table whose rows the grid shows from its first activation on.
    explicit TF_Hiscores(const ScoreTable& table) : table_(table) {}

    void SetCell(int row, int column, const std::string& text) override;
    void ShowNameBox(int left, int top, const std::string& name) override;
    void HideNameBox() override;
    void SetSummary(const std::string& summary) override;
    std::string RunModal() override;

private:
    // The first showing writes the header and the rows as the table
    // stands; later ones show the grid as the commands have kept it.
    void FormActivate();

    const ScoreTable& table_;
    bool GridFilled = false;
};

}  // namespace quorbals
