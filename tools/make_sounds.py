#!/usr/bin/env python3
"""Synthesise the answer sounds in data/suoni.

si1.wav .. si4.wav: four short cheerful sounds for a right answer, each with
its own tune and timbre. no.wav: a soft falling "uh-oh" for a wrong answer,
meant to invite another try rather than to scold: its peak is lower than
theirs, yet its energy above 400 Hz stays within a few dB of theirs
(tools/check_data.py measures it), so that small speakers play it.

All are 16-bit PCM mono at 44.1 kHz, shorter than 1.5 s, made from sine
partials with smooth envelopes (no clicks). Only the standard library is
used, and the output is the same on every run.

Usage: tools/make_sounds.py [output folder]   (default: data/suoni)
"""
import math
import os
import struct
import sys
import wave

RATE = 44100
PEAK = 0.7  # of full scale, leaves headroom on small speakers

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)


def note(name):
    """Frequency of a note name such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semis -= 1
        rest = rest[1:]
    return 440.0 * 2 ** ((semis + 12 * (int(rest) - 4)) / 12)


def tone(freq, dur, partials=((1, 1.0),), attack=0.005, decay=4.0, glide=0.0):
    """One note: sine partials (multiple, weight), a quick attack and an
    exponential decay; glide bends the pitch by that many semitones over
    the note."""
    n = int(dur * RATE)
    out = [0.0] * n
    phase = [0.0] * len(partials)
    release = min(0.02, dur / 4)
    for i in range(n):
        t = i / RATE
        f = freq * 2 ** (glide * t / dur / 12)
        env = min(1.0, t / attack) * math.exp(-decay * t)
        env *= min(1.0, (dur - t) / release)
        s = 0.0
        for k, (mult, weight) in enumerate(partials):
            phase[k] += 2 * math.pi * f * mult / RATE
            s += weight * math.sin(phase[k])
        out[i] = s * env
    return out


def mix(length, *placed):
    """Add (start time, samples) pieces into one track of the given length."""
    track = [0.0] * int(length * RATE)
    for start, samples in placed:
        first = int(start * RATE)
        for i, s in enumerate(samples):
            if first + i < len(track):
                track[first + i] += s
    return track


BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.08))
MARIMBA = ((1, 1.0), (3.9, 0.15), (6.8, 0.03))
FLUTE = ((1, 1.0), (2, 0.15), (3, 0.05))
BRASS = ((1, 1.0), (2, 0.5), (3, 0.3), (4, 0.15), (5, 0.08))


def si1():
    # Rising arpeggio C E G C on a bell.
    notes = ["C5", "E5", "G5", "C6"]
    return mix(0.95, *[(i * 0.11, tone(note(n), 0.6 if i == 3 else 0.3, BELL, decay=5))
                       for i, n in enumerate(notes)])


def si2():
    # "Ding-dong-ding" on a marimba, up a fifth and an octave.
    return mix(0.8, (0.0, tone(note("G5"), 0.25, MARIMBA, decay=9)),
               (0.14, tone(note("D6"), 0.25, MARIMBA, decay=9)),
               (0.28, tone(note("G6"), 0.5, MARIMBA, decay=7)))


def si3():
    # An upward swoop followed by two sparkles.
    return mix(1.0, (0.0, tone(note("A4"), 0.35, FLUTE, attack=0.02, decay=1.5, glide=12)),
               (0.32, tone(note("E6"), 0.35, BELL, decay=8)),
               (0.45, tone(note("A6"), 0.5, BELL, decay=7)))


def si4():
    # A short fanfare: two quick notes and a held major chord.
    chord = [tone(note(n), 0.7, BRASS, attack=0.02, decay=2.5) for n in ("C5", "E5", "G5")]
    return mix(1.1, (0.0, tone(note("G4"), 0.14, BRASS, attack=0.01, decay=3)),
               (0.16, tone(note("G4"), 0.14, BRASS, attack=0.01, decay=3)),
               *[(0.32, c) for c in chord])


def no():
    # A soft "uh-oh": two round notes falling a minor third, gently bent.
    # A4 and F#4 rather than lower: small classroom speakers give little
    # below 400 Hz, and the notes and their overtones must reach the child.
    return mix(0.9, (0.0, tone(note("A4"), 0.3, FLUTE, attack=0.03, decay=2.5)),
               (0.32, tone(note("F#4"), 0.55, FLUTE, attack=0.03, decay=3, glide=-1)))


def write(path, samples, peak=PEAK):
    top = max(abs(s) for s in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(round(s / top * peak * 32767))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "suoni")
    os.makedirs(out_dir, exist_ok=True)
    for name, make, peak in (("si1", si1, PEAK), ("si2", si2, PEAK), ("si3", si3, PEAK),
                             ("si4", si4, PEAK), ("no", no, 0.45)):
        samples = make()
        write(os.path.join(out_dir, name + ".wav"), samples, peak)
        print(f"{name}.wav  {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    main()
