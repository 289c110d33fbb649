// The page: starts the game's module and gives it the windows, dialogs,
// canvases, timers and sounds it asks for (the `page` object below; see
// app/web/page_calls.h for what each call means to the game).

import createQuorbals from "../quorbals.js";
import { AboutBox, showBox } from "./dialogs.js";
import { askLoadFile, askSaveName } from "../../../storage/web/game_file_dialogs.js";
import { HighScoreDialog } from "../../../storage/web/high_score_dialog.js";
import { MenuBar } from "./menu.js";
import { AccessibleDesk } from "../../../view/web/accessible_desk.js";
import { Modals } from "../../../view/web/modals.js";
import { PlayArea } from "../../../view/web/play_area.js";
import { SoundCues } from "../../../platform/web/sound.js";
import {
    DesktopWindow, Scale, element, viewportSize, watchScale,
} from "../../../view/web/windows.js";

let game = null;  // the module, once it runs
let tables = null;
let main = null;  // the main window
let menu = null;
let play = null;
let access = null;
let splash = null;
let hiscores = null;
const timers = new Map();
const files = new Map();
const sound = new SoundCues();
let ended = false;

const modals = new Modals(() => updateActive());

// The menu's commands by item name, from the tables once they are read.
const commandsByName = new Map();

function commandOf(name) {
    return commandsByName.get(name) ?? -1;
}

// The main window is the active one whenever it is shown and no dialog
// stands over it; the game hears of each activation (only the first one
// does anything).
function updateActive() {
    const active = Boolean(main?.shown) && !modals.open && !ended;
    main?.setActive(active && document.hasFocus());
    if (active) {
        if (!menu.isOpen() && !main.root.contains(document.activeElement)) {
            access.focus();
        }
        game._quorbals_activate();
    }
}

// The main window and the high-score dialog are built when the game first
// asks for them, after the splash is up: its second covers the building.
function mainWindow() {
    if (!main) {
        buildMainWindow();
    }
    return main;
}

function highScores() {
    if (!hiscores) {
        hiscores = new HighScoreDialog(tables.highScores, tables.bevel,
                                       tables.pictures.ornaments);
    }
    return hiscores;
}

function buildMainWindow() {
    const layout = tables.main;
    main = new DesktopWindow({caption: layout.caption, role: "application", buttons: "main",
                              icon: "icons/quorbals-16.png"});
    main.root.id = "F_Main";
    menu = new MenuBar(main.root, tables.menu, tables.texts.menuBar,
                       (command) => game._quorbals_menu(command), () => access?.focus());
    main.attachClient(layout.play[2], layout.play[3]);
    main.onClose = () => game._quorbals_menu(commandOf("MI_GameExit"));
    main.onMinimise = () => menu.close();
    main.onRestore = () => updateActive();
    play = new PlayArea(main.client, layout, tables.bevel, {
        move: (x, y) => !modals.open && game._quorbals_pointer_move(x, y),
        release: (x, y) => !modals.open && game._quorbals_pointer_up(x, y),
        leave: () => !modals.open && game._quorbals_pointer_leave(),
        scoreCentred: (width) => game._quorbals_score_centred(Math.ceil(width)) !== 0,
        designPoint: (e) => main.designPoint(e),
    });
    access = new AccessibleDesk(play.desk.canvas, layout.deskName, tables.deskSide,
                                tables.cellPitch, play.score, play.previewGroup);
}

// A key as the game takes it: its code (from the game's table of key names;
// a letter is its capital's code), and what was held as flags.
function keyCode(e) {
    const named = tables.keys[e.key];
    if (named !== undefined) {
        return named;
    }
    return e.key.length === 1 && /[a-z]/i.test(e.key) ? e.key.toUpperCase().charCodeAt(0) : 0;
}

function keyFlags(e, down) {
    const flag = tables.keyFlags;
    return (e.ctrlKey ? flag.ctrl : 0) | (e.altKey ? flag.alt : 0) |
           (e.shiftKey ? flag.shift : 0) | (e.metaKey ? flag.system : 0) |
           (e.repeat ? flag.repeat : 0) | (down ? flag.down : 0);
}

