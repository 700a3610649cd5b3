#!/usr/bin/python3
"""Synthesises Morvane's two sound cues into assets/sounds/: Clock.wav (a row starts) and Alarm.wav (a row
reaches zero). Standard library only; the output is the same bytes on every run.

    python3 tools/make_cues.py [FOLDER]      (FOLDER defaults to assets/sounds/)
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
SOUNDS = Path(__file__).resolve().parent.parent / "assets" / "sounds"

# A bell's overtones: (frequency ratio, loudness, how much faster than the fundamental it dies away).
# The slightly stretched upper ratios give the metallic ring of a struck bell rather than an organ tone.
BELL_PARTIALS = ((1.0, 1.0, 1.0), (2.0, 0.45, 1.6), (3.01, 0.2, 2.4), (4.2, 0.1, 3.5))
SOFT_PARTIALS = ((1.0, 1.0, 1.0), (2.0, 0.18, 2.0), (3.0, 0.05, 3.0))

E6, C6, G5 = 1318.51, 1046.50, 783.99


def note(frequency, seconds, partials, decay, attack=0.006, release=0.03):
    """One struck note: summed partials, each dying away exponentially. Raised-cosine ramps at both
    ends let the note start and stop without a click, even where the next note cuts it short."""
    count = round(seconds * RATE)
    samples = []
    for n in range(count):
        t = n / RATE
        tone = sum(level * math.exp(-t * speed / decay) * math.sin(2 * math.pi * frequency * ratio * t)
                   for ratio, level, speed in partials)
        samples.append(ramp(t, attack) * ramp((count - 1 - n) / RATE, release) * tone)
    return samples


def ramp(t, length):
    """Raised-cosine gain rising from 0 at t = 0 to 1 at t = length."""
    return 0.5 - 0.5 * math.cos(math.pi * t / length) if t < length else 1.0


def mix(length, placed):
    """Sum notes into a track `length` seconds long; `placed` holds (start second, samples) pairs."""
    track = [0.0] * round(length * RATE)
    for start, samples in placed:
        offset = round(start * RATE)
        for i, value in enumerate(samples[:len(track) - offset]):
            track[offset + i] += value
    return track


def finish(track, peak_dbfs, fade):
    """Scale to the given peak and fade the last `fade` seconds to silence, so the end cannot click."""
    scale = 10 ** (peak_dbfs / 20) / max(abs(value) for value in track)
    last = len(track) - 1
    return [value * scale * ramp((last - i) / RATE, fade) for i, value in enumerate(track)]


def write_wav(path, track):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack(f"<{len(track)}h", *(round(value * 32767) for value in track)))


def start_cue():
    """A soft rising two-note chime, about half a second."""
    first = note(G5, 0.45, SOFT_PARTIALS, decay=0.11, attack=0.008)
    second = note(C6, 0.36, SOFT_PARTIALS, decay=0.12, attack=0.008)
    return finish(mix(0.48, [(0.0, first), (0.11, second)]), peak_dbfs=-8, fade=0.05)


def alarm_cue():
    """Four bell-like ding-dongs, two seconds in all: clear enough to notice, gentle enough to hear twice."""
    ding = note(E6, 0.8, BELL_PARTIALS, decay=0.16)
    dong = note(C6, 0.8, BELL_PARTIALS, decay=0.2)
    pairs = [(start, ding) for start in (0.0, 0.5, 1.0, 1.5)] + [(start, dong) for start in (0.17, 0.67, 1.17, 1.67)]
    return finish(mix(2.0, pairs), peak_dbfs=-3, fade=0.06)


def make_all(folder):
    folder.mkdir(parents=True, exist_ok=True)
    write_wav(folder / "Clock.wav", start_cue())
    write_wav(folder / "Alarm.wav", alarm_cue())


if __name__ == "__main__":
    make_all(Path(sys.argv[1]) if len(sys.argv) > 1 else SOUNDS)
