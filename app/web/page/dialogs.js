// The page's message boxes and its About box (also the splash), shown as
// modal windows (view/web/modals.js).

import { pushButton, sizedBox } from "../../../view/web/modals.js";
import {
    DesktopWindow, colour, element, fontStyle, insideRing, place, within,
} from "../../../view/web/windows.js";

// The boxes' icons, by the kinds' names in the tables, in the look of a
// classic desktop's (the other front ends show their system's own).
const kIcons = {
    information: ["#1c52b8", "i"],
    error: ["#c0281c", "\u00d7"],
    question: ["#1c52b8", "?"],
};

// The name of a box's kind (tables.boxKinds), information for one unknown.
function kindName(kinds, kind) {
    return Object.keys(kinds).find((name) => kinds[name] === kind) ?? "information";
}

function boxIcon(name) {
    const [fill, sign] = kIcons[name];
    const error = name === "error";
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
    text.setAttribute("y", error ? "24" : "23");
    text.setAttribute("text-anchor", "middle");
    text.setAttribute("fill", "#ffffff");
    text.setAttribute("font-family", "Georgia, serif");
    text.setAttribute("font-weight", "bold");
    text.setAttribute("font-size", error ? "26" : "20");
    text.textContent = sign;
    svg.appendChild(text);
    return svg;
}

// A message box titled with the program's name: OK, or OK and Cancel for a
// question. Resolves true for OK. tables: the game's.
export function showBox(modals, tables, kind, text) {
    return new Promise((resolve) => {
        const name = kindName(tables.boxKinds, kind);
        const question = name === "question";
        const w = new DesktopWindow({caption: tables.main.caption, buttons: "close"});
        w.root.setAttribute("role", name === "error" ? "alertdialog" : "dialog");
        const body = element("div", "box-body", w.client);
        body.appendChild(boxIcon(name));
        const message = element("p", "", body);
        message.id = "box-text";
        message.textContent = text;
        w.root.setAttribute("aria-describedby", message.id);
        const buttons = element("div", "box-buttons", w.client);
        const ok = pushButton(buttons, tables.texts.ok, true);
        const cancel = question ? pushButton(buttons, tables.texts.cancel, false) : null;
        const entry = sizedBox(modals, w, resolve);
        const finish = entry.finish;
        ok.addEventListener("click", () => finish(true));
        cancel?.addEventListener("click", () => finish(false));
        w.onClose = () => finish(!question);
        entry.focus = () => ok.focus();
        entry.keys = (e) => {
            if (e.key === "Escape") {
                finish(!question);
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
// around the icon, and Enter or Escape. tables: the game's.
export class AboutBox {
    constructor(tables, borderless) {
        const table = tables.about;
        // The form's content lies inside its two rings (lowered, raised),
        // and so does the icon frame's.
        const inset = 2 * tables.bevel;
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
        this.form = form;
        const inner = element("div", "panel raised", form);
        place(inner, insideRing(table.form, tables.bevel));
        const frame = place(element("div", "panel lowered", inner), within(table.iconFrame, inset));
        const frameInner = place(element("div", "panel raised", frame),
                                 insideRing(table.iconFrame, tables.bevel));
        const icon = place(element("img", "", frameInner), within(table.icon, inset));
        icon.style.position = "absolute";
        icon.style.imageRendering = "pixelated";
        icon.src = tables.pictures.aboutIcon;
        icon.alt = tables.texts.aboutIcon;
        const title = element("div", "", inner);
        title.style.position = "absolute";
        title.style.left = `${table.titleX - inset}px`;
        title.style.top = `${table.titleY - inset}px`;
        title.style.whiteSpace = "nowrap";
        fontStyle(title, table.titleFont);
        title.style.color = colour(table.titleColour);
        title.textContent = table.title;
        for (const line of table.lines) {
            const node = place(element("div", "about-line", inner), within(line.rect, inset));
            fontStyle(node, table.lineFont);
            node.style.color = colour(table.lineColour);
            node.textContent = line.text;
        }
        this.icon = icon;
    }

    // The modal dialog; resolves when it has ended. reachesOk(x, y): whether
    // a click at that design point of the box closes it (the game's rule).
    runModal(modals, reachesOk) {
        return new Promise((resolve) => {
            const entry = {window: this.window};
            const finish = () => {
                modals.pop(entry);
                this.window.remove();
                resolve();
            };
            // Every click lands on the client itself, so that its offset is
            // the point of the box.
            this.form.style.pointerEvents = "none";
            this.window.client.addEventListener("click", (e) => {
                const [x, y] = this.window.designPoint(e);
                if (reachesOk(Math.floor(x), Math.floor(y))) {
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

