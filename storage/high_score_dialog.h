// The high-score dialog as the shared commands see it; each front end
// draws it from the dialog's layout table.
#pragma once

#include <string>

namespace quorbals {

// The modal high-score dialog. Texts are UTF-8.
class HighScoreDialog {
public:
    virtual ~HighScoreDialog() = default;
    // Row 0 is the header; rows 1..10 the slots.
    virtual void SetCell(int row, int column, const std::string& text) = 0;
    // The name box over a grid cell, at (left, top) of the dialog, showing `name`.
    virtual void ShowNameBox(int left, int top, const std::string& name) = 0;
    virtual void HideNameBox() = 0;
    // What a screen reader hears as the dialog opens, besides its caption:
    // the new entry's place and score; empty when it opens without one.
    virtual void SetSummary(const std::string& summary) = 0;
    // Shows the dialog modally; returns the name box's text when it closes
    // (OK, Escape from the button or the frame's close all count alike).
    virtual std::string RunModal() = 0;
};

}  // namespace quorbals
