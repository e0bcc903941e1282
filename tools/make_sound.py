#!/usr/bin/env python3
"""Writes the program's built-in alarm sound, res/sounds/AlarmSound.wav.

One second of 8 kHz, 8-bit mono PCM, made to be played in a loop: four short
beeps (a tone with its octave above for brightness, each with a soft attack
and release so that no beep clicks), then a pause. The pause closes the
second, so the loop joins on silence. Output is deterministic: the same
script always writes the same bytes.
Usage: make_sound.py [output file]   (default res/sounds/AlarmSound.wav)
"""
import math
import os
import struct
import sys

RATE = 8000          # samples a second
TONE = 1046.5        # C6: high enough to be heard through a door, not shrill
BEEP = 0.090         # seconds of each beep
GAP = 0.060          # seconds between the beeps of a group
BEEPS = 4
LENGTH = 1.0         # seconds of the whole pattern, pause included
RAMP = 0.008         # seconds of attack and of release
LEVEL = 0.75         # peak, as a share of full scale


def beep_sample(t):
    """The beep's value at t seconds from its start, in -1..1."""
    envelope = min(1.0, t / RAMP, (BEEP - t) / RAMP)
    wave = 0.8 * math.sin(2 * math.pi * TONE * t) + 0.2 * math.sin(4 * math.pi * TONE * t)
    return LEVEL * envelope * wave


def samples():
    out = []
    for i in range(int(RATE * LENGTH)):
        t = i / RATE
        value = 0.0
        for b in range(BEEPS):
            start = b * (BEEP + GAP)
            if start <= t < start + BEEP:
                value = beep_sample(t - start)
        # Unsigned 8-bit: silence is 128.
        out.append(max(0, min(255, 128 + round(127 * value))))
    return bytes(out)


def write_wave(path, data):
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)  # PCM, mono, 1 byte a sample
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\0"  # chunks are padded to an even length
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "sounds", "AlarmSound.wav")
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    write_wave(path, samples())


if __name__ == "__main__":
    main()
