#!/usr/bin/env python3
"""Makes the SuperText textures shipped in resources/Textures/.

Every texture is drawn here from noise and simple shapes, with Python's
standard library only, so the pictures are the project's own. Each one tiles
without a seam: the noise is periodic over the tile and shapes that cross an
edge come back in on the other side. The output is deterministic (fixed
seeds), so running the script again gives the same bytes.

    python3 scripts/make-textures.py [OUT_FOLDER]
"""
import math
import os
import random
import struct
import sys

SIZE = 128


def write_bmp(path, pixels, size=SIZE):
    """24-bit bottom-up BMP; pixels[y][x] = (r, g, b)."""
    row_bytes = size * 3
    pad = (4 - row_bytes % 4) % 4
    data = bytearray()
    for y in range(size - 1, -1, -1):
        for r, g, b in pixels[y]:
            data += bytes((b, g, r))
        data += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


class PeriodicNoise:
    """Smooth value noise that repeats every SIZE pixels."""

    def __init__(self, seed, cells):
        rng = random.Random(seed)
        self.cells = cells
        self.grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(self, x, y):
        fx = x * self.cells / SIZE
        fy = y * self.cells / SIZE
        x0, y0 = int(math.floor(fx)), int(math.floor(fy))
        tx, ty = fx - x0, fy - y0
        sx, sy = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        c = self.cells
        g = self.grid
        a = g[y0 % c][x0 % c] + (g[y0 % c][(x0 + 1) % c] - g[y0 % c][x0 % c]) * sx
        b = g[(y0 + 1) % c][x0 % c] + (g[(y0 + 1) % c][(x0 + 1) % c] - g[(y0 + 1) % c][x0 % c]) * sx
        return a + (b - a) * sy


def fractal(seed, octaves=4, base=4):
    layers = [PeriodicNoise(seed + i, base << i) for i in range(octaves)]

    def at(x, y):
        total, weight, amp = 0.0, 0.0, 1.0
        for layer in layers:
            total += layer.at(x, y) * amp
            weight += amp
            amp *= 0.5
        return total / weight

    return at


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(c1, c2, t):
    return tuple(clamp(a + (b - a) * t) for a, b in zip(c1, c2))


def image(fn):
    return [[fn(x, y) for x in range(SIZE)] for y in range(SIZE)]


def paper():
    n = fractal(11, 4, 8)
    grain = random.Random(12)
    speck = [[grain.random() for _ in range(SIZE)] for _ in range(SIZE)]
    return image(lambda x, y: mix((236, 233, 224), (250, 249, 244), n(x, y) * 0.8 + speck[y][x] * 0.2))


def parchment():
    n = fractal(21, 5, 2)
    return image(lambda x, y: mix((196, 164, 112), (244, 226, 184), n(x, y) ** 1.3))


def wood():
    n = fractal(31, 3, 2)

    def at(x, y):
        # Rings run along x; the whole pattern repeats over the tile.
        v = y / SIZE * 6 + n(x, y) * 2.5
        ring = (math.sin(2 * math.pi * v) + 1) / 2
        return mix((110, 62, 28), (176, 112, 58), ring ** 0.7)

    return image(at)


def marble():
    n = fractal(41, 5, 2)

    def at(x, y):
        v = (x + y) / SIZE * 2 + n(x, y) * 3
        vein = abs(math.sin(math.pi * v)) ** 0.35
        return mix((96, 100, 110), (238, 238, 242), vein)

    return image(at)


def denim():
    n = fractal(51, 3, 16)

    def at(x, y):
        twill = (x + 2 * y) % 4  # diagonal weave, 4 divides the tile size
        t = 0.45 + 0.25 * (twill < 2) + 0.3 * n(x, y)
        return mix((28, 48, 92), (120, 148, 196), t)

    return image(at)


def brushed_metal():
    rng = random.Random(61)
    streak = [rng.random() for _ in range(SIZE)]
    n = fractal(62, 3, 4)

    def at(x, y):
        # Streaks run along x: smooth each row's value over its neighbours.
        s = (streak[y] * 2 + streak[(y - 1) % SIZE] + streak[(y + 1) % SIZE]) / 4
        return mix((150, 154, 160), (222, 226, 232), s * 0.75 + n(x, y) * 0.25)

    return image(at)


def stars():
    rng = random.Random(71)
    sky = fractal(72, 3, 2)
    pixels = image(lambda x, y: mix((8, 10, 40), (30, 24, 80), sky(x, y)))
    for _ in range(90):
        cx, cy = rng.randrange(SIZE), rng.randrange(SIZE)
        bright = rng.random()
        radius = 1 if bright < 0.85 else 2
        for dy in range(-radius, radius + 1):
            for dx in range(-radius, radius + 1):
                d = abs(dx) + abs(dy)
                if d > radius:
                    continue
                x, y = (cx + dx) % SIZE, (cy + dy) % SIZE
                glow = (1 - d / (radius + 1)) * (0.5 + 0.5 * bright)
                pixels[y][x] = mix(pixels[y][x], (255, 250, 220), glow)
    return pixels


def confetti():
    rng = random.Random(81)
    colours = [(230, 40, 60), (250, 200, 30), (40, 170, 80), (40, 110, 220), (200, 60, 200), (250, 130, 30)]
    pixels = image(lambda x, y: (252, 250, 246))
    for _ in range(140):
        cx, cy = rng.randrange(SIZE), rng.randrange(SIZE)
        w, h = rng.randint(2, 5), rng.randint(5, 9)
        angle = rng.random() * math.pi
        ca, sa = math.cos(angle), math.sin(angle)
        colour = rng.choice(colours)
        for dy in range(-8, 9):
            for dx in range(-8, 9):
                u = dx * ca + dy * sa
                v = -dx * sa + dy * ca
                if abs(u) <= w / 2 and abs(v) <= h / 2:
                    pixels[(cy + dy) % SIZE][(cx + dx) % SIZE] = colour
    return pixels


TEXTURES = {
    "Paper": paper,
    "Parchment": parchment,
    "Wood": wood,
    "Marble": marble,
    "Denim": denim,
    "Brushed Metal": brushed_metal,
    "Stars": stars,
    "Confetti": confetti,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "Textures")
    os.makedirs(out, exist_ok=True)
    for name, make in TEXTURES.items():
        write_bmp(os.path.join(out, name + ".bmp"), make())
        print(os.path.join(out, name + ".bmp"))


if __name__ == "__main__":
    main()
