// The modal windows of the page and what every dialog is made of. While
// one is open the windows under it take no input; `Modals` keeps them
// stacked and hands them the keyboard.

import { element } from "./windows.js";

export class Modals {
    constructor(onChange) {
        this.stack = [];
        this.onChange = onChange;
    }

    get open() {
        return this.stack.length > 0;
    }

    // entry: {window, keys(e) -> taken, focus()}.
    push(entry) {
        entry.shade = element("div", "shade", document.getElementById("desktop"));
        entry.shade.addEventListener("pointerdown", (e) => e.preventDefault());
        document.getElementById("desktop").appendChild(entry.window.place);
        this.stack.push(entry);
        // Shown first: its scale, and so its size, is settled as it shows.
        entry.window.show();
        entry.window.centre();
        this.activate();
        this.onChange();
    }

    pop(entry) {
        const at = this.stack.indexOf(entry);
        if (at < 0) {
            return;
        }
        this.stack.splice(at, 1);
        entry.shade.remove();
        entry.window.hide();
        entry.window.setActive(false);
        this.activate();
        this.onChange();
    }

    activate() {
        const top = this.stack[this.stack.length - 1];
        if (top) {
            top.window.setActive(true);
            top.focus?.();
        }
    }

    key(e) {
        const top = this.stack[this.stack.length - 1];
        if (top) {
            top.keys?.(e);
        }
    }
}

export function pushButton(parent, text, isDefault) {
    const button = element("button", isDefault ? "push default" : "push", parent);
    button.type = "button";
    button.textContent = text;
    return button;
}

// Sizes a box to what it holds and gives the entry it is pushed onto the
// modal windows with; the entry's finish(answer) takes the box away and
// resolves its promise with the answer.
export function sizedBox(modals, w, resolve) {
    w.attachClient("auto", "auto");
    w.client.style.width = "";
    w.client.style.height = "";
    const entry = {window: w};
    entry.finish = (answer) => {
        modals.pop(entry);
        w.remove();
        resolve(answer);
    };
    return entry;
}