// Keys of the main window: the game decides what each does (its menu
// shortcuts, F1's release, keyboard play, the colour marks); the menu bar's
// access keys are the page's, as a desktop's menus are the desktop's. The
// browser's own meaning of a key the game takes (help, cut) gives way.
function listenToKeys() {
    const hand = (e, down) => {
        const code = keyCode(e);
        if (code && game._quorbals_key(code, keyFlags(e, down))) {
            e.preventDefault();
        } else if (e.key === "F1") {
            e.preventDefault();  // the browser's own help page
        }
    };
    document.addEventListener("keydown", (e) => {
        if (ended || !main?.shown) {
            return;
        }
        if (modals.open) {
            modals.key(e);
            return;
        }
        if (menu.key(e)) {
            e.preventDefault();
            return;
        }
        if (e.altKey && !e.ctrlKey && e.code.startsWith("Key") &&
            menu.accessKey(e.code.slice(3))) {
            e.preventDefault();
            return;
        }
        hand(e, true);
    });
    document.addEventListener("keyup", (e) => {
        if (!ended && main?.shown && !modals.open && !menu.isOpen()) {
            hand(e, false);
        }
    });
    window.addEventListener("focus", updateActive);
    window.addEventListener("blur", updateActive);
}

function showEndedNote(status) {
    ended = true;  // the game has stopped its timers
    main?.hide();
    menu?.close();
    const note = element("div", "ended", document.getElementById("desktop"));
    note.setAttribute("role", "status");
    const text = element("p", "", note);
    text.textContent = status === 0 ? tables.texts.ended : tables.texts.endedAfterError;
    const again = element("button", "push", note);
    again.type = "button";
    again.textContent = tables.texts.playAgain;
    again.addEventListener("click", () => window.location.reload());
    again.focus();
}

const page = {
    showSplash() {
        splash = new AboutBox(tables, true);
        splash.window.show();
        splash.window.centre();
    },
    closeSplash() {
        splash?.window.hide();
        splash?.window.remove();
        splash = null;
    },
    showMainWindow() {
        // As the message loop shows the window (FormShow), then activates
        // it once the start-up has returned.
        mainWindow().show();
        menu.enableAll();
        access.focus();
        queueMicrotask(updateActive);
        setTimeout(registerServiceWorker, 0);
    },
    showEnded(status) {
        showEndedNote(status);
    },
    setScoreText(text) {
        mainWindow();
        play.setScoreText(text);
    },
    paintDesk(heap, heap32, pixels, width, height, rects, count, cursor, cursorCount) {
        mainWindow();
        play.paintDesk(heap, pixels, width, height, rects, count, heap32, cursor, cursorCount);
    },
    updateAccessibleDesk(json) {
        mainWindow();
        access.update(JSON.parse(json));
    },
    announce(text) {
        mainWindow();
        access.announce(text);
    },
    paintPreview(slot, heap, pixels, width, height) {
        mainWindow();
        play.paintPreview(slot, heap, pixels, width, height);
    },
    runLater(what) {
        queueMicrotask(() => game._quorbals_later(what));
    },
    startTimer(id, interval) {
        page.stopTimer(id);
        timers.set(id, setInterval(() => game._quorbals_timer(id), interval));
    },
    stopTimer(id) {
        clearInterval(timers.get(id));
        timers.delete(id);
    },
    viewport() {
        return [0, 0, ...viewportSize()];
    },
    windowRect() {
        return mainWindow().rect();
    },
    moveWindow(left, top) {
        mainWindow().moveTo(left, top);
    },
    soundChecked() {
        mainWindow();
        return menu.checked(commandOf("MI_OptionsSound")) ? 1 : 0;
    },
    setSoundChecked(on) {
        mainWindow();
        menu.setChecked(commandOf("MI_OptionsSound"), on !== 0);
    },
    playWave(name) {
        sound.play(name);
    },
    showBox(kind, text) {
        return showBox(modals, tables, kind, text);
    },
    askSaveName(offered) {
        return askSaveName(modals, tables.gameFiles, offered);
    },
    askLoadFile() {
        return askLoadFile(files, tables.gameFiles);
    },
    showAbout() {
        return new AboutBox(tables, false).runModal(
            modals, (x, y) => game._quorbals_about_click_reaches_ok(x, y) !== 0);
    },
    openHelp() {
        window.open("help/quorbals.htm", "quorbals-help");
    },
    openAddress(url) {
        window.open(url, "_blank", "noopener");
    },
    setScoreCell(row, column, text) {
        highScores().setCell(row, column, text);
    },
    showNameBox(left, top, name) {
        highScores().showNameBox(left, top, name);
    },
    hideNameBox() {
        highScores().hideNameBox();
    },
    setScoreSummary(text) {
        highScores().setSummary(text);
    },
    runHighScores() {
        return highScores().runModal(
            modals, (okHasFocus) => game._quorbals_escape_closes_scores(okHasFocus ? 1 : 0) !== 0);
    },
};

