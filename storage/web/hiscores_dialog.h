// TF_Hiscores in the browser: the page draws the dialog; this hands it the
// grid's cells and the name box, and waits for it to close.
#pragma once

#include "app/front_end.h"

namespace quorbals {

class TF_Hiscores : public HighScoreDialog {
public:
    void SetCell(int row, int column, const std::string& text) override;
    void ShowNameBox(int left, int top, const std::string& name) override;
    void HideNameBox() override;
    std::string RunModal() override;
};

}  // namespace quorbals
