// The modal windows of the page: message boxes, the About box (also the
// splash), the save dialog, the high-score dialog and the browser's file
// picker for loading. While one is open the windows under it take no input;
// `Modals` keeps them stacked and hands them the keyboard.

import { DesktopWindow, colour, element, fontStyle, place } from "./windows.js";

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
        document.getElementById("desktop").appendChild(entry.window.root);
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

const kIcons = {
    0: ["#1c52b8", "i"],  // information
    1: ["#c0281c", "\u00d7"],  // error
    2: ["#1c52b8", "?"],  // question
};

function boxIcon(kind) {
    const [fill, sign] = kIcons[kind] || kIcons[0];
    const ns = "http://www.w3.org/2000/svg";
    const svg = document.createElementNS(ns, "svg");
    svg.setAttribute("width", "32");
    svg.setAttribute("height", "32");
    svg.setAttribute("viewBox", "0 0 32 32");
    svg.setAttribute("aria-hidden", "true");
    const circle = document.createElementNS(ns, "circle");
    circle.setAttribute("cx", "16");
    circle.setAttribute("cy", "16");
    circle.setAttribute("r", "14.5");
    circle.setAttribute("fill", fill);
    circle.setAttribute("stroke", "#000000");
    svg.appendChild(circle);
    const text = document.createElementNS(ns, "text");
    text.setAttribute("x", "16");
    text.setAttribute("y", kind === 1 ? "24" : "23");
    text.setAttribute("text-anchor", "middle");
    text.setAttribute("fill", "#ffffff");
    text.setAttribute("font-family", "Georgia, serif");
    text.setAttribute("font-weight", "bold");
    text.setAttribute("font-size", kind === 1 ? "26" : "20");
    text.textContent = sign;
    svg.appendChild(text);
    return svg;
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
        w.root.remove();
        resolve(answer);
    };
    return entry;
}

// A message box titled with the program's name: OK, or OK and Cancel for a
// question. Resolves true for OK.
export function showBox(modals, programName, kind, text) {
    return new Promise((resolve) => {
        const w = new DesktopWindow({caption: programName, buttons: "close"});
        w.root.setAttribute("role", kind === 1 ? "alertdialog" : "dialog");
        const body = element("div", "box-body", w.client);
        body.appendChild(boxIcon(kind));
        const message = element("p", "", body);
        message.id = "box-text";
        message.textContent = text;
        w.root.setAttribute("aria-describedby", message.id);
        const buttons = element("div", "box-buttons", w.client);
        const ok = pushButton(buttons, "OK", true);
        const cancel = kind === 2 ? pushButton(buttons, "Cancel", false) : null;
        const entry = sizedBox(modals, w, resolve);
        const finish = entry.finish;
        ok.addEventListener("click", () => finish(true));
        cancel?.addEventListener("click", () => finish(false));
        w.onClose = () => finish(kind !== 2);
        entry.focus = () => ok.focus();
        entry.keys = (e) => {
            if (e.key === "Escape") {
                finish(kind !== 2);
            } else if (e.key === "Enter" && document.activeElement !== cancel) {
                finish(true);
            } else if (e.key === "Tab" && cancel) {
                (document.activeElement === ok ? cancel : ok).focus();
            } else {
                return;
            }
            e.preventDefault();
        };
        modals.push(entry);
    });
}

// The About box: the splash without a border (clicks and keys do nothing),
// or the modal About dialog, which any click closes but one on the frame
// around the icon, and Enter or Escape.
export class AboutBox {
    constructor(table, iconUrl, borderless) {
        this.window = new DesktopWindow({caption: table.caption, borderless, buttons: "close"});
        if (borderless) {
            // The splash is gone a second after it shows: a screen reader
            // that began reading its texts would be cut off by the main
            // window. The About box from the Help menu reads them.
            this.window.root.setAttribute("aria-hidden", "true");
            this.window.root.removeAttribute("aria-modal");
        }
        this.window.attachClient(table.form[2], table.form[3]);
        fontStyle(this.window.client, table.baseFont);
        const form = place(element("div", "panel lowered", this.window.client), table.form);
        const inner = element("div", "panel raised", form);
        place(inner, [0, 0, table.form[2] - 2, table.form[3] - 2]);
        const frame = place(element("div", "panel lowered", inner),
                            [table.iconFrame[0] - 2, table.iconFrame[1] - 2, table.iconFrame[2],
                             table.iconFrame[3]]);
        const frameInner = place(element("div", "panel raised", frame),
                                 [0, 0, table.iconFrame[2] - 2, table.iconFrame[3] - 2]);
        const icon = place(element("img", "", frameInner),
                           [table.icon[0] - 2, table.icon[1] - 2, table.icon[2], table.icon[3]]);
        icon.style.position = "absolute";
        icon.style.imageRendering = "pixelated";
        icon.src = iconUrl;
        icon.alt = "Quorbals icon";
        const title = element("div", "", inner);
        title.style.position = "absolute";
        title.style.left = `${table.titleX - 2}px`;
        title.style.top = `${table.titleY - 2}px`;
        title.style.whiteSpace = "nowrap";
        fontStyle(title, table.titleFont);
        title.style.color = colour(table.titleColour);
        title.textContent = table.title;
        for (const line of table.lines) {
            const node = place(element("div", "about-line", inner),
                               [line.rect[0] - 2, line.rect[1] - 2, line.rect[2], line.rect[3]]);
            fontStyle(node, table.lineFont);
            node.style.color = colour(table.lineColour);
            node.textContent = line.text;
        }
        this.frame = frame;
        this.frameInner = frameInner;
        this.icon = icon;
    }

    // The modal dialog; resolves when it has ended.
    runModal(modals) {
        return new Promise((resolve) => {
            const entry = {window: this.window};
            const finish = () => {
                modals.pop(entry);
                this.window.root.remove();
                resolve();
            };
            this.window.client.addEventListener("click", (e) => {
                const onFrame = (e.target === this.frame || e.target === this.frameInner);
                if (!onFrame) {
                    finish();
                }
            });
            this.window.onClose = finish;
            entry.focus = () => this.window.root.focus();
            this.window.root.tabIndex = -1;
            entry.keys = (e) => {
                if (e.key === "Enter" || e.key === "Escape") {
                    e.preventDefault();
                    finish();
                }
            };
            modals.push(entry);
        });
    }
}

