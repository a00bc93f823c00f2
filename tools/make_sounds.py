#!/usr/bin/env python3
"""Synthesises the five sound cues into resources/sounds/cueN.wav.

Each cue is plain PCM in the format and length the program promises:
  1  mono   22050 Hz  8-bit  0.35 s  a key field starts listening (rising blip)
  2  mono   22050 Hz  8-bit  0.33 s  a key field locks (falling blip)
  3  stereo 22050 Hz 16-bit  1.10 s  a typed key name is refused (low buzz)
  4  stereo 22050 Hz  8-bit  0.30 s  a page opens, the script is saved (chime)
  5  mono   11025 Hz  8-bit  1.47 s  the about box is closed (soft bell)
Run it from anywhere; the output is deterministic, so the committed files
only change when this script does.
"""
import math
import os
import struct
import wave

CUES = {
    1: dict(channels=1, rate=22050, bits=8, seconds=0.35),
    2: dict(channels=1, rate=22050, bits=8, seconds=0.33),
    3: dict(channels=2, rate=22050, bits=16, seconds=1.10),
    4: dict(channels=2, rate=22050, bits=8, seconds=0.30),
    5: dict(channels=1, rate=11025, bits=8, seconds=1.47),
}


def envelope(t, length, attack=0.01, release=0.08):
    if t < attack:
        return t / attack
    if t > length - release:
        return max(0.0, (length - t) / release)
    return 1.0


def sample(cue, t, length, channel):
    if cue == 1:  # rising sine sweep 500 -> 1200 Hz
        f = 500 + 700 * t / length
        return 0.6 * math.sin(2 * math.pi * f * t) * envelope(t, length)
    if cue == 2:  # falling sweep 1100 -> 400 Hz, quick decay
        f = 1100 - 700 * t / length
        return 0.6 * math.sin(2 * math.pi * f * t) * math.exp(-5 * t) * envelope(t, length)
    if cue == 3:  # two detuned square-ish waves, a low refusal buzz
        f = 110 if channel == 0 else 112
        s = math.sin(2 * math.pi * f * t) + 0.3 * math.sin(2 * math.pi * 3 * f * t)
        return 0.35 * s * envelope(t, length, release=0.2)
    if cue == 4:  # two-note chime, the second note a fifth up, panned apart
        f = 880 if t < length / 2 else 1320
        pan = 0.8 if (channel == 0) == (t < length / 2) else 0.5
        return pan * 0.6 * math.sin(2 * math.pi * f * t) * envelope(t, length)
    if cue == 5:  # bell: fundamental plus an inharmonic partial, long decay
        s = math.sin(2 * math.pi * 660 * t) + 0.4 * math.sin(2 * math.pi * 660 * 2.76 * t)
        return 0.45 * s * math.exp(-2.5 * t) * envelope(t, length, release=0.15)
    raise ValueError(cue)


def render(cue, channels, rate, bits, seconds):
    frames = round(seconds * rate)
    out = bytearray()
    for n in range(frames):
        t = n / rate
        for ch in range(channels):
            v = max(-1.0, min(1.0, sample(cue, t, seconds, ch)))
            if bits == 8:
                out.append(int(round(128 + 127 * v)))
            else:
                out += struct.pack('<h', int(round(32767 * v)))
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, '..', 'resources', 'sounds')
    os.makedirs(target, exist_ok=True)
    for cue, fmt in CUES.items():
        path = os.path.join(target, 'cue%d.wav' % cue)
        with wave.open(path, 'wb') as w:
            w.setnchannels(fmt['channels'])
            w.setsampwidth(fmt['bits'] // 8)
            w.setframerate(fmt['rate'])
            w.writeframes(render(cue, **fmt))
        print(path)


if __name__ == '__main__':
    main()
