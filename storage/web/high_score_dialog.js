// The high-score dialog of the page, laid out from the shared table.

import { DesktopWindow, colour, element, fontStyle, place } from "./windows.js";

// TF_Hiscores: made once and shown as often as needed.
export class HighScoreDialog {
    constructor(table, ornamentUrls) {
        this.table = table;
        const w = new DesktopWindow({caption: table.caption});
        this.window = w;
        w.attachClient(table.form[2], table.form[3]);
        const form = place(element("div", "panel lowered", w.client), table.form);
        const inner = place(element("div", "panel raised", form),
                            [0, 0, table.form[2] - 2, table.form[3] - 2]);
        this.form = inner;
        const grid = place(element("div", "grid-frame", inner), this.inForm(table.grid));
        grid.setAttribute("role", "table");
        grid.setAttribute("aria-label", table.caption);
        fontStyle(grid, table.font);
        this.cells = [];
        // Each cell's rectangle in the grid, the grid line after it included,
        // row by row, as the table gives it.
        table.cells.forEach((rects, row) => {
            const line = element("div", "", grid);
            line.setAttribute("role", "row");
            this.cells.push(rects.map((rect) => {
                const cell = place(element("div", row === 0 ? "grid-cell header" : "grid-cell", line),
                                   rect);
                cell.setAttribute("role", row === 0 ? "columnheader" : "cell");
                return cell;
            }));
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
        this.ok.innerHTML =
            '<svg width="18" height="18" viewBox="0 0 18 18" aria-hidden="true" ' +
            'style="vertical-align:middle;margin-right:4px"><polyline points="3,9.5 7,13.5 15,4.5" ' +
            'fill="none" stroke="#008000" stroke-width="3" stroke-linecap="round" ' +
            'stroke-linejoin="round"/></svg>';
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

    // A rectangle of the dialog's table inside the two bevel rings of P_Form.
    inForm(rect) {
        return [rect[0] - 2, rect[1] - 2, rect[2], rect[3]];
    }

    setCell(row, column, text) {
        if (this.cells[row] && this.cells[row][column]) {
            this.cells[row][column].textContent = text;
        }
    }

    showNameBox(left, top, name) {
        this.name.style.left = `${left - 2}px`;
        this.name.style.top = `${top - 2}px`;
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

    // Modal until OK, Enter, or Escape from the OK button; resolves the name
    // box's text.
    runModal(modals) {
        return new Promise((resolve) => {
            const entry = {window: this.window};
            const finish = () => {
                this.ok.removeEventListener("click", finish);
                modals.pop(entry);
                resolve(this.name.value);
            };
            this.ok.addEventListener("click", finish);
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
                    // No cancel button: Escape closes only from the OK button.
                    if (document.activeElement === this.ok) {
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
