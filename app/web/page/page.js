// The page: starts the game's module and gives it the windows, dialogs,
// canvases, timers and sounds it asks for (the `page` object below; see
// app/web/page_calls.h for what each call means to the game).

import createQuorbals from "./quorbals.js";
import { AboutBox, Modals, showBox } from "./dialogs.js";
import { askLoadFile, askSaveName } from "./game_file_dialogs.js";
import { HighScoreDialog } from "./high_score_dialog.js";
import { MenuBar } from "./menu.js";
import { AccessibleDesk } from "./accessible_desk.js";
import { PlayArea } from "./play_area.js";
import { SoundCues } from "./sound.js";
import { DesktopWindow, element, viewportSize, watchScale } from "./windows.js";

const kF1 = 112;
const kIconUrl = "icons/quorbals-32-16colour.png";
const kOrnaments = ["ornaments/corner-tl.png", "ornaments/corner-bl.png",
                    "ornaments/corner-tr.png", "ornaments/corner-br.png"];

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

// The menu's commands by item name and by shortcut ("F2", "Ctrl+X"), from
// the tables once they are read.
const commandsByName = new Map();
const commandsByShortcut = new Map();

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
        hiscores = new HighScoreDialog(tables.highScores, kOrnaments);
    }
    return hiscores;
}

function buildMainWindow() {
    const layout = tables.main;
    main = new DesktopWindow({caption: layout.caption, role: "application", buttons: "main",
                              icon: "icons/quorbals-16.png"});
    main.root.id = "F_Main";
    menu = new MenuBar(main.root, tables.menu, (command) => game._quorbals_menu(command),
                       () => access?.focus());
    main.attachClient(layout.play[2], layout.play[3]);
    main.onClose = () => game._quorbals_menu(commandOf("MI_GameExit"));
    main.onMinimise = () => menu.close();
    main.onRestore = () => updateActive();
    play = new PlayArea(main.client, layout, {
        move: (x, y) => !modals.open && game._quorbals_pointer_move(x, y),
        release: (x, y) => !modals.open && game._quorbals_pointer_up(x, y),
        leave: () => !modals.open && game._quorbals_pointer_leave(),
    });
    access = new AccessibleDesk(play.desk.canvas, layout.deskName, play.score, play.previewGroup);
}

// Keyboard play's keys, by their numbers in the game (view/keyboard_play.h).
const kDeskKeys = {
    ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3,
    Home: 4, End: 5, PageUp: 6, PageDown: 7,
    Enter: 8, " ": 8, Escape: 9,
};

// Keys of the main window: the menu's shortcuts and access keys, and F1's
// release. The browser's own meaning of these keys (help, cut) gives way.
function listenToKeys() {
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
        const commandKey = e.ctrlKey || e.altKey || e.metaKey;
        if (!commandKey && e.key in kDeskKeys) {
            e.preventDefault();
            // The game decides which presses count (a held key, Shift).
            game._quorbals_desk_key(kDeskKeys[e.key], e.repeat ? 1 : 0);
            return;
        }
        const plain = !commandKey && !e.shiftKey;
        if (e.ctrlKey && !e.altKey && !e.metaKey && (e.key === "m" || e.key === "M")) {
            e.preventDefault();
            game._quorbals_toggle_marks();
            return;
        }
        // The function keys alone, Ctrl with a letter (Shift or not).
        const shortcut = e.ctrlKey ? `Ctrl+${e.key.toUpperCase()}` : e.key;
        let command = -1;
        if ((plain || (e.ctrlKey && !e.altKey && !e.metaKey)) && commandsByShortcut.has(shortcut)) {
            command = commandsByShortcut.get(shortcut);
        } else if (e.altKey && !e.ctrlKey && e.code.startsWith("Key") &&
                   menu.accessKey(e.code.slice(3))) {
            e.preventDefault();
            return;
        }
        if (e.key === "F1") {
            e.preventDefault();  // the browser's help page
        }
        if (command >= 0) {
            e.preventDefault();
            if (!e.repeat || e.key !== "F1") {
                game._quorbals_menu(command);
            }
        }
    });
    document.addEventListener("keyup", (e) => {
        if (e.key === "F1" && !ended && main?.shown && !modals.open && !menu.isOpen()) {
            e.preventDefault();
            game._quorbals_key_up(kF1);
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
    text.textContent = status === 0 ? "Quorbals has ended." : "Quorbals has ended after an error.";
    const again = element("button", "push", note);
    again.type = "button";
    again.textContent = "Play again";
    again.addEventListener("click", () => window.location.reload());
    again.focus();
}

const page = {
    showSplash() {
        splash = new AboutBox(tables.about, kIconUrl, true);
        splash.window.centre();
        splash.window.show();
        sound.prepareAfterPaint();
    },
    closeSplash() {
        splash?.window.hide();
        splash?.window.root.remove();
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
        return showBox(modals, tables.main.caption, kind, text);
    },
    askSaveName(offered) {
        return askSaveName(modals, offered);
    },
    askLoadFile() {
        return askLoadFile(files);
    },
    showAbout() {
        return new AboutBox(tables.about, kIconUrl, false).runModal(modals);
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
    runHighScores() {
        return highScores().runModal(modals);
    },
};

function start() {
    createQuorbals({
        page,
        quorbalsFiles: files,
        onRuntimeInitialized() {
            game = this;
            tables = JSON.parse(game.UTF8ToString(game._quorbals_tables()));
            for (const entry of tables.menu) {
                for (const item of entry.items.filter((i) => !i.separator)) {
                    commandsByName.set(item.name, item.command);
                    if (item.shortcut) {
                        commandsByShortcut.set(item.shortcut, item.command);
                    }
                }
            }
            listenToKeys();
            watchScale(() => play?.rescale());
            // Leaving the page closes the window as far as the settings go.
            window.addEventListener("pagehide", () => game._quorbals_page_hidden());
        },
    });
}

// The service worker, which keeps the whole site for playing offline, is
// registered once the game is up, so that its copying of every file does
// not compete with the page's own start.
function registerServiceWorker() {
    if ("serviceWorker" in navigator && location.protocol !== "file:") {
        navigator.serviceWorker.register("sw.js").catch(() => {});
    }
}

start();
