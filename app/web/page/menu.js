// MM_Menu in the page, built from the shared menu table: the menu bar with
// its drop-down menus, access keys, shortcuts shown beside their items,
// separators and the Sound check mark. Mouse, touch and keyboard open and
// walk it as a desktop menu; a chosen item is handed to the game by its
// command number.

import { element } from "../../../view/web/windows.js";

// A caption's text with its access key underlined; "&&" is one ampersand.
function captionNodes(parent, caption) {
    let key = "";
    for (let i = 0; i < caption.length; ++i) {
        const c = caption[i];
        if (c === "&" && caption[i + 1] === "&") {
            parent.append("&");
            ++i;
        } else if (c === "&" && i + 1 < caption.length && !key) {
            key = caption[i + 1].toUpperCase();
            const u = element("span", "access", parent);
            u.textContent = caption[i + 1];
            ++i;
        } else {
            parent.append(c);
        }
    }
    return key;
}

export class MenuBar {
    // table: the shared menu; label: what a screen reader calls the bar;
    // run(command) carries out a choice; when the menu closes, `closed`
    // gives the keyboard back.
    constructor(parent, table, label, run, closed) {
        this.run = run;
        this.closed = closed || (() => {});
        this.bar = element("div", "menubar", parent);
        this.bar.setAttribute("role", "menubar");
        this.bar.setAttribute("aria-label", label);
        this.entries = [];
        this.itemsByCommand = new Map();
        this.openIndex = -1;
        for (const entry of table) {
            this.entries.push(this.buildEntry(entry));
        }
        document.addEventListener("pointerdown", (e) => {
            if (this.isOpen() && !this.bar.contains(e.target) &&
                !this.entries.some((x) => x.popup && x.popup.contains(e.target))) {
                this.close();
            }
        }, true);
    }

    buildEntry(entry) {
        const node = element("div", "", this.bar);
        node.setAttribute("role", "menuitem");
        node.id = entry.name;
        node.tabIndex = -1;
        const key = captionNodes(node, entry.caption);
        const built = {entry, node, key, popup: null, items: []};
        this.setEnabled(built, entry.enabledBeforeShow);
        if (entry.items.length > 0) {
            node.setAttribute("aria-haspopup", "menu");
            node.setAttribute("aria-expanded", "false");
            built.popup = element("div", "menu", this.bar.parentElement);
            built.popup.setAttribute("role", "menu");
            built.popup.setAttribute("aria-labelledby", entry.name);
            built.popup.hidden = true;
            for (const item of entry.items) {
                built.items.push(this.buildItem(built.popup, item));
            }
        }
        node.addEventListener("pointerdown", (e) => {
            e.preventDefault();
            const index = this.entries.indexOf(built);
            if (!built.enabled) {
                return;
            }
            if (!built.popup) {
                this.close();
                this.run(entry.command);
            } else if (this.openIndex === index) {
                this.close();
            } else {
                this.open(index, false);
            }
        });
        node.addEventListener("pointerenter", () => {
            const index = this.entries.indexOf(built);
            if (this.isOpen() && this.openIndex !== index && built.popup && built.enabled) {
                this.open(index, false);
            }
        });
        return built;
    }

    buildItem(popup, item) {
        if (item.separator) {
            const line = element("div", "", popup);
            line.setAttribute("role", "separator");
            return {separator: true, node: line};
        }
        const node = element("div", "", popup);
        node.id = item.name;
        node.tabIndex = -1;
        node.setAttribute("role", item.checkable ? "menuitemcheckbox" : "menuitem");
        if (item.checkable) {
            node.setAttribute("aria-checked", "true");
        }
        const label = element("span", "label", node);
        const key = captionNodes(label, item.caption);
        if (item.shortcut) {
            const keys = element("span", "keys", node);
            keys.textContent = item.shortcut;
            node.setAttribute("aria-keyshortcuts", item.shortcut.replace("Ctrl", "Control"));
        }
        const built = {item, node, key};
        this.itemsByCommand.set(item.command, built);
        node.addEventListener("pointerenter", () => this.highlight(built));
        node.addEventListener("pointerup", (e) => {
            e.preventDefault();
            this.choose(built);
        });
        return built;
    }

