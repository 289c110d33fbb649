// The game's sound cues through the Web Audio API: the five wave files are
// fetched and decoded once; a new cue cuts off the one still playing; a
// file that could not be had gives a short alert tone in its place.
// Browsers let a page sound only after the player has clicked or pressed a
// key on it: the first such gesture unlocks the sound.

const kWaves = ["select.wav", "move.wav", "remove.wav", "add.wav", "end.wav"];

export class SoundCues {
    constructor() {
        this.context = null;
        this.buffers = new Map();
        this.playing = null;
        this.unlocked = false;
        const unlock = () => {
            this.unlocked = true;
            this.ensureContext();
            this.context?.resume?.();
        };
        for (const type of ["pointerdown", "keydown", "touchend"]) {
            document.addEventListener(type, unlock, {capture: true, passive: true});
        }
    }

    // The first audio context of a browser starts its audio service, which
    // holds up the page for tens of milliseconds: made once the splash has
    // been painted, it costs the start-up nothing. Made before the gesture,
    // it stays suspended until then but decodes the waves meanwhile.
    prepareAfterPaint() {
        requestAnimationFrame(() => setTimeout(() => this.ensureContext(), 0));
    }

    ensureContext() {
        if (this.context || !window.AudioContext) {
            return;
        }
        this.context = new AudioContext();
        for (const name of kWaves) {
            fetch(name)
                .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(name))))
                .then((data) => this.context.decodeAudioData(data))
                .then((buffer) => this.buffers.set(name, buffer))
                .catch(() => this.buffers.set(name, null));
        }
    }

    play(name) {
        if (!this.unlocked || !this.context) {
            return;
        }
        this.stop();
        const buffer = this.buffers.get(name);
        if (buffer === undefined) {
            return;  // still being decoded: this cue is skipped
        }
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