// The windows' frame and the panels' bevel as the game's tables give them,
// for the style sheet; the caption buttons' names; and the game's rule for
// the scale the windows are drawn at.
function takeFrameAndScale() {
    const style = document.documentElement.style;
    const frame = tables.frame;
    style.setProperty("--frame-border", `${frame.border}px`);
    style.setProperty("--frame-padding", `${frame.padding}px`);
    style.setProperty("--caption-height", `${frame.caption}px`);
    style.setProperty("--menubar-height", `${frame.menuBar}px`);
    style.setProperty("--bevel", `${tables.bevel}px`);
    DesktopWindow.labels = {minimise: tables.texts.minimise, close: tables.texts.close};
    Scale.fit = (viewWidth, viewHeight, width, height) =>
        game._quorbals_fitted_scale(viewWidth, viewHeight, width, height);
    Scale.main = tables.main.outer;
    Scale.update();
    watchScale((rescaled, redraw) => {
        if (redraw) {
            play?.rescale();
        }
        game._quorbals_viewport_changed(rescaled ? 1 : 0);
    });
}

// A touch on the game's windows belongs to the game: no page scrolling,
// zooming, pull to refresh, text selection, callout or context menu (the
// style sheet's touch-action does most of it; these are for engines that
// also want the events themselves cancelled).
function ownTheGestures() {
    const desktop = document.getElementById("desktop");
    const typing = (e) => e.target instanceof HTMLInputElement;
    document.addEventListener("touchmove", (e) => typing(e) || e.preventDefault(),
                              {passive: false});
    document.addEventListener("dblclick", (e) => e.preventDefault());
    for (const type of ["gesturestart", "gesturechange", "selectstart"]) {
        document.addEventListener(type, (e) => typing(e) || e.preventDefault());
    }
    desktop.addEventListener("contextmenu", (e) => typing(e) || e.preventDefault());
}

function start() {
    createQuorbals({
        page,
        quorbalsFiles: files,
        onRuntimeInitialized() {
            game = this;
            tables = JSON.parse(game.UTF8ToString(game._quorbals_tables()));
            sound.useWaves(tables.waves);
            for (const entry of tables.menu) {
                for (const item of entry.items.filter((i) => !i.separator)) {
                    commandsByName.set(item.name, item.command);
                }
            }
            takeFrameAndScale();
            ownTheGestures();
            listenToKeys();
            // Leaving the page closes the window as far as the settings go.
            window.addEventListener("pagehide", () => game._quorbals_page_hidden());
        },
    });
}

// The service worker, which keeps the whole site for playing offline, is
// registered once the game is up, so that its copying of every file does
// not compete with the page's own start. Each visit then asks for a newer
// version of the site, which the worker fetches for the next visit.
function registerServiceWorker() {
    if ("serviceWorker" in navigator && location.protocol !== "file:") {
        navigator.serviceWorker.register("sw.js").then((r) => r.update()).catch(() => {});
    }
}

start();