    setEnabled(built, enabled) {
        built.enabled = enabled;
        built.node.setAttribute("aria-disabled", enabled ? "false" : "true");
    }

    // "&Game" and "&Start!" wait for the window's showing.
    enableAll() {
        for (const built of this.entries) {
            this.setEnabled(built, true);
        }
    }

    isOpen() {
        return this.openIndex >= 0;
    }

    open(index, withKeyboard) {
        this.close();
        const built = this.entries[index];
        if (!built.popup) {
            return;
        }
        this.openIndex = index;
        built.node.classList.add("open");
        built.node.setAttribute("aria-expanded", "true");
        // Under its entry, in the window's own pixels (both lie in it).
        built.popup.style.left = `${built.node.offsetLeft}px`;
        built.popup.style.top = `${this.bar.offsetTop + this.bar.offsetHeight}px`;
        built.popup.hidden = false;
        this.current = null;
        if (withKeyboard) {
            this.highlight(built.items.find((x) => !x.separator));
        } else {
            built.popup.focus?.();
            built.node.focus({preventScroll: true});
        }
    }

    close() {
        if (!this.isOpen()) {
            return;
        }
        const built = this.entries[this.openIndex];
        built.node.classList.remove("open");
        built.node.setAttribute("aria-expanded", "false");
        built.popup.hidden = true;
        if (this.current) {
            this.current.node.classList.remove("current");
        }
        this.current = null;
        this.openIndex = -1;
        this.closed();
    }

    highlight(item) {
        if (this.current) {
            this.current.node.classList.remove("current");
        }
        this.current = item || null;
        if (item) {
            item.node.classList.add("current");
            item.node.focus({preventScroll: true});
        }
    }

    choose(item) {
        if (!item || item.separator) {
            return;
        }
        this.close();
        this.run(item.item.command);
    }

    setChecked(command, on) {
        const built = this.itemsByCommand.get(command);
        if (built) {
            built.node.setAttribute("aria-checked", on ? "true" : "false");
        }
    }

    checked(command) {
        const built = this.itemsByCommand.get(command);
        return built ? built.node.getAttribute("aria-checked") === "true" : false;
    }

    // Alt with a menu bar entry's access key: opens it (or runs "&Start!").
    // True when the key was taken.
    accessKey(letter) {
        const index = this.entries.findIndex((x) => x.key === letter && x.enabled);
        if (index < 0) {
            return false;
        }
        if (this.entries[index].popup) {
            this.open(index, true);
        } else {
            this.close();
            this.run(this.entries[index].entry.command);
        }
        return true;
    }

    // Keys while a menu is open; true when taken.
    key(e) {
        if (!this.isOpen()) {
            return false;
        }
        const built = this.entries[this.openIndex];
        const items = built.items.filter((x) => !x.separator);
        const at = items.indexOf(this.current);
        switch (e.key) {
            case "Escape":
                this.close();
                return true;
            case "ArrowDown":
                this.highlight(items[(at + 1) % items.length]);
                return true;
            case "ArrowUp":
                this.highlight(items[(at - 1 + items.length) % items.length]);
                return true;
            case "ArrowRight":
            case "ArrowLeft": {
                const step = e.key === "ArrowRight" ? 1 : -1;
                let next = this.openIndex;
                do {
                    next = (next + step + this.entries.length) % this.entries.length;
                } while (!this.entries[next].popup || !this.entries[next].enabled);
                this.open(next, true);
                return true;
            }
            case "Enter":
            case " ":
                this.choose(this.current);
                return true;
            default: {
                if (e.key.length === 1 && !e.ctrlKey && !e.metaKey) {
                    // One item with the key runs; several take turns being
                    // highlighted, as on the desktop.
                    const letter = e.key.toUpperCase();
                    const matches = items.filter((x) => x.key === letter);
                    if (matches.length === 1) {
                        this.choose(matches[0]);
                    } else if (matches.length > 1) {
                        const next = matches.find((x) => items.indexOf(x) > at) || matches[0];
                        this.highlight(next);
                    }
                    return true;
                }
                return false;
            }
        }
    }
}
