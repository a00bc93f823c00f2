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


def sweep(f0, f1, t, length):
    """Phase of a tone gliding linearly from f0 to f1 Hz over length seconds.

    The phase is the integral of the frequency; sin(2 pi f(t) t) would glide
    twice as fast and, falling, run through 0 Hz and back up.
    """
    return 2 * math.pi * (f0 * t + (f1 - f0) * t * t / (2 * length))


def note(freq, t, start, length, attack=0.005, release=0.02):
    """One note of a chime: silent outside [start, start + length], with
    its own fade in and out, so notes that meet join without a step."""
    u = t - start
    if u < 0 or u > length:
        return 0.0
    return math.sin(2 * math.pi * freq * u) * envelope(u, length, attack, release)


def sample(cue, t, length, channel):
    if cue == 1:  # rising sine sweep 500 -> 1200 Hz
        return 0.6 * math.sin(sweep(500, 1200, t, length)) * envelope(t, length)
    if cue == 2:  # falling sweep 1100 -> 400 Hz, quick decay
        return 0.6 * math.sin(sweep(1100, 400, t, length)) * math.exp(-5 * t) * \
            envelope(t, length)
    if cue == 3:  # two detuned square-ish waves, a low refusal buzz
        f = 110 if channel == 0 else 112
        s = math.sin(2 * math.pi * f * t) + 0.3 * math.sin(2 * math.pi * 3 * f * t)
        return 0.35 * s * envelope(t, length, release=0.2)
    if cue == 4:  # two-note chime, the second note a fifth up, panned apart
        half = length / 2
        first = (0.8 if channel == 0 else 0.5) * note(880, t, 0, half, attack=0.01)
        second = (0.5 if channel == 0 else 0.8) * note(1320, t, half, half, release=0.08)
        return 0.6 * (first + second)
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


def riff_wave(channels, rate, bits, data):
    """A complete RIFF WAVE image: the data chunk is followed by a pad byte
    when its length is odd, as RIFF requires of every chunk."""
    block = channels * bits // 8
    fmt = struct.pack('<HHIIHH', 1, channels, rate, rate * block, block, bits)
    pad = b'\0' if len(data) % 2 else b''
    body = (b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt +
            b'data' + struct.pack('<I', len(data)) + data + pad)
    return b'RIFF' + struct.pack('<I', len(body)) + body


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, '..', 'resources', 'sounds')
    os.makedirs(target, exist_ok=True)
    for cue, fmt in CUES.items():
        path = os.path.join(target, 'cue%d.wav' % cue)
        image = riff_wave(fmt['channels'], fmt['rate'], fmt['bits'], render(cue, **fmt))
        with open(path, 'wb') as out:
            out.write(image)
        print(path)


if __name__ == '__main__':
    main()
