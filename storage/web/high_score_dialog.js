// The high-score dialog of the page, laid out from the shared table.

import {
    DesktopWindow, Scale, colour, element, fontStyle, insideRing, place, within,
} from "../../view/web/windows.js";

// TF_Hiscores: made once and shown as often as needed. table: the tables'
// highScores; bevel: a panel's ring width.
export class HighScoreDialog {
    constructor(table, bevel, ornamentUrls) {
        this.table = table;
        // What the form holds lies inside its two rings (lowered, raised).
        this.inset = 2 * bevel;
        const w = new DesktopWindow({caption: table.caption});
        this.window = w;
        w.attachClient(table.form[2], table.form[3]);
        const form = place(element("div", "panel lowered", w.client), table.form);
        const inner = place(element("div", "panel raised", form), insideRing(table.form, bevel));
        this.form = inner;
        const grid = place(element("div", "grid-frame", inner), this.inForm(table.grid));
        grid.setAttribute("role", "table");
        grid.setAttribute("aria-label", table.caption);
        grid.style.setProperty("--grid-frame", `${table.gridFrame}px`);
        grid.style.setProperty("--grid-line", `${table.gridLine}px`);
        grid.style.setProperty("--grid-line-colour", colour(table.gridLineColour));
        fontStyle(grid, table.font);
        // Each cell's rectangle comes with the grid line after it.
        this.cells = table.cells.map((row, index) => {
            const line = element("div", "", grid);
            line.setAttribute("role", "row");
            return row.map((rect) => {
                const cell = place(element("div", index === 0 ? "grid-cell header" : "grid-cell",
                                           line), rect);
                cell.setAttribute("role", index === 0 ? "columnheader" : "cell");
                return cell;
            });
        });
        table.ornaments.forEach((rect, i) => {
            const image = place(element("img", "", inner), this.inForm(rect));
            image.style.position = "absolute";
            image.src = ornamentUrls[i];
            image.alt = "";
        });
        this.ok = place(element("button", "push default", inner), this.inForm(table.ok));
        this.ok.style.position = "absolute";
        this.ok.type = "button";
        fontStyle(this.ok, table.font);
        this.checkMark = element("canvas", "check-mark", this.ok);
        this.checkMark.setAttribute("aria-hidden", "true");
        this.checkMark.style.width = `${table.checkMark.size}px`;
        this.checkMark.style.height = `${table.checkMark.size}px`;
        this.ok.append(table.okCaption);
        this.name = element("input", "name-box", inner);
        this.name.type = "text";
        this.name.id = "E_EditName";
        this.name.spellcheck = false;
        this.name.setAttribute("aria-label", table.nameLabel);
        fontStyle(this.name, table.font);
        this.name.style.color = colour(table.nameColour);
        this.name.style.width = `${table.nameBox[0]}px`;
        this.name.style.height = `${table.nameBox[1]}px`;
        this.name.hidden = true;
        this.name.addEventListener("focus", () => this.name.select());
        // The new entry's place and score, read with the caption as the
        // dialog opens; nothing shows it.
        this.summary = element("p", "reader-only", inner);
        this.summary.id = "score-summary";
    }

    // The shared check mark (0xAARRGGBB words, its opacity smoothed along
    // the stroke), each pixel a square of device pixels at the windows'
    // scale, laid over the button's face by the browser.
    drawCheckMark() {
        const {size, argb} = this.table.checkMark;
        const k = Scale.multiple;
        if (this.checkMark.width === size * k) {
            return;
        }
        this.checkMark.width = size * k;
        this.checkMark.height = size * k;
        const context = this.checkMark.getContext("2d");
        const image = context.createImageData(size * k, size * k);
        for (let y = 0; y < size * k; ++y) {
            for (let x = 0; x < size * k; ++x) {
                const p = argb[Math.floor(y / k) * size + Math.floor(x / k)];
                const o = (y * size * k + x) * 4;
                image.data[o] = (p >>> 16) & 0xff;
                image.data[o + 1] = (p >>> 8) & 0xff;
                image.data[o + 2] = p & 0xff;
                image.data[o + 3] = (p >>> 24) & 0xff;
            }
        }
        context.putImageData(image, 0, 0);
    }

    // A rectangle of the dialog's table inside the two bevel rings of P_Form.
    inForm(rect) {
        return within(rect, this.inset);
    }

    setCell(row, column, text) {
        if (this.cells[row] && this.cells[row][column]) {
            this.cells[row][column].textContent = text;
        }
    }

    // At the game's place for it in the form's coordinates.
    showNameBox(left, top, name) {
        this.name.style.left = `${left - this.inset}px`;
        this.name.style.top = `${top - this.inset}px`;
        this.name.value = name;
        this.name.hidden = false;
    }

    hideNameBox() {
        this.name.hidden = true;
    }

    setSummary(text) {
        this.summary.textContent = text;
        if (text) {
            this.window.root.setAttribute("aria-describedby", this.summary.id);
        } else {
            this.window.root.removeAttribute("aria-describedby");
        }
    }

    // Modal until OK, Enter, or Escape where escapeCloses(okHasFocus) says
    // so (the game's rule); resolves the name box's text.
    runModal(modals, escapeCloses) {
        return new Promise((resolve) => {
            const entry = {window: this.window};
            const finish = () => {
                this.ok.removeEventListener("click", finish);
                modals.pop(entry);
                resolve(this.name.value);
            };
            this.ok.addEventListener("click", finish);
            this.drawCheckMark();
            entry.focus = () => {
                if (!this.name.hidden) {
                    this.name.focus();
                    this.name.select();
                } else {
                    this.ok.focus();
                }
            };
            entry.keys = (e) => {
                if (e.key === "Enter") {
                    finish();
                } else if (e.key === "Escape") {
                    if (escapeCloses(document.activeElement === this.ok)) {
                        finish();
                    }
                } else if (e.key === "Tab") {
                    if (!this.name.hidden) {
                        (document.activeElement === this.name ? this.ok : this.name).focus();
                    }
                } else {
                    return;
                }
                e.preventDefault();
            };
            modals.push(entry);
        });
    }
}
