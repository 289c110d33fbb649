// The save and load dialogs of the page. A saved game is downloaded under
// the name typed in the page's own save dialog; loading uses the browser's
// file picker.

import { DesktopWindow, element } from "./windows.js";
import { pushButton, sizedBox } from "./dialogs.js";

// The save dialog: a name to download the saved game under. Resolves the
// typed name, or null when cancelled.
export function askSaveName(modals, offered) {
    return new Promise((resolve) => {
        const w = new DesktopWindow({caption: "Save game", buttons: "close"});
        const body = element("div", "save-body", w.client);
        const label = element("label", "", body);
        label.textContent = "File name:";
        const name = element("input", "field", body);
        name.id = "save-name";
        label.htmlFor = name.id;
        name.type = "text";
        name.value = offered;
        name.spellcheck = false;
        const hint = element("div", "hint", body);
        hint.textContent = "Save as type: Quorbals game (*.kvx)";
        const buttons = element("div", "box-buttons", w.client);
        const save = pushButton(buttons, "Save", true);
        const cancel = pushButton(buttons, "Cancel", false);
        const entry = sizedBox(modals, w, resolve);
        const finish = entry.finish;
        save.addEventListener("click", () => finish(name.value));
        cancel.addEventListener("click", () => finish(null));
        w.onClose = () => finish(null);
        entry.focus = () => {
            name.focus();
            name.select();
        };
        entry.keys = (e) => {
            if (e.key === "Escape") {
                finish(null);
            } else if (e.key === "Enter" && document.activeElement !== cancel) {
                finish(name.value);
            } else {
                return;
            }
            e.preventDefault();
        };
        modals.push(entry);
    });
}

// The browser's own file picker. Resolves the picked file's name (its
// bytes put into `files` under "/picked/" + name), or null when cancelled.
export function askLoadFile(files) {
    return new Promise((resolve) => {
        const input = element("input", "", document.body);
        input.type = "file";
        input.accept = ".kvx";
        input.hidden = true;
        input.id = "load-game";
        let done = false;
        const finish = (answer) => {
            if (!done) {
                done = true;
                input.remove();
                resolve(answer);
            }
        };
        input.addEventListener("change", () => {
            const file = input.files && input.files[0];
            if (!file) {
                finish(null);
                return;
            }
            file.arrayBuffer().then(
                (data) => {
                    files.set(`/picked/${file.name}`, new Uint8Array(data));
                    finish(file.name);
                },
                () => finish(null));
        });
        input.addEventListener("cancel", () => finish(null));
        input.click();
    });
}

