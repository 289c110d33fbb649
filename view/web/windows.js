// Desktop-like windows inside the page. Everything inside a window is laid
// out in the design's pixels; each window is zoomed as a whole (CSS `zoom`,
// which lays text and borders out again at the new size, where a transform
// would stretch a picture of them) so that one design pixel covers a whole
// number of device pixels: the largest number at which the main window with
// its frame fits the viewport (the game's rule, `Scale.fit`). A dialog takes
// the same, or where it would not fit, the largest at which it does.
//
// A window stands in a place of its own, unzoomed, that says where it is in
// the page's pixels: a zoomed element's own left and top would be zoomed too.

export const Scale = {
    ratio: 1,  // device pixels per CSS pixel
    value: 1,  // device pixels per design pixel for the main window
    multiple: 1,  // whole device pixels per design pixel the pictures are drawn at
    // The game's rule: (view width, view height in device pixels, window
    // width, height in design pixels) -> device pixels per design pixel.
    fit: () => 1,
    main: [1, 1],  // the main window's outer size in design pixels
    update() {
        this.ratio = window.devicePixelRatio || 1;
        this.value = this.fitting(this.main);
        this.multiple = Math.max(1, Math.round(this.value));
    },
    fitting(size) {
        const [width, height] = viewportSize();
        return this.fit(width * this.ratio, height * this.ratio, size[0], size[1]);
    },
    // CSS pixels per design pixel for the main window, or for a window of
    // `size` design pixels that must fit the viewport too.
    factor(size) {
        const value = size ? Math.min(this.value, this.fitting(size)) : this.value;
        return value / this.ratio;
    },
    // A CSS length put on the device pixel grid.
    snap(value) {
        return Math.round(value * this.ratio) / this.ratio;
    },
};

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

// A rectangle of a table given in the coordinates of a panel's outside, in
// those of what lies `inset` pixels deeper, inside its bevel rings.
export function within(rect, inset) {
    return [rect[0] - inset, rect[1] - inset, rect[2], rect[3]];
}

// What a panel of `rect` leaves inside its one ring of `bevel` pixels, in
// its own coordinates.
export function insideRing(rect, bevel) {
    return [0, 0, rect[2] - 2 * bevel, rect[3] - 2 * bevel];
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
    // What the caption buttons are called for a screen reader (the page's
    // texts, from the tables).
    static labels = {minimise: "", close: ""};

    // options: caption, role ("application" or "dialog"; the application
    // window is the main one, whose size sets the scale), borderless,
    // buttons ("main": minimise and close, "close", or none), icon (URL).
    constructor(options) {
        this.place = element("div", "window-place", document.getElementById("desktop"));
        this.root = element("div", "window", this.place);
        this.isMain = options.role === "application";
        this.factor = 1;
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
                this.addCaptionButton("_", DesktopWindow.labels.minimise, () => this.minimise());
            }
            if (options.buttons === "main" || options.buttons === "close") {
                this.addCaptionButton("x", DesktopWindow.labels.close,
                                      () => this.onClose && this.onClose());
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
        this.factor = Scale.factor(this.isMain ? null : this.designSize());
        this.root.style.zoom = String(this.factor);
        this.size = null;
        this.moveTo(this.left, this.top);
    }

    // The outer size in CSS pixels of the page, as laid out at the window's
    // zoom (text is laid out anew at each size, so it need not be exactly
    // the design size times the zoom); measured once per scale, since the
    // game asks for it often and a window keeps its size.
    outerSize() {
        if (!this.size) {
            this.size = this.whileMeasured(() => {
                const r = this.place.getBoundingClientRect();
                return [r.width, r.height];
            });
        }
        return this.size;
    }

    // Where a pointer event on an element of the window is, in design pixels
    // from that element's top left corner: every engine gives the offset in
    // the page's pixels, while some give a zoomed element's rectangle in its
    // own.
    designPoint(e) {
        return [e.offsetX / this.factor, e.offsetY / this.factor];
    }

    // The outer size in design pixels (the offsets of what is zoomed are in
    // its own pixels).
    designSize() {
        return this.whileMeasured(() => [this.root.offsetWidth, this.root.offsetHeight]);
    }

    // What `measure` returns with the window laid out, if unseen.
    whileMeasured(measure) {
        const hidden = this.root.hidden;
        if (hidden) {
            this.root.style.visibility = "hidden";
            this.root.hidden = false;
        }
        const value = measure();
        if (hidden) {
            this.root.hidden = true;
            this.root.style.visibility = "";
        }
        return value;
    }

    moveTo(left, top) {
        this.left = left;
        this.top = top;
        this.place.style.left = `${Scale.snap(left)}px`;
        this.place.style.top = `${Scale.snap(top)}px`;
    }

    // Takes the window out of the page for good.
    remove() {
        this.place.remove();
        windows.delete(this);
    }

    rect() {
        const [width, height] = this.outerSize();
        return [Math.round(this.left), Math.round(this.top), Math.round(width), Math.round(height)];
    }

    centre() {
        const [width, height] = this.outerSize();
        const [viewWidth, viewHeight] = viewportSize();
        // Within the viewport, from its top left corner, should the window
        // at its smallest still be larger.
        this.moveTo(Math.max(0, Math.trunc((viewWidth - width) / 2)),
                    Math.max(0, Math.trunc((viewHeight - height) / 2)));
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

// The page's visible area in CSS pixels: the desktop the windows stand on,
// sized to the dynamic viewport, so that a phone browser's own bars never
// cover a window.
export function viewportSize() {
    const desktop = document.getElementById("desktop");
    return [desktop.clientWidth, desktop.clientHeight];
}

// Watches the viewport's size and the device pixel ratio (a rotation, a
// resized browser window, browser zoom, another screen): every window takes
// its new scale, the windows other than the main one are centred again, and
// `onChange(rescaled, redraw)` is told whether the scale changed and whether
// the pictures must be drawn again at another multiple.
export function watchScale(onChange) {
    let query = null;
    let pending = false;
    let last = [Scale.value, ...viewportSize(), Scale.ratio];
    const changed = () => {
        pending = false;
        const multiple = Scale.multiple;
        Scale.update();
        const now = [Scale.value, ...viewportSize(), Scale.ratio];
        if (now.every((v, i) => v === last[i])) {
            return;
        }
        const rescaled = now[0] !== last[0] || now[3] !== last[3];
        last = now;
        for (const w of windows) {
            w.applyScale();
            if (!w.isMain && w.shown) {
                w.centre();
            }
        }
        onChange(rescaled, Scale.multiple !== multiple);
    };
    const soon = () => {
        if (!pending) {
            pending = true;
            requestAnimationFrame(changed);
        }
    };
    const listen = () => {
        query?.removeEventListener("change", ratioChanged);
        query = window.matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
        query.addEventListener("change", ratioChanged);
    };
    const ratioChanged = () => {
        listen();
        soon();
    };
    listen();
    window.addEventListener("resize", soon);
    new ResizeObserver(soon).observe(document.getElementById("desktop"));
}
