// The main window's play area, laid out from the shared table: the score
// and preview strip and the Desk. The pictures themselves live in the
// game's memory; the page is told which rectangles changed and copies them
// into canvases, each design pixel a whole square of device pixels.

import { Scale, colour, element, fontStyle, place, within } from "./windows.js";

// A picture shown in a canvas: a 1:1 copy of the game's pixels (`copy`,
// RGBA), each pixel put onto the visible canvas as a whole square of
// device pixels, never smoothed.
class PictureCanvas {
    constructor(parent, rect) {
        this.overlay = [];
        this.width = rect[2];
        this.height = rect[3];
        this.canvas = place(element("canvas", "picture", parent), rect);
        this.copy = new Uint8ClampedArray(this.width * this.height * 4);
        this.images = new Map();  // ImageData kept by size, reused
        this.resize();
    }

    resize() {
        this.canvas.width = this.width * Scale.multiple;
        this.canvas.height = this.height * Scale.multiple;
        this.context = this.canvas.getContext("2d");
        this.context.imageSmoothingEnabled = false;
        this.images.clear();
        this.show(0, 0, this.width, this.height);
    }

    // Copies a rectangle of 0xFFRRGGBB words (little-endian: B, G, R, A
    // bytes) from the game's memory.
    load(heap, pixels, pictureWidth, x, y, width, height) {
        if (width <= 0 || height <= 0) {
            return;
        }
        const out = this.copy;
        for (let row = 0; row < height; ++row) {
            let i = pixels + ((y + row) * pictureWidth + x) * 4;
            let o = ((y + row) * this.width + x) * 4;
            for (let col = 0; col < width; ++col, i += 4, o += 4) {
                out[o] = heap[i + 2];
                out[o + 1] = heap[i + 1];
                out[o + 2] = heap[i];
                out[o + 3] = 255;
            }
        }
        this.show(x, y, width, height);
    }

    image(width, height) {
        const key = width * 65536 + height;
        let image = this.images.get(key);
        if (!image) {
            image = this.context.createImageData(width, height);
            this.images.set(key, image);
        }
        return image;
    }

    // One put of the rectangle, each picture pixel a k x k square.
    put(x, y, width, height) {
        const k = Scale.multiple;
        const image = this.image(width * k, height * k);
        const data = image.data;
        const copy = this.copy;
        const rowBytes = width * k * 4;
        for (let row = 0; row < height; ++row) {
            let o = row * k * rowBytes;
            let i = ((y + row) * this.width + x) * 4;
            for (let col = 0; col < width; ++col, i += 4) {
                for (let r = 0; r < k; ++r, o += 4) {
                    data[o] = copy[i];
                    data[o + 1] = copy[i + 1];
                    data[o + 2] = copy[i + 2];
                    data[o + 3] = 255;
                }
            }
            // The other k - 1 rows of device pixels repeat the first.
            for (let r = 1; r < k; ++r) {
                data.copyWithin(row * k * rowBytes + r * rowBytes, row * k * rowBytes,
                                row * k * rowBytes + rowBytes);
            }
        }
        this.context.putImageData(image, x * k, y * k);
    }

    show(x, y, width, height) {
        const k = Scale.multiple;
        this.put(x, y, width, height);
        // The keyboard cursor's frame lies over the picture, never in it.
        for (const [fx, fy, fw, fh, frameColour] of this.overlay) {
            const left = Math.max(x, fx);
            const top = Math.max(y, fy);
            const right = Math.min(x + width, fx + fw);
            const bottom = Math.min(y + height, fy + fh);
            if (left < right && top < bottom) {
                this.context.fillStyle = colour(frameColour & 0xffffff);
                this.context.fillRect(left * k, top * k, (right - left) * k, (bottom - top) * k);
            }
        }
    }
}

export class PlayArea {
    // layout: the main window's table; bevel: a panel's ring width; input:
    // pointer callbacks in Desk picture pixels, and `designPoint(e)`, where
    // an event is in the main window's design pixels.
    constructor(client, layout, bevel, input) {
        this.bevel = bevel;
        const strip = place(element("div", "panel lowered", client), layout.strip);
        this.score = place(element("div", "score", strip), this.inside(layout.score));
        fontStyle(this.score, layout.scoreFont);
        this.score.style.color = colour(layout.scoreColour);
        this.score.title = layout.scoreHint;
        this.score.textContent = "0";
        this.previews = layout.previews.map((r) => new PictureCanvas(strip, this.inside(r)));
        // The three previews are one picture for a screen reader.
        this.previewGroup = strip;
        strip.setAttribute("role", "group");
        for (const p of this.previews) {
            p.canvas.setAttribute("aria-hidden", "true");
        }
        const deskPanel = place(element("div", "panel raised", client), layout.deskPanel);
        this.desk = new PictureCanvas(deskPanel, this.inside(layout.desk));
        this.desk.canvas.setAttribute("aria-hidden", "true");
        this.input = input;
        this.listen(input);
    }

    // A rectangle of a bevelled panel's table, inside its ring.
    inside(rect) {
        return within(rect, this.bevel);
    }

    setScoreText(text) {
        this.score.textContent = text;
        // The game decides: centred while it fits, else its leading digits.
        this.score.classList.remove("long");
        this.score.classList.toggle("long", !this.input.scoreCentred(this.score.scrollWidth));
    }

    // `cursor`: the cursor frame's rectangles with their colours (five
    // words each), `cursorCount` of them; none while it is hidden.
    paintDesk(heap, pixels, width, height, rects, count, heap32, cursor, cursorCount) {
        this.desk.overlay = [];
        for (let i = 0; i < cursorCount; ++i) {
            const at = (cursor >> 2) + i * 5;
            this.desk.overlay.push([heap32[at], heap32[at + 1], heap32[at + 2], heap32[at + 3],
                                    heap32[at + 4] >>> 0]);
        }
        for (let i = 0; i < count; ++i) {
            const at = (rects >> 2) + i * 4;
            this.desk.load(heap, pixels, width, heap32[at], heap32[at + 1], heap32[at + 2],
                           heap32[at + 3]);
        }
    }

    paintPreview(slot, heap, pixels, width, height) {
        this.previews[slot].load(heap, pixels, width, 0, 0, width, height);
    }

    rescale() {
        this.desk.resize();
        for (const p of this.previews) {
            p.resize();
        }
    }

    // A pointer position in Desk picture pixels, rounded down so that a
    // position left of the picture stays left of it.
    deskPoint(e) {
        return this.input.designPoint(e).map(Math.floor);
    }

    listen(input) {
        const canvas = this.desk.canvas;
        // Presses do nothing, but keep the pointer with the Desk until the
        // release, wherever that comes.
        canvas.addEventListener("pointerdown", (e) => {
            canvas.setPointerCapture(e.pointerId);
            e.preventDefault();
        });
        canvas.addEventListener("pointermove", (e) => input.move(...this.deskPoint(e)));
        canvas.addEventListener("pointerup", (e) => input.release(...this.deskPoint(e)));
        canvas.addEventListener("pointerleave", (e) => {
            if (e.buttons === 0 && e.pointerType === "mouse") {
                input.leave();
            }
        });
        canvas.addEventListener("contextmenu", (e) => e.preventDefault());
    }
}
