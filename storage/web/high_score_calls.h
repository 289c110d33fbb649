// What the high-score dialog asks of the page that draws it
// (storage/high_score_library.js). Texts are UTF-8.
#pragma once

extern "C" {
void quorbals_scores_set_cell(int row, int column, const char* text);
void quorbals_scores_show_name_box(int left, int top, const char* name);
void quorbals_scores_hide_name_box();
void quorbals_scores_set_summary(const char* text);
// Waits: the dialog, modal; the name box's text when it closes, which the
// caller frees (null for none).
char* quorbals_scores_run();
}
