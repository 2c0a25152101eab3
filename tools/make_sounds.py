# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesise the four sound effects of vargo.

Makes data/vystrel.wav (submachine gun, levels 1-2), data/vystrel2.wav
(carbine, levels 3-4), data/vystrel3.wav (rifle, level 5) and data/reload.wav
(magazine out, magazine in, bolt pulled and released).

Every file is 16-bit signed PCM, mono, 44100 Hz, peaks at -1 dBFS, starts
from silence and fades to silence. Only the standard library is used and all
noise comes from seeded generators, so the output is the same on every run.

Run from the repository root:

    python3 tools/make_sounds.py
"""

import math
import os
import random
import struct
import wave

RATE = 44100
PEAK = 10.0 ** (-1.0 / 20.0)  # -1 dBFS
FADE_IN_S = 0.0004  # a few samples from zero: no click, still a hard attack


# ---------------------------------------------------------------- filters


def biquad(x, kind, freq, q=0.7071):
    """Second-order filter after the well-known audio EQ cookbook formulas."""
    w0 = 2.0 * math.pi * freq / RATE
    cw, sw = math.cos(w0), math.sin(w0)
    alpha = sw / (2.0 * q)
    if kind == "lowpass":
        b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
    elif kind == "highpass":
        b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
    elif kind == "bandpass":  # 0 dB gain at the centre
        b0, b1, b2 = alpha, 0.0, -alpha
    else:
        raise ValueError(kind)
    a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    b0, b1, b2, a1, a2 = b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0
    y = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, xi in enumerate(x):
        yi = b0 * xi + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, xi, y1, yi
        y[i] = yi
    return y


def band(x, low, high):
    """Band-limit with a two-stage high-pass and low-pass."""
    y = biquad(biquad(x, "highpass", low), "highpass", low)
    return biquad(biquad(y, "lowpass", high), "lowpass", high)


def room(x, rt60, size, wet):
    """Small Schroeder reverb: four parallel combs into two all-passes."""
    n = len(x)
    combs_ms = [29.7, 37.1, 41.1, 43.7]
    acc = [0.0] * n
    for ms in combs_ms:
        d = max(1, int(ms * size * RATE / 1000.0))
        g = 10.0 ** (-3.0 * d / (rt60 * RATE))
        buf = [0.0] * n
        damp = 0.0
        for i in range(n):
            back = buf[i - d] if i >= d else 0.0
            damp = 0.6 * back + 0.4 * damp  # darker with each pass
            buf[i] = x[i] + g * damp
        for i in range(n):
            acc[i] += buf[i]
    for ms, g in ((5.0, 0.7), (1.7, 0.7)):
        d = max(1, int(ms * RATE / 1000.0))
        out = [0.0] * n
        for i in range(n):
            xd = acc[i - d] if i >= d else 0.0
            yd = out[i - d] if i >= d else 0.0
            out[i] = -g * acc[i] + xd + g * yd
        acc = out
    scale = wet / len(combs_ms)
    return [a + scale * b for a, b in zip(x, acc)]


# ---------------------------------------------------------------- building blocks


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def add(dst, src, start_s, gain=1.0):
    """Mix src into dst from start_s on; whatever runs past the end is cut."""
    i0 = int(round(start_s * RATE))
    for i, v in enumerate(src):
        j = i0 + i
        if j >= len(dst):
            break
        dst[j] += gain * v


def noise(rng, seconds):
    return [rng.uniform(-1.0, 1.0) for _ in range(int(round(seconds * RATE)))]


def decay_env(n, attack_s, tau_s):
    """Linear rise over attack_s, then an exponential fall with time constant tau_s."""
    a = max(1, int(attack_s * RATE))
    env = []
    for i in range(n):
        if i < a:
            env.append(i / a)
        else:
            env.append(math.exp(-(i - a) / (tau_s * RATE)))
    return env


def shaped(x, env):
    return [a * b for a, b in zip(x, env)]


def thump(seconds, f_start, f_end, sweep_tau, amp_tau, attack_s=0.001):
    """A sine whose pitch falls from f_start to f_end: the low body of a blast."""
    n = int(round(seconds * RATE))
    env = decay_env(n, attack_s, amp_tau)
    out = [0.0] * n
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = f_end + (f_start - f_end) * math.exp(-t / sweep_tau)
        out[i] = math.sin(phase) * env[i]
        phase += 2.0 * math.pi * f / RATE
    return out


def ring(modes, seconds):
    """Damped sinusoids (freq Hz, tau s, amplitude): the ring of struck steel."""
    n = int(round(seconds * RATE))
    out = [0.0] * n
    for freq, tau, amp in modes:
        w = 2.0 * math.pi * freq / RATE
        k = 1.0 / (tau * RATE)
        for i in range(n):
            out[i] += amp * math.sin(w * i) * math.exp(-i * k)
    return out


def metal_click(rng, modes, tick_band=(2500.0, 12000.0), tick_tau=0.0012, tick_gain=0.8, seconds=0.09):
    """A metal part striking metal: a very short bright tick plus the part's ring."""
    n = int(round(seconds * RATE))
    tick = band(noise(rng, seconds), *tick_band)
    tick = shaped(tick, decay_env(n, 0.00008, tick_tau))
    tone = ring(modes, seconds)
    return [tick_gain * a + b for a, b in zip(tick, tone)]


