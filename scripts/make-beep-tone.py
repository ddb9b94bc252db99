#!/usr/bin/env python3
"""Writes resources/beep.wav, the alarm's beep: a 150 ms tone at 880 Hz, faded in and out
so it does not click. Run again only to change the tone; the file is kept in git."""
import math
import pathlib
import struct
import wave

RATE = 22050
FREQUENCY = 880.0
LENGTH = 0.150
FADE = 0.010
VOLUME = 0.6

frames = bytearray()
count = int(RATE * LENGTH)
for i in range(count):
    t = i / RATE
    envelope = min(1.0, t / FADE, (LENGTH - t) / FADE)
    sample = VOLUME * envelope * math.sin(2 * math.pi * FREQUENCY * t)
    frames += struct.pack("<h", int(sample * 32767))

target = pathlib.Path(__file__).resolve().parent.parent / "resources" / "beep.wav"
with wave.open(str(target), "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(bytes(frames))
