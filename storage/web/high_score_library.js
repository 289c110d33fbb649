// The calls the high-score dialog makes to the page that draws it
// (storage/web/high_score_calls.h), as named functions of the module.
mergeInto(LibraryManager.library, {
    quorbals_scores_set_cell: function(row, column, text) {
        Module["page"].setScoreCell(row, column, UTF8ToString(text));
    },
    quorbals_scores_show_name_box: function(left, top, name) {
        Module["page"].showNameBox(left, top, UTF8ToString(name));
    },
    quorbals_scores_hide_name_box: function() {
        Module["page"].hideNameBox();
    },
    quorbals_scores_set_summary: function(text) {
        Module["page"].setScoreSummary(UTF8ToString(text));
    },
    quorbals_scores_run__deps: ["$quorbalsNewText"],
    quorbals_scores_run: function() {
        return Asyncify.handleAsync(async function() {
            return quorbalsNewText(await Module["page"].runHighScores());
        });
    },
});