def slide(rng, seconds, low, high, grain_hz, tick_rate, rise=0.3):
    """Steel sliding over steel: rough band noise with scattered tiny ticks."""
    n = int(round(seconds * RATE))
    raw = band(noise(rng, seconds), low, high)
    # a slowly wandering roughness, made by low-passing a second noise
    rough = biquad(biquad(noise(rng, seconds), "lowpass", grain_hz), "lowpass", grain_hz)
    rmax = max(abs(v) for v in rough) or 1.0
    out = [0.0] * n
    a = max(1, int(rise * n))
    for i in range(n):
        shape = i / a if i < a else 1.0 - 0.6 * (i - a) / max(1, n - a)
        shape *= math.sin(math.pi * i / n) ** 0.5  # rounded ends
        out[i] = raw[i] * shape * (0.45 + 0.55 * abs(rough[i]) / rmax)
    # burrs on the rails: sparse short ticks
    for i in range(n):
        if rng.random() < tick_rate / RATE:
            amp = rng.uniform(0.3, 1.0)
            for k in range(min(40, n - i)):
                out[i + k] += amp * rng.uniform(-1.0, 1.0) * math.exp(-k / 6.0) * 0.6
    return band(out, low * 0.8, high * 1.2)


# ---------------------------------------------------------------- finishing


def finish(x, fade_out_s):
    """Remove DC, fade in and out to exact silence, set the peak to -1 dBFS."""
    n = len(x)
    y = biquad(biquad(x, "highpass", 25.0), "highpass", 25.0)
    fi = max(1, int(FADE_IN_S * RATE))
    fo = max(1, int(fade_out_s * RATE))
    for i in range(n):
        g = 1.0
        if i < fi:
            g = i / fi
        if i >= n - fo:
            g *= 0.5 + 0.5 * math.cos(math.pi * (i - (n - fo) + 1) / fo)
        y[i] *= g
    # whatever mean is left goes with a window that is zero at both ends
    win = [math.sin(math.pi * i / (n - 1)) ** 2 for i in range(n)]
    m = sum(y) / n
    wm = sum(win) / n
    y = [v - m * w / wm for v, w in zip(y, win)]
    peak = max(abs(v) for v in y)
    return [v * PEAK / peak for v in y]


def write_wav(path, x):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(v * 32767.0))))) for v in x)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


# ---------------------------------------------------------------- the sounds


def gunshot(seed, length, crack, blast, body, tail, reverb, echo=None, action=None):
    """One shot: muzzle crack, blast noise, a falling low thump, a decaying tail and the room.

    crack  = (low Hz, high Hz, tau s, gain)    very fast attack, bright
    blast  = (low-pass Hz, tau s, gain)        the thick part of the report
    body   = (start Hz, end Hz, sweep tau s, amp tau s, gain)
    tail   = (low Hz, high Hz, delay s, tau s, gain)
    reverb = (rt60 s, size, wet)
    echo   = (delay s, low-pass Hz, gain)      a late slap from far walls
    action = (delay s, modes, gain)            the weapon's own mechanism
    """
    rng = random.Random(seed)
    out = silence(length)

    lo, hi, tau, gain = crack
    burst = band(noise(rng, length), lo, hi)
    add(out, shaped(burst, decay_env(len(burst), 0.0002, tau)), 0.0, gain)

    lp, tau, gain = blast
    b = noise(rng, length)
    b = biquad(biquad(b, "lowpass", lp), "lowpass", lp * 1.3)
    add(out, shaped(b, decay_env(len(b), 0.0008, tau)), 0.0, gain)

    f0, f1, sweep, amp_tau, gain = body
    add(out, thump(length, f0, f1, sweep, amp_tau), 0.0, gain)

    lo, hi, delay, tau, gain = tail
    t = band(noise(rng, length), lo, hi)
    n = len(t)
    d = int(delay * RATE)
    # the tail swells in behind the blast, then dies away
    env = [(i / d) ** 2 if i < d else math.exp(-(i - d) / (tau * RATE)) for i in range(n)]
    add(out, shaped(t, env), 0.0, gain)

    if action is not None:
        delay, modes, gain = action
        add(out, metal_click(rng, modes, tick_gain=0.5, seconds=0.05), delay, gain)

    if echo is not None:
        delay, lp, gain = echo
        e = biquad(biquad(out[:], "lowpass", lp), "lowpass", lp)
        add(out, e, delay, gain)

    rt, size, wet = reverb
    out = room(out, rt, size, wet)
    return out


