// The game's sound cues through the Web Audio API. A cue plays whole unless
// the next cue starts, which cuts it off; a file that could not be had gives
// a short alert tone in its place.
//
// Nothing is prepared before the player's first gesture on the page: an
// audio context starts the browser's audio service, which holds up the main
// thread for a long while, and browsers let a page sound only after a
// gesture anyway. That gesture makes the context and unlocks it (WebKit
// unlocks it only inside a touch's end, a click or a key) and fetches the
// wave files, whose names the game's tables give. A wave becomes a buffer
// when it is first played: the files are plain PCM, read here at once, so
// a cue never waits for the browser's decoder; anything else goes to that
// decoder.

// A cue asked for while its wave is still on its way plays when it arrives,
// unless a newer cue was asked for, or this long has passed: a late cue
// would belong to nothing.
const kLateMs = 1000;

export class SoundCues {
    constructor() {
        this.waves = [];
        this.context = null;
        this.files = new Map();    // name -> Promise of the file's bytes, or null
        this.reads = new Map();    // name -> Promise of its buffer
        this.buffers = new Map();  // name -> AudioBuffer, or null once it failed
        this.playing = null;
        this.wanted = null;        // {name, at}: a cue waiting for its wave
        const unlock = () => this.unlock();
        // Capturing, on the window: ahead of the game's own handlers, so
        // that the first gesture's cue finds the context made.
        for (const type of ["pointerdown", "pointerup", "touchend", "click", "keydown"]) {
            window.addEventListener(type, unlock, {capture: true, passive: true});
        }
    }

    // The wave files by name, from the game's tables.
    useWaves(names) {
        this.waves = [...names];
        if (this.context) {
            this.fetchWaves();
        }
    }

    unlock() {
        if (!this.context) {
            if (!window.AudioContext) {
                return;
            }
            this.context = new AudioContext();
            this.fetchWaves();
        }
        if (this.context.state !== "running") {
            this.context.resume?.().catch(() => {});
        }
    }

    fetchWaves() {
        for (const name of this.waves) {
            if (!this.files.has(name)) {
                this.files.set(name, fetch(name)
                    .then((r) => (r.ok ? r.arrayBuffer() : null))
                    .catch(() => null));
            }
        }
    }

    play(name) {
        if (!this.context) {
            return;  // no gesture yet: the browser would not sound it
        }
        const buffer = this.buffers.get(name);
        if (buffer !== undefined) {
            this.wanted = null;
            this.start(buffer);
            return;
        }
        const wanted = {name, at: performance.now()};
        this.wanted = wanted;
        this.bufferOf(name).then((made) => {
            if (this.wanted === wanted) {
                this.wanted = null;
                if (performance.now() - wanted.at <= kLateMs) {
                    this.start(made);
                }
            }
        });
    }

    // The wave's buffer once it has been fetched and read (null when that
    // failed); each wave is read once.
    bufferOf(name) {
        if (!this.reads.has(name)) {
            const bytes = this.files.get(name) ?? Promise.resolve(null);
            this.reads.set(name, bytes
                .then((data) => (data ? readPcm(this.context, data) ??
                                        this.context.decodeAudioData(data.slice(0)) : null))
                .catch(() => null)
                .then((made) => {
                    this.buffers.set(name, made ?? null);
                    return made ?? null;
                }));
        }
        return this.reads.get(name);
    }

    // Starts a cue, cutting off the one still playing.
    start(buffer) {
        this.stop();
        if (buffer === null) {
            this.alert();
            return;
        }
        const source = this.context.createBufferSource();
        source.buffer = buffer;
        source.connect(this.context.destination);
        source.start();
        this.playing = source;
    }

    stop() {
        if (this.playing) {
            try {
                this.playing.stop();
            } catch (e) {
                // already ended
            }
            this.playing = null;
        }
    }

    // The alert a missing sound file gives on the desktop.
    alert() {
        const tone = this.context.createOscillator();
        const level = this.context.createGain();
        tone.frequency.value = 880;
        level.gain.value = 0.1;
        tone.connect(level).connect(this.context.destination);
        tone.start();
        tone.stop(this.context.currentTime + 0.12);
        this.playing = tone;
    }
}

// A RIFF WAVE file of 8- or 16-bit PCM as an AudioBuffer; null for any
// other file.
export function readPcm(context, data) {
    const view = new DataView(data);
    const tag = (at) => String.fromCharCode(...new Uint8Array(data, at, 4));
    if (data.byteLength < 12 || tag(0) !== "RIFF" || tag(8) !== "WAVE") {
        return null;
    }
    let format = null;
    for (let at = 12; at + 8 <= data.byteLength;) {
        const size = view.getUint32(at + 4, true);
        const body = at + 8;
        if (tag(at) === "fmt " && size >= 16 && body + 16 <= data.byteLength) {
            format = {code: view.getUint16(body, true), channels: view.getUint16(body + 2, true),
                      rate: view.getUint32(body + 4, true), bits: view.getUint16(body + 14, true)};
        } else if (tag(at) === "data" && format) {
            if (format.code !== 1 || format.channels < 1 || ![8, 16].includes(format.bits)) {
                return null;
            }
            const bytesPerSample = format.bits / 8;
            const frames = Math.floor(Math.min(size, data.byteLength - body) /
                                      (bytesPerSample * format.channels));
            if (frames < 1) {
                return null;
            }
            let buffer;
            try {
                buffer = context.createBuffer(format.channels, frames, format.rate);
            } catch (e) {
                return null;  // a rate the browser does not take
            }
            for (let channel = 0; channel < format.channels; ++channel) {
                const samples = buffer.getChannelData(channel);
                let offset = body + channel * bytesPerSample;
                const step = bytesPerSample * format.channels;
                for (let i = 0; i < frames; ++i, offset += step) {
                    samples[i] = format.bits === 16 ? view.getInt16(offset, true) / 32768
                                                    : (view.getUint8(offset) - 128) / 128;
                }
            }
            return buffer;
        }
        at = body + size + (size & 1);
    }
    return null;
}
