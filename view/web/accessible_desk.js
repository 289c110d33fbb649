// The Desk for screen readers: an ARIA grid of the Desk's rows and columns lying
// over the Desk's canvas (invisible; the canvas shows the game), whose cells
// carry the game's names for them, the selected ball marked selected and
// the keyboard cursor's cell as the active one; the score and the previews
// in words; and a live region that reads out each turn's news. The score
// is no live region: each turn's news says what it scored.

import { element } from "./windows.js";

export class AccessibleDesk {
    // canvas: the Desk's canvas; name: what a reader calls it; side: cells
    // in a row and rows; pitch: cell to cell in design pixels; score and
    // previews: the strip's label and the previews' panel.
    constructor(canvas, name, side, pitch, score, previews) {
        this.grid = element("div", "desk-grid", canvas.parentElement);
        this.grid.id = "desk-grid";
        this.grid.setAttribute("role", "grid");
        this.grid.setAttribute("aria-label", name);
        this.grid.setAttribute("aria-rowcount", String(side));
        this.grid.setAttribute("aria-colcount", String(side));
        this.grid.style.setProperty("--cell-pitch", `${pitch}px`);
        this.grid.tabIndex = 0;
        this.grid.style.left = canvas.style.left;
        this.grid.style.top = canvas.style.top;
        this.grid.style.width = canvas.style.width;
        this.grid.style.height = canvas.style.height;
        this.cells = [];
        for (let y = 0; y < side; ++y) {
            const row = element("div", "", this.grid);
            row.setAttribute("role", "row");
            row.setAttribute("aria-rowindex", String(y + 1));
            for (let x = 0; x < side; ++x) {
                const cell = element("div", "", row);
                cell.id = `cell-${y * side + x}`;
                cell.setAttribute("role", "gridcell");
                cell.setAttribute("aria-colindex", String(x + 1));
                cell.setAttribute("aria-selected", "false");
                this.cells.push(cell);
            }
        }
        // The digits are what the eye reads; a reader reads "Score: 120".
        score.setAttribute("aria-hidden", "true");
        this.score = element("div", "reader-only", score.parentElement);
        this.previews = previews;
        this.news = element("div", "reader-only", document.body);
        this.news.id = "news";
        this.news.setAttribute("role", "status");
        this.news.setAttribute("aria-live", "polite");
        this.selected = -1;
    }

    focus() {
        this.grid.focus({preventScroll: true});
    }

    // state: the game's words for the Desk (app/web/desk_state_json.h).
    update(state) {
        state.cells.forEach((name, i) => {
            if (this.cells[i].textContent !== name) {
                this.cells[i].textContent = name;
            }
        });
        if (this.selected !== state.selected) {
            this.cells[this.selected]?.setAttribute("aria-selected", "false");
            this.cells[state.selected]?.setAttribute("aria-selected", "true");
            this.selected = state.selected;
        }
        if (state.cursor >= 0) {
            this.grid.setAttribute("aria-activedescendant", this.cells[state.cursor].id);
        } else {
            this.grid.removeAttribute("aria-activedescendant");
        }
        if (this.score.textContent !== state.score) {
            this.score.textContent = state.score;
        }
        this.previews.setAttribute("aria-label", state.next);
    }

    // The same news twice in a row is read twice: the region is emptied first.
    announce(text) {
        this.news.textContent = "";
        setTimeout(() => {
            this.news.textContent = text;
        }, 50);
    }
}
