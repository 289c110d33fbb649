#!/usr/bin/env python3
"""Makes the five wave files of Quorbals' sound cues.

Each sound is synthesised from sine partials with smooth envelopes (a short
raised-cosine fade at both ends, so no sound starts or stops with a click)
and written as 16-bit PCM mono at 22050 Hz. Only the standard library is
used, so the files can be remade anywhere:

    python3 tools/make_sounds.py [output folder]   (default: assets/sounds)
"""

import math
import os
import re
import struct
import sys
import wave

RATE = 22050
PEAK = 0.5  # about -6 dBFS: clear but never harsh


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(track, sound, start_seconds):
    """Adds sound into track at the given time, growing the track as needed."""
    start = int(round(start_seconds * RATE))
    end = start + len(sound)
    if end > len(track):
        track.extend([0.0] * (end - len(track)))
    for i, sample in enumerate(sound):
        track[start + i] += sample


def tone(seconds, freq_start, freq_end=None, partials=((1, 1.0),), attack=0.004,
         decay=None, vibrato=0.0):
    """A gliding tone: exponential pitch glide, sine partials, soft envelope.

    decay is the time constant of an exponential fade (None: held level).
    """
    if freq_end is None:
        freq_end = freq_start
    # Partials near or past half the sample rate would fold back as noise.
    top = max(freq_start, freq_end) * (1.0 + vibrato)
    partials = [(mult, amp) for mult, amp in partials if top * mult < 0.4 * RATE]
    count = int(round(seconds * RATE))
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        progress = i / max(count - 1, 1)
        freq = freq_start * (freq_end / freq_start) ** progress
        if vibrato:
            freq *= 1.0 + vibrato * math.sin(2 * math.pi * 6.0 * t)
        phase += 2 * math.pi * freq / RATE
        value = sum(amp * math.sin(phase * mult) for mult, amp in partials)
        level = 1.0
        if decay is not None:
            level = math.exp(-t / decay)
        out.append(value * level)
    return fade(out, attack, min(0.012, seconds / 4))


def fade(samples, fade_in, fade_out):
    """Raised-cosine ramps at both ends."""
    n_in = max(1, int(fade_in * RATE))
    n_out = max(1, int(fade_out * RATE))
    count = len(samples)
    for i in range(min(n_in, count)):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, count)):
        samples[count - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return samples


def normalise(samples, peak=PEAK):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def write_wave(path, samples, peak=PEAK):
    samples = fade(normalise(samples, peak), 0.002, 0.004)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(
            struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples))


def select_sound():
    """A short bright blip with a slight upward lift."""
    bright = ((1, 1.0), (2, 0.35), (3, 0.12))
    return tone(0.085, 1320, 1760, bright, attack=0.003, decay=0.03)


def move_sound():
    """A very short, soft tick: under 50 ms so it can restart every step."""
    body = tone(0.032, 880, 620, ((1, 1.0), (2, 0.2)), attack=0.002, decay=0.008)
    return body


def remove_sound():
    """A rising sparkle: a quick major arpeggio with bell-like overtones."""
    bell = ((1, 1.0), (2, 0.4), (3, 0.18), (4.2, 0.08))
    track = silence(0.0)
    notes = [1046.5, 1318.5, 1568.0, 2093.0, 2637.0]  # C6 E6 G6 C7 E7
    for index, freq in enumerate(notes):
        length = 0.16 if index < len(notes) - 1 else 0.32
        mix_into(track, tone(length, freq, freq * 1.01, bell, attack=0.003, decay=length / 2.5),
                 index * 0.055)
    return track


def add_sound():
    """Three soft drops, each a falling plop, a little lower every time."""
    plop = ((1, 1.0), (2, 0.15))
    track = silence(0.0)
    for index, freq in enumerate((784.0, 659.3, 523.3)):  # G5 E5 C5
        mix_into(track, tone(0.09, freq * 1.6, freq, plop, attack=0.003, decay=0.03),
                 index * 0.095)
    return track


def end_sound():
    """Falling tones with a gentle vibrato, the last one held longer."""
    soft = ((1, 1.0), (2, 0.25), (3, 0.08))
    track = silence(0.0)
    notes = [784.0, 659.3, 523.3, 392.0]  # G5 E5 C5 G4
    for index, freq in enumerate(notes):
        length = 0.22 if index < len(notes) - 1 else 0.6
        mix_into(track, tone(length, freq, freq * 0.985, soft, attack=0.006,
                             decay=length / 3.0, vibrato=0.004), index * 0.2)
    return track


# name: (maker, peak level); the tick of every step stays in the background.
SOUNDS = {
    "select.wav": (select_sound, PEAK),
    "move.wav": (move_sound, 0.3),
    "remove.wav": (remove_sound, PEAK),
    "add.wav": (add_sound, PEAK),
    "end.wav": (end_sound, PEAK),
}


def game_sound_files(here):
    """The wave files the game lists (game/sound_files.h), in its order."""
    with open(os.path.join(here, "..", "game", "sound_files.h"), encoding="utf-8") as f:
        return re.findall(r'^ *"([a-z]+\.wav)",$', f.read(), re.M)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    names = game_sound_files(here)
    if sorted(names) != sorted(SOUNDS):
        sys.exit(f"make_sounds.py: the game lists {names}, this script makes {sorted(SOUNDS)}")
    default = os.path.normpath(os.path.join(here, "..", "assets", "sounds"))
    folder = sys.argv[1] if len(sys.argv) > 1 else default
    os.makedirs(folder, exist_ok=True)
    for name in names:
        make, peak = SOUNDS[name]
        path = os.path.join(folder, name)
        samples = make()
        write_wave(path, samples, peak)
        print(f"{path}: {len(samples) / RATE * 1000:.0f} ms")


if __name__ == "__main__":
    main()
