// The calls the game makes to its page, as named functions of the module
// (app/web/page_calls.h says what each means to the game): a call the page
// library does not have fails when the module links, not when a player
// reaches it. Each hands over to the page object that page.js gave the
// module; the calls that wait for the player resume the game (Asyncify)
// once the page's promise settles.
mergeInto(LibraryManager.library, {
    $quorbalsPutRect: function(rect, values) {
        for (var i = 0; i < 4; ++i) {
            HEAP32[(rect >> 2) + i] = values[i] | 0;
        }
    },

    quorbals_page_show_splash: function() {
        Module["page"].showSplash();
    },
    quorbals_page_close_splash: function() {
        Module["page"].closeSplash();
    },
    quorbals_page_show_main_window: function() {
        Module["page"].showMainWindow();
    },
    quorbals_page_show_ended: function(status) {
        Module["page"].showEnded(status);
    },
    quorbals_page_set_score_text: function(text) {
        Module["page"].setScoreText(UTF8ToString(text));
    },
    quorbals_page_paint_desk: function(pixels, width, height, rects, count, cursor, cursorCount) {
        Module["page"].paintDesk(HEAPU8, HEAP32, pixels, width, height, rects, count, cursor,
                                 cursorCount);
    },
    quorbals_page_paint_preview: function(slot, pixels, width, height) {
        Module["page"].paintPreview(slot, HEAPU8, pixels, width, height);
    },
    quorbals_page_run_later: function(what) {
        Module["page"].runLater(what);
    },
    quorbals_page_start_timer: function(id, interval) {
        Module["page"].startTimer(id, interval);
    },
    quorbals_page_stop_timer: function(id) {
        Module["page"].stopTimer(id);
    },
    quorbals_page_viewport__deps: ["$quorbalsPutRect"],
    quorbals_page_viewport: function(rect) {
        quorbalsPutRect(rect, Module["page"].viewport());
    },
    quorbals_page_window_rect__deps: ["$quorbalsPutRect"],
    quorbals_page_window_rect: function(rect) {
        quorbalsPutRect(rect, Module["page"].windowRect());
    },
    quorbals_page_move_window: function(left, top) {
        Module["page"].moveWindow(left, top);
    },
    quorbals_page_update_accessible_desk: function(json) {
        Module["page"].updateAccessibleDesk(UTF8ToString(json));
    },
    quorbals_page_announce: function(text) {
        Module["page"].announce(UTF8ToString(text));
    },
    quorbals_page_sound_checked: function() {
        return Module["page"].soundChecked() ? 1 : 0;
    },
    quorbals_page_set_sound_checked: function(on) {
        Module["page"].setSoundChecked(on);
    },
    quorbals_page_play_wave: function(name) {
        Module["page"].playWave(UTF8ToString(name));
    },
    quorbals_page_open_help: function() {
        Module["page"].openHelp();
    },
    quorbals_page_open_address: function(url) {
        Module["page"].openAddress(UTF8ToString(url));
    },

    quorbals_page_show_box: function(kind, text) {
        return Asyncify.handleAsync(async function() {
            return (await Module["page"].showBox(kind, UTF8ToString(text))) ? 1 : 0;
        });
    },
    quorbals_page_ask_save_name__deps: ["$quorbalsNewText"],
    quorbals_page_ask_save_name: function(offered) {
        return Asyncify.handleAsync(async function() {
            return quorbalsNewText(await Module["page"].askSaveName(UTF8ToString(offered)));
        });
    },
    quorbals_page_ask_load_file__deps: ["$quorbalsNewText"],
    quorbals_page_ask_load_file: function() {
        return Asyncify.handleAsync(async function() {
            return quorbalsNewText(await Module["page"].askLoadFile());
        });
    },
    quorbals_page_show_about: function() {
        return Asyncify.handleAsync(async function() {
            await Module["page"].showAbout();
        });
    },
});
