// Desktop-like windows inside the page. Everything inside a window is laid
// out in the design's pixels; the window is scaled as a whole by
// `Scale.factor` so that one design pixel covers a whole number of device
// pixels (`Scale.multiple`): the multiple nearest to the device pixel ratio,
// halves rounded up, as the desktop builds choose theirs.

export const Scale = {
    ratio: 1,
    multiple: 1,
    factor: 1,
    update() {
        this.ratio = window.devicePixelRatio || 1;
        this.multiple = Math.max(1, Math.floor(this.ratio + 0.5));
        this.factor = this.multiple / this.ratio;
    },
    // A CSS length put on the device pixel grid.
    snap(value) {
        return Math.round(value * this.ratio) / this.ratio;
    },
};
Scale.update();

const windows = new Set();

export function element(tag, className, parent) {
    const node = document.createElement(tag);
    if (className) {
        node.className = className;
    }
    if (parent) {
        parent.appendChild(node);
    }
    return node;
}

// Places an element at a design rectangle [x, y, width, height].
export function place(node, rect) {
    node.style.left = `${rect[0]}px`;
    node.style.top = `${rect[1]}px`;
    node.style.width = `${rect[2]}px`;
    node.style.height = `${rect[3]}px`;
    return node;
}

export function fontStyle(node, font) {
    node.style.fontFamily = `"${font.family}", Arial, "Liberation Sans", sans-serif`;
    node.style.fontSize = `${font.px}px`;
    node.style.fontWeight = font.bold ? "bold" : "normal";
}

export function colour(value) {
    return `#${value.toString(16).padStart(6, "0")}`;
}

export class DesktopWindow {
    // options: caption, role ("application" or "dialog"), borderless,
    // buttons ("main": minimise and close, "close", or none), icon (URL).
    constructor(options) {
        this.root = element("div", "window", document.getElementById("desktop"));
        this.root.hidden = true;
        this.root.setAttribute("role", options.role || "dialog");
        if (options.role !== "application") {
            this.root.setAttribute("aria-modal", "true");
        }
        this.left = 0;
        this.top = 0;
        this.size = null;
        this.onClose = null;
        if (options.borderless) {
            this.root.classList.add("borderless");
        } else {
            this.caption = element("div", "caption", this.root);
            if (options.icon) {
                const icon = element("img", "", this.caption);
                icon.src = options.icon;
                icon.alt = "";
            }
            this.title = element("span", "title", this.caption);
            this.title.id = `caption-${windows.size}`;
            this.title.textContent = options.caption;
            this.root.setAttribute("aria-labelledby", this.title.id);
            if (options.buttons === "main") {
                this.addCaptionButton("_", "Minimise", () => this.minimise());
            }
            if (options.buttons === "main" || options.buttons === "close") {
                this.addCaptionButton("x", "Close", () => this.onClose && this.onClose());
            }
            this.enableDrag();
        }
        this.client = element("div", "client", null);
        windows.add(this);
    }

    // The client area comes last, after the menu bar if there is one.
    attachClient(width, height) {
        this.root.appendChild(this.client);
        this.client.style.width = `${width}px`;
        this.client.style.height = `${height}px`;
    }

    addCaptionButton(text, label, action) {
        const button = element("button", "", this.caption);
        button.type = "button";
        button.tabIndex = -1;
        button.textContent = text;
        button.setAttribute("aria-label", label);
        button.addEventListener("pointerdown", (e) => e.stopPropagation());
        button.addEventListener("click", action);
    }

    // Minimised, the window leaves a button at the foot of the page, as on a
    // task bar, that brings it back; the game goes on meanwhile.
    minimise() {
        if (!this.shown) {
            return;
        }
        this.hide();
        const restore = element("button", "push taskbar", document.getElementById("desktop"));
        restore.type = "button";
        restore.textContent = this.title.textContent;
        restore.addEventListener("click", () => {
            restore.remove();
            this.show();
            this.onRestore?.();
        });
        restore.focus();
        this.onMinimise?.();
    }

    show() {
        this.root.hidden = false;
        this.applyScale();
    }

    hide() {
        this.root.hidden = true;
    }

    get shown() {
        return !this.root.hidden;
    }

    applyScale() {
        this.root.style.transform = `scale(${Scale.factor})`;
        this.size = null;
        this.moveTo(this.left, this.top);
    }

    // The outer size in CSS pixels of the page; measured once per scale,
    // since the game asks for it often and a window keeps its size.
    outerSize() {
        if (!this.size) {
            this.size = this.measure();
        }
        return this.size;
    }

    measure() {
        const hidden = this.root.hidden;
        if (hidden) {
            this.root.style.visibility = "hidden";
            this.root.hidden = false;
        }
        const size = [this.root.offsetWidth * Scale.factor, this.root.offsetHeight * Scale.factor];
        if (hidden) {
            this.root.hidden = true;
            this.root.style.visibility = "";
        }
        return size;
    }

    moveTo(left, top) {
        this.left = left;
        this.top = top;
        this.root.style.left = `${Scale.snap(left)}px`;
        this.root.style.top = `${Scale.snap(top)}px`;
    }

    rect() {
        const [width, height] = this.outerSize();
        return [Math.round(this.left), Math.round(this.top), Math.round(width), Math.round(height)];
    }

    centre() {
        const [width, height] = this.outerSize();
        const [viewWidth, viewHeight] = viewportSize();
        this.moveTo(Math.trunc((viewWidth - width) / 2), Math.trunc((viewHeight - height) / 2));
    }

    setActive(active) {
        this.root.classList.toggle("active", active);
    }

    enableDrag() {
        this.caption.addEventListener("pointerdown", (down) => {
            if (down.button !== 0) {
                return;
            }
            this.caption.setPointerCapture(down.pointerId);
            const startLeft = this.left;
            const startTop = this.top;
            const move = (e) => {
                this.moveTo(Math.round(startLeft + e.clientX - down.clientX),
                            Math.round(startTop + e.clientY - down.clientY));
            };
            const up = () => {
                this.caption.removeEventListener("pointermove", move);
                this.caption.removeEventListener("pointerup", up);
                this.caption.removeEventListener("pointercancel", up);
            };
            this.caption.addEventListener("pointermove", move);
            this.caption.addEventListener("pointerup", up);
            this.caption.addEventListener("pointercancel", up);
        });
    }
}

export function viewportSize() {
    return [document.documentElement.clientWidth, document.documentElement.clientHeight];
}

// Called when the device pixel ratio changes (browser zoom, another
// screen): every window takes its new scale; `onChange` redraws pictures.
export function watchScale(onChange) {
    let query = null;
    const listen = () => {
        if (query) {
            query.removeEventListener("change", changed);
        }
        query = window.matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
        query.addEventListener("change", changed);
    };
    const changed = () => {
        Scale.update();
        for (const w of windows) {
            w.applyScale();
        }
        onChange();
        listen();
    };
    listen();
}
