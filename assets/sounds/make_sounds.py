#!/usr/bin/env python3
"""Synthesise the game's three sound effects into WAV files beside this script.

Run:  python3 make_sounds.py

The output is byte-for-byte reproducible (fixed random seeds, no timestamps in
WAV headers), so re-running only shows up in git when the recipe changes.
Standard library only, so anyone with Python 3 can rebuild the sounds.
"""

import math
import os
import random
import struct
import wave

RATE = 22050
PEAK_DBFS = -3.0
OUT_DIR = os.path.dirname(os.path.abspath(__file__))


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buf, samples, start_s):
    """Add samples to buf at start_s, clipping anything past the end."""
    off = int(round(start_s * RATE))
    for i, v in enumerate(samples):
        j = off + i
        if j >= len(buf):
            break
        buf[j] += v


def lowpass(samples, cutoff):
    # One-pole filter: gentle enough for noise shaping, and trivially stable.
    a = math.exp(-2.0 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for x in samples:
        y = (1.0 - a) * x + a * y
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [x - l for x, l in zip(samples, low)]


def bandpass(samples, lo, hi):
    return lowpass(highpass(samples, lo), hi)


def envelope(n, attack, decay_tau):
    """Linear attack then exponential decay, lengths in seconds."""
    att = max(1, int(attack * RATE))
    env = []
    for i in range(n):
        if i < att:
            env.append(i / att)
        else:
            env.append(math.exp(-(i - att) / (decay_tau * RATE)))
    return env


def fade(samples, fade_in=0.004, fade_out=0.03):
    # Short ramps at both ends so the clip never starts or stops on a step.
    n = len(samples)
    fi = max(1, int(fade_in * RATE))
    fo = max(1, int(fade_out * RATE))
    out = list(samples)
    for i in range(min(fi, n)):
        out[i] *= i / fi
    for i in range(min(fo, n)):
        out[n - 1 - i] *= i / fo
    return out


def remove_dc(samples):
    mean = sum(samples) / len(samples)
    return [s - mean for s in samples]


def normalise(samples, dbfs=PEAK_DBFS):
    peak = max(abs(s) for s in samples) or 1.0
    gain = (10.0 ** (dbfs / 20.0)) / peak
    return [s * gain for s in samples]


def write_wav(name, samples):
    samples = normalise(fade(remove_dc(samples)))
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(s * 32767)))))
        for s in samples
    )
    path = os.path.join(OUT_DIR, name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    return path


# --- water: a pour that splashes, with a few droplets popping afterwards ---

def droplet(freq_start, freq_end, length, rng):
    """A bubble 'blip': a sine whose pitch rises quickly, as air bubbles do."""
    n = int(length * RATE)
    out, phase = [], rng.random() * 2 * math.pi
    for i in range(n):
        t = i / n
        f = freq_start * (freq_end / freq_start) ** t
        phase += 2 * math.pi * f / RATE
        env = math.sin(math.pi * min(1.0, t * 4)) if t < 0.25 else math.exp(-(t - 0.25) * 6)
        out.append(math.sin(phase) * env)
    return out


def make_water():
    rng = random.Random(1701)
    buf = silence(0.62)

    # The pour itself: band-limited noise swelling and then trailing away.
    n = int(0.42 * RATE)
    noise = [rng.uniform(-1, 1) for _ in range(n)]
    hiss = bandpass(noise, 700, 3800)
    env = []
    for i in range(n):
        t = i / RATE
        rise = min(1.0, t / 0.05)
        env.append(rise * math.exp(-max(0.0, t - 0.08) / 0.12))
    mix_into(buf, [h * e * 1.4 for h, e in zip(hiss, env)], 0.0)

    # A couple of splashy bursts so it does not sound like plain static.
    for start, length, gain in ((0.02, 0.09, 1.0), (0.11, 0.07, 0.7), (0.19, 0.06, 0.45)):
        m = int(length * RATE)
        burst = bandpass([rng.uniform(-1, 1) for _ in range(m)], 400, 2600)
        e = envelope(m, 0.003, length / 3)
        mix_into(buf, [b * v * gain * 1.6 for b, v in zip(burst, e)], start)

    # Droplets landing in the soil / water after the pour.
    for start, f0, length, gain in (
        (0.16, 520, 0.05, 0.35),
        (0.27, 700, 0.045, 0.30),
        (0.35, 610, 0.05, 0.26),
        (0.44, 820, 0.04, 0.20),
        (0.51, 680, 0.04, 0.14),
    ):
        blip = droplet(f0, f0 * 2.1, length, rng)
        mix_into(buf, [b * gain for b in blip], start)

    return buf


# --- bell: a small bright bell ---

def make_bell():
    duration = 0.8
    n = int(duration * RATE)
    base = 1320.0
    # Ratios chosen off the harmonic series so it rings like metal, not a flute.
    partials = (
        (1.00, 1.00, 0.30),
        (2.32, 0.55, 0.18),
        (2.99, 0.40, 0.14),
        (4.16, 0.25, 0.09),
        (5.43, 0.15, 0.06),
        (0.50, 0.12, 0.40),  # soft hum under the strike
    )
    out = [0.0] * n
    for ratio, amp, tau in partials:
        f = base * ratio
        if f > RATE / 2 * 0.9:
            continue
        w = 2 * math.pi * f / RATE
        for i in range(n):
            out[i] += amp * math.sin(w * i) * math.exp(-i / (tau * RATE))
    # Tiny noisy tick for the clapper hitting the rim.
    rng = random.Random(42)
    tick_n = int(0.006 * RATE)
    tick = highpass([rng.uniform(-1, 1) for _ in range(tick_n)], 3000)
    for i, v in enumerate(tick):
        out[i] += v * 0.25 * (1 - i / tick_n)
    # Very short attack so the strike has an edge but no click.
    att = int(0.002 * RATE)
    for i in range(att):
        out[i] *= i / att
    return out


# --- tubo: a clay pot set down on a table ---

def make_tubo():
    rng = random.Random(7)
    duration = 0.36
    n = int(duration * RATE)
    out = [0.0] * n

    # Body of the pot: a low, heavily damped tone whose pitch sags slightly.
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = 145.0 + 40.0 * math.exp(-t / 0.03)
        phase += 2 * math.pi * f / RATE
        out[i] += math.sin(phase) * math.exp(-t / 0.07)
        out[i] += 0.35 * math.sin(phase * 2.63) * math.exp(-t / 0.035)

    # The hollow "clonk" of fired clay: a mid resonance, short-lived.
    for f, amp, tau in ((620.0, 0.35, 0.025), (1130.0, 0.18, 0.015)):
        w = 2 * math.pi * f / RATE
        for i in range(n):
            out[i] += amp * math.sin(w * i) * math.exp(-i / (tau * RATE))

    # Knock of the rim touching the table a moment later.
    knock_n = int(0.04 * RATE)
    knock = bandpass([rng.uniform(-1, 1) for _ in range(knock_n)], 300, 1800)
    env = envelope(knock_n, 0.001, 0.008)
    mix_into(out, [k * e * 1.2 for k, e in zip(knock, env)], 0.0)
    mix_into(out, [k * e * 0.5 for k, e in zip(knock, env)], 0.055)

    # Soft attack: a pot is put down, not dropped.
    att = int(0.003 * RATE)
    for i in range(att):
        out[i] *= i / att
    return out


def main():
    for name, maker in (("water.wav", make_water), ("bell.wav", make_bell), ("tubo.wav", make_tubo)):
        path = write_wav(name, maker())
        print(f"wrote {os.path.relpath(path)}")


if __name__ == "__main__":
    main()