def make_smg():
    """Light and bright, a quick snap with a short tail and the bolt cycling right after."""
    x = gunshot(
        seed=1101,
        length=0.30,
        crack=(1800.0, 9000.0, 0.0055, 1.0),
        blast=(2200.0, 0.012, 0.55),
        body=(210.0, 95.0, 0.012, 0.020, 0.55),
        tail=(900.0, 5000.0, 0.004, 0.045, 0.22),
        reverb=(0.22, 0.7, 0.22),
        action=(0.052, [(3400.0, 0.006, 0.16), (5300.0, 0.004, 0.10)], 1.0),
    )
    return finish(x, 0.06)


def make_carbine():
    """Heavier and lower than the submachine gun, a fuller blast and a longer room."""
    x = gunshot(
        seed=2202,
        length=0.44,
        crack=(1300.0, 7500.0, 0.0075, 0.85),
        blast=(1400.0, 0.026, 0.8),
        body=(150.0, 62.0, 0.020, 0.042, 0.95),
        tail=(500.0, 3500.0, 0.010, 0.085, 0.26),
        reverb=(0.38, 1.0, 0.3),
    )
    return finish(x, 0.09)


def make_rifle():
    """The biggest: a hard supersonic crack, a deep boom, a long tail and a far echo."""
    x = gunshot(
        seed=3303,
        length=0.58,
        crack=(2600.0, 12000.0, 0.0045, 1.0),
        blast=(850.0, 0.048, 1.0),
        body=(115.0, 44.0, 0.030, 0.075, 1.25),
        tail=(300.0, 2400.0, 0.018, 0.13, 0.3),
        reverb=(0.6, 1.35, 0.34),
        echo=(0.135, 1500.0, 0.22),
    )
    return finish(x, 0.12)


def make_reload():
    """Magazine out (catch click, slide, clink), magazine in (clack, latch), bolt back and home."""
    rng = random.Random(4404)
    out = silence(0.88)

    # magazine release: the catch is pressed, the magazine slides out of the well
    add(out, metal_click(rng, [(3100.0, 0.010, 0.35), (4870.0, 0.007, 0.22), (7250.0, 0.004, 0.12)],
                         tick_gain=0.6), 0.015, 1.0)
    add(out, slide(rng, 0.15, 1800.0, 6000.0, 60.0, 90.0), 0.040, 0.55)
    add(out, metal_click(rng, [(1950.0, 0.018, 0.30), (3320.0, 0.012, 0.20), (5150.0, 0.008, 0.12)],
                         tick_gain=0.4, seconds=0.10), 0.195, 0.85)

    # the fresh magazine goes in: a short slide, the clack of it seating, the latch
    add(out, slide(rng, 0.055, 1500.0, 5000.0, 90.0, 140.0, rise=0.6), 0.330, 0.45)
    clack = metal_click(rng, [(720.0, 0.016, 0.45), (1260.0, 0.013, 0.35), (2330.0, 0.010, 0.25),
                              (3910.0, 0.006, 0.15)],
                        tick_band=(800.0, 7000.0), tick_tau=0.0030, tick_gain=1.0, seconds=0.12)
    add(out, clack, 0.385, 1.0)
    add(out, thump(0.08, 190.0, 120.0, 0.01, 0.018), 0.385, 0.55)
    add(out, metal_click(rng, [(4300.0, 0.005, 0.25), (6600.0, 0.003, 0.12)], tick_gain=0.5, seconds=0.04),
        0.402, 0.35)

    # the bolt is pulled back (click, short run on the rails) ...
    add(out, metal_click(rng, [(2820.0, 0.008, 0.40), (4610.0, 0.006, 0.28), (6930.0, 0.004, 0.15)],
                         tick_gain=0.9, seconds=0.06), 0.585, 0.8)
    add(out, slide(rng, 0.050, 2200.0, 7000.0, 120.0, 200.0, rise=0.2), 0.592, 0.22)
    # ... and released: it slams home
    slam = metal_click(rng, [(1620.0, 0.022, 0.40), (2910.0, 0.016, 0.32), (4420.0, 0.010, 0.22),
                             (6610.0, 0.006, 0.12)],
                       tick_band=(1500.0, 11000.0), tick_tau=0.0016, tick_gain=1.1, seconds=0.14)
    add(out, slam, 0.700, 1.0)
    add(out, thump(0.07, 240.0, 150.0, 0.008, 0.014), 0.700, 0.35)

    out = room(out, 0.16, 0.45, 0.16)
    return finish(out, 0.05)


def main():
    os.makedirs("data", exist_ok=True)
    for name, make in (
        ("vystrel.wav", make_smg),
        ("vystrel2.wav", make_carbine),
        ("vystrel3.wav", make_rifle),
        ("reload.wav", make_reload),
    ):
        path = os.path.join("data", name)
        write_wav(path, make())
        print("wrote", path)


if __name__ == "__main__":
    main()
