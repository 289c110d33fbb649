// The save and load dialogs of the page. A saved game is downloaded under
// the name typed in the page's own save dialog; loading uses the browser's
// file picker.

import { pushButton, sizedBox } from "../../view/web/modals.js";
import { DesktopWindow, element } from "../../view/web/windows.js";

// The save dialog: a name to download the saved game under. Resolves the
// typed name, or null when cancelled. texts: the tables' gameFiles.
export function askSaveName(modals, texts, offered) {
    return new Promise((resolve) => {
        const w = new DesktopWindow({caption: texts.saveTitle, buttons: "close"});
        const body = element("div", "save-body", w.client);
        const label = element("label", "", body);
        label.textContent = texts.nameLabel;
        const name = element("input", "field", body);
        name.id = "save-name";
        label.htmlFor = name.id;
        name.type = "text";
        name.value = offered;
        name.spellcheck = false;
        const hint = element("div", "hint", body);
        hint.textContent = `${texts.typeLabel} ${texts.filter}`;
        const buttons = element("div", "box-buttons", w.client);
        const save = pushButton(buttons, texts.save, true);
        const cancel = pushButton(buttons, texts.cancel, false);
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

// The browser's own file picker, offering the game's files. Resolves the
// picked file's name (its bytes put into `files` under the tables' picked
// folder + name), or null when cancelled. texts: the tables' gameFiles.
export function askLoadFile(files, texts) {
    return new Promise((resolve) => {
        const input = element("input", "", document.body);
        input.type = "file";
        input.accept = `.${texts.suffix}`;
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
                    files.set(texts.pickedFolder + file.name, new Uint8Array(data));
                    finish(file.name);
                },
                () => finish(null));
        });
        input.addEventListener("cancel", () => finish(null));
        input.click();
    });
}

