#!/usr/bin/env python3
"""Writes the SVG sources of the bundled clip art to resources/clipart-src/.

One function per picture, named as the file is; the shapes and the style
they share are in clipart_shapes.py. The SVGs are then exported with
scripts/export-metafiles.sh clipart.

    python3 scripts/make-clipart-svgs.py
"""
import math
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from clipart_shapes import *  # noqa: E402,F401,F403

OUT = os.path.join(os.path.dirname(__file__), '..', 'resources', 'clipart-src')
PICTURES = {}


def picture(name):
    def register(fn):
        PICTURES[name] = fn
        return fn
    return register


# ---------------------------------------------------------------- weather

def sun_at(cx, cy, r, face=True):
    # A small sun gets thinner ink and longer rays, or its rays drown in ink.
    small = r < 30
    sw = max(2.5, r * 0.17) if small else SW
    reach = 1.9 if small else 1.68
    b = ''
    for k in range(12):
        a = math.radians(k * 30)
        spread = math.radians(13 if small else 10)
        b += poly([(cx + r * 1.16 * math.cos(a - spread), cy + r * 1.16 * math.sin(a - spread)),
                   (cx + r * reach * math.cos(a), cy + r * reach * math.sin(a)),
                   (cx + r * 1.16 * math.cos(a + spread), cy + r * 1.16 * math.sin(a + spread))], ORANGE, INK, sw)
    b += circle(cx, cy, r, YELLOW, INK, sw)
    b += ellipse(cx - r * 0.35, cy - r * 0.4, r * 0.3, r * 0.17, lighten(YELLOW, 0.6), None, rot=-35)
    if face:
        b += circle(cx - r * 0.32, cy - r * 0.05, r * 0.08, INK, None)
        b += circle(cx + r * 0.32, cy - r * 0.05, r * 0.08, INK, None)
        b += ellipse(cx - r * 0.55, cy + r * 0.25, r * 0.13, r * 0.08, lighten(RED, 0.3), None)
        b += ellipse(cx + r * 0.55, cy + r * 0.25, r * 0.13, r * 0.08, lighten(RED, 0.3), None)
        b += path(f'M {cx - r * 0.3:.1f},{cy + r * 0.22:.1f} Q {cx:.1f},{cy + r * 0.55:.1f} '
                  f'{cx + r * 0.3:.1f},{cy + r * 0.22:.1f}', None, INK, SW * 0.8)
    return b


@picture('Sun')
def _():
    return sun_at(96, 96, 50)


@picture('Cloud')
def _():
    return cloud(84, 84, 1.3) + cloud(126, 150, 0.75, lighten(SKY, 0.3))


@picture('Rain')
def _():
    b = cloud(92, 72, 1.15, '#d9e2ec')
    for x, y in ((52, 132), (92, 146), (132, 132), (72, 176), (114, 178)):
        b += teardrop(x, y, 8, BLUE)
    return b


@picture('Thunderstorm')
def _():
    b = cloud(92, 70, 1.15, '#8f9aab')
    b += poly([(98, 96), (70, 140), (94, 140), (80, 184), (130, 122), (104, 122), (120, 96)], YELLOW)
    for x, y in ((44, 128), (150, 130)):
        b += teardrop(x, y, 7, BLUE)
    return b


@picture('Snowflake')
def _():
    arms = []
    for k in range(6):
        a = math.radians(k * 60 - 90)
        c, s = math.cos(a), math.sin(a)

        def at(r, side=0.0, off=0.0):
            return (96 + r * c - side * s * off, 96 + r * s + side * c * off)
        arms.append([(96, 96), at(78)])
        for r0, lb in ((36, 26), (58, 17)):
            for side in (-1, 1):
                b = math.radians(k * 60 - 90 + side * 45)
                arms.append([at(r0), (96 + r0 * c + lb * math.cos(b), 96 + r0 * s + lb * math.sin(b))])
    return strokes(arms, '#8fd0f5', 8) + poly(ngon(96, 96, 14, 6, math.radians(30)), WHITE, INK, 3)


@picture('Rainbow')
def _():
    cx, cy = 96, 134
    b = ''
    colours = [RED, ORANGE, YELLOW, GREEN, BLUE, PURPLE]
    for i, col in enumerate(colours):
        ro, ri = 86 - 11 * i, 75 - 11 * i
        b += path(f'M {cx - ro},{cy} A {ro} {ro} 0 0 1 {cx + ro},{cy} L {cx + ri},{cy} '
                  f'A {ri} {ri} 0 0 0 {cx - ri},{cy} Z', col, INK, 3)
    b += cloud(30, 134, 0.42) + cloud(158, 134, 0.42)
    return b


def umbrella(cx, top, half, colours, handle=True):
    """An open umbrella: apex at (cx, top), rim half wide, rim 70 below the apex."""
    rim = top + 70
    n = len(colours)
    xs = [cx - half + 2 * half * i / n for i in range(n + 1)]
    b = line([(cx, top), (cx, top - 14)], INK, 6)
    if handle:
        b += curve(f'M {cx},{rim - 10} L {cx},{rim + 68} A 13 13 0 0 1 {cx - 26},{rim + 68}', BROWN, 6)
    for i, col in enumerate(colours):
        x0, x1 = xs[i], xs[i + 1]
        c0 = (cx + (x0 - cx) * 1.02, top + 6)
        c1 = (cx + (x1 - cx) * 1.02, top + 6)
        d = (f'M {cx},{top} Q {c0[0]:.1f},{c0[1]:.1f} {x0:.1f},{rim} '
             f'A {half / n * 1.1:.1f} {12} 0 0 1 {x1:.1f},{rim} Q {c1[0]:.1f},{c1[1]:.1f} {cx},{top} Z')
        b += path(d, col)
    b += circle(cx, top, 5, INK, None)
    return b


@picture('Umbrella')
def _():
    b = umbrella(96, 34, 78, [RED, WHITE, RED, WHITE, RED])
    for x, y in ((22, 52), (172, 60), (30, 150), (160, 150)):
        b += teardrop(x, y, 6, BLUE)
    return b


@picture('Partly Cloudy')
def _():
    return sun_at(120, 70, 36, face=False) + cloud(80, 122, 1.0)


@picture('Thermometer')
def _():
    b = rect(78, 18, 36, 130, WHITE, 18)
    b += circle(96, 152, 26, RED)
    b += rect(88, 62, 16, 92, RED, 8, None)
    b += circle(96, 152, 26, None)
    for i in range(6):
        y = 36 + i * 18
        b += line([(114, y), (128 if i % 2 == 0 else 122, y)], INK, 4)
    b += ellipse(88, 146, 6, 9, lighten(RED, 0.5), None, rot=30)
    b += sun_at(40, 46, 16, face=False)
    b += star(150, 140, 14, SKY, 0.4, 6, stroke=INK, sw=3)
    return b


@picture('Kite')
def _():
    top, right, bottom, left, mid = (112, 14), (164, 62), (112, 126), (60, 62), (112, 62)
    b = curve('M 112,126 C 96,150 120,160 96,176 C 80,186 60,176 48,184', INK, 2, 0)
    for x, y, r in ((104, 150, 18), (88, 178, 0), (62, 178, -20)):
        bow = [(x - 10, y - 6), (x, y), (x - 10, y + 6)], [(x + 10, y - 6), (x, y), (x + 10, y + 6)]
        b += group(poly(bow[0], RED, INK, 3) + poly(bow[1], RED, INK, 3), f'rotate({r} {x} {y})')
    b += poly([top, mid, left], RED) + poly([top, right, mid], YELLOW)
    b += poly([left, mid, bottom], BLUE) + poly([mid, right, bottom], GREEN)
    b += poly([top, right, bottom, left], None)
    return b


# ------------------------------------------------------ holidays and seasons

@picture('Christmas Tree')
def _():
    b = rect(80, 146, 32, 30, BROWN, 4)
    b += poly([(96, 80), (166, 152), (26, 152)], GREEN)
    b += poly([(96, 48), (150, 112), (42, 112)], GREEN)
    b += poly([(96, 22), (134, 74), (58, 74)], GREEN)
    b += line([(62, 136), (104, 118), (138, 128)], RED, 4)
    b += line([(70, 98), (100, 88), (124, 96)], RED, 4)
    for x, y, c in ((80, 62, RED), (112, 66, BLUE), (70, 104, YELLOW), (124, 106, RED), (96, 100, PURPLE),
                    (52, 142, BLUE), (92, 136, YELLOW), (140, 142, PURPLE), (118, 128, BLUE), (72, 126, RED)):
        b += circle(x, y, 6.5, c, INK, 3)
    b += star(96, 24, 20, YELLOW)
    return b


@picture('Snowman')
def _():
    b = strokes([[(70, 96), (36, 74)], [(44, 79), (34, 86)], [(122, 96), (156, 72)], [(148, 77), (154, 64)]],
                BROWN, 4)
    b += circle(96, 146, 40, WHITE) + circle(96, 98, 31, WHITE) + circle(96, 58, 23, WHITE)
    b += path('M 70,74 Q 96,86 122,74 L 124,84 Q 96,96 68,84 Z', RED)
    b += path('M 108,84 L 118,118 L 104,120 L 98,88 Z', RED)
    b += rect(79, 8, 34, 30, '#3a3a4a', 3) + rect(68, 34, 56, 8, '#3a3a4a', 3)
    b += rect(79, 26, 34, 7, RED, 0, None)
    b += circle(88, 54, 3.4, INK, None) + circle(104, 54, 3.4, INK, None)
    b += poly([(96, 60), (120, 65), (96, 67)], ORANGE, INK, 3)
    for y in (104, 120, 140):
        b += circle(96, y, 4.2, '#3a3a4a', None)
    return b


@picture('Candy Cane')
def _():
    centre = [(58, 78)]
    centre += [(84 - 26 * math.cos(math.radians(a)), 60 - 26 * math.sin(math.radians(a)) + 18 * 0)
               for a in range(0, 181, 6)]
    centre = [(58, 80)] + [(84 - 26 * math.cos(math.radians(a)), 60 - 26 * math.sin(math.radians(a)))
                           for a in range(0, 181, 6)] + [(110, 176)]
    width = 24
    b = line(centre, INK, width + 2 * SW)
    total = length(centre)
    stripe = 13
    s, k = 0.0, 0
    while s < total:
        b += poly(along(centre, width, s, min(s + stripe, total)), RED if k % 2 == 0 else WHITE, None, 0)
        s += stripe
        k += 1
    b += group(leaf(0, 0, 40, 22, -160, LEAF) + leaf(0, 0, 40, 22, -110, LEAF), 'translate(112,118)')
    b += circle(110, 118, 7, RED, INK, 3) + circle(122, 124, 7, RED, INK, 3)
    b += ellipse(98, 42, 7, 3, lighten(RED, 0.7), None, rot=-30)
    return b


def holly_leaf(x, y, rot, fill=LEAF, size=1.0):
    pts_ = []
    n = 4
    for side in (1, -1):
        for k in range(n * 2 + 1):
            t = k / (2 * n)
            w = 18 * size * math.sin(math.pi * t) * (1.0 if k % 2 == 1 else 0.62)
            pts_.append((side * w, -70 * size * t))
    pts_ = pts_[:2 * n + 1] + pts_[2 * n + 1:][::-1]
    body = poly(pts_, fill) + line([(0, -6 * size), (0, -60 * size)], darken(fill, 0.3), 3)
    return group(body, f'translate({x},{y}) rotate({rot})')


@picture('Holly')
def _():
    b = (holly_leaf(96, 92, -58, LEAF, 1.35) + holly_leaf(96, 92, 58, GREEN, 1.35)
         + holly_leaf(96, 100, 170, GREEN, 1.25))
    for x, y in ((83, 80), (109, 78), (96, 100)):
        b += circle(x, y, 16, RED)
        b += circle(x - 5, y - 5, 4.5, lighten(RED, 0.6), None)
    return b


def bell(cx, cy, rot, fill=GOLD):
    d = ('M -30,30 C -26,20 -24,8 -24,-4 C -24,-26 -14,-38 0,-38 C 14,-38 24,-26 24,-4 '
         'C 24,8 26,20 30,30 Z')
    body = circle(0, 36, 9, darken(fill, 0.2)) + path(d, fill)
    body += rect(-34, 26, 68, 10, darken(fill, 0.15), 5)
    body += path('M -14,-20 C -16,-8 -17,4 -18,18', None, lighten(fill, 0.6), 5)
    return group(body, f'translate({cx},{cy}) rotate({rot})')


@picture('Bells')
def _():
    b = bell(64, 104, 18) + bell(128, 104, -18)
    b += path('M 92,48 C 70,20 52,36 60,54 C 66,64 84,58 92,48 Z', RED)
    b += path('M 100,48 C 122,20 140,36 132,54 C 126,64 108,58 100,48 Z', RED)
    b += path('M 92,52 L 76,86 L 86,82 L 90,94 L 96,56 Z', RED)
    b += path('M 100,52 L 116,86 L 106,82 L 102,94 L 96,56 Z', RED)
    b += circle(96, 50, 10, darken(RED, 0.15))
    return b


def gift(x, y, w, h, box, ribbon, lid=True):
    b = rect(x, y + 22, w, h - 22, box, 4)
    b += rect(x + w / 2 - 10, y + 22, 20, h - 22, ribbon, 0)
    if lid:
        b += rect(x - 8, y, w + 16, 26, lighten(box, 0.25), 5)
        b += rect(x + w / 2 - 10, y, 20, 26, ribbon, 0)
    cx = x + w / 2
    b += path(f'M {cx},{y} C {cx - 10},{y - 30} {cx - 46},{y - 34} {cx - 40},{y - 12} '
              f'C {cx - 36},{y} {cx - 14},{y} {cx},{y} Z', ribbon)
    b += path(f'M {cx},{y} C {cx + 10},{y - 30} {cx + 46},{y - 34} {cx + 40},{y - 12} '
              f'C {cx + 36},{y} {cx + 14},{y} {cx},{y} Z', ribbon)
    b += ellipse(cx, y - 2, 10, 8, darken(ribbon, 0.15))
    return b


@picture('Gift')
def _():
    b = gift(40, 72, 112, 100, BLUE, YELLOW)
    for x, y, c in ((58, 120, WHITE), (130, 150, WHITE), (66, 156, lighten(BLUE, 0.5)), (136, 116, lighten(BLUE, 0.5))):
        b += star(x, y, 7, c, 0.45, 5, stroke=None, sw=0)
    return b


@picture('Jack-o-Lantern')
def _():
    b = path('M 90,50 C 88,36 92,24 102,16 L 110,22 C 102,30 100,40 102,52 Z', DKGREEN)
    b += leaf(108, 30, 34, 20, -20, LEAF, veins=False)
    b += ellipse(58, 112, 38, 56, ORANGE) + ellipse(134, 112, 38, 56, ORANGE)
    b += ellipse(96, 110, 40, 62, ORANGE)
    b += poly([(62, 92), (84, 92), (73, 72)], YELLOW, INK, 4) + poly([(108, 92), (130, 92), (119, 72)], YELLOW, INK, 4)
    b += poly([(90, 104), (102, 104), (96, 114)], YELLOW, INK, 4)
    b += poly([(52, 124), (64, 130), (72, 124), (84, 138), (96, 128), (108, 138), (120, 124), (128, 130),
               (140, 124), (132, 146), (116, 156), (96, 160), (76, 156), (60, 146)], YELLOW, INK, 4)
    b += ellipse(40, 96, 6, 14, lighten(ORANGE, 0.5), None, rot=10)
    return b


def egg_outline(b=50, a=36, k=0.16, n=80):
    out = []
    for i in range(n):
        t = 2 * math.pi * i / n
        out.append((a * math.sin(t) * (1 - k * math.cos(t)), -b * math.cos(t)))
    return out


def egg_half_width(y, b=50, a=36, k=0.16):
    c = -y / b
    return a * math.sqrt(max(0.0, 1 - c * c)) * (1 - k * c)


def egg(x, y, rot, shell, band, dots):
    outline = egg_outline()
    body = poly(outline, shell)
    window = inset(outline, 3)
    zig = [(-40 + 8 * i, -6 + (6 if i % 2 else -6)) for i in range(11)]
    zag = [(40 - 8 * i, 12 + (6 if i % 2 else -6)) for i in range(11)]
    body += poly(clip(zig + zag, window), band, None, 0)
    body += line(clip_line((-40, -26), (40, -26), window), INK, 3)
    for dx, dy in ((-16, 30), (0, 34), (16, 30), (-8, -38), (8, -38), (0, 22)):
        if abs(dx) + 6 < egg_half_width(dy) - 2:
            body += circle(dx, dy, 4.5, dots, None)
    body += ellipse(-14, -22, 6, 10, lighten(shell, 0.55), None, rot=20)
    return group(body, f'translate({x},{y}) rotate({rot})')


@picture('Easter Eggs')
def _():
    b = path('M 14,160 Q 96,140 178,160 L 178,176 L 14,176 Z', GREEN)
    b += egg(70, 104, -14, PINK, BLUE, YELLOW) + egg(130, 114, 12, SKY, YELLOW, PINK)
    for x in range(22, 178, 14):
        b += line([(x, 164), (x + 4, 150)], DKGREEN, 4)
    return b


@picture('Easter Chick')
def _():
    b = circle(96, 92, 50, YELLOW)
    b += ellipse(64, 44, 6, 14, YELLOW, INK, 4, rot=-30) + ellipse(78, 40, 6, 16, YELLOW, INK, 4, rot=-8)
    b += circle(96, 92, 50, YELLOW, None) + ellipse(96, 92, 50, 50, None)
    b += ellipse(140, 108, 16, 22, GOLD, INK, 4, rot=30)
    b += circle(80, 78, 5.5, INK, None) + circle(112, 78, 5.5, INK, None)
    b += circle(82, 76, 1.8, WHITE, None) + circle(114, 76, 1.8, WHITE, None)
    b += poly([(88, 92), (104, 92), (96, 104)], ORANGE, INK, 3)
    b += ellipse(68, 96, 8, 5, lighten(RED, 0.5), None) + ellipse(124, 96, 8, 5, lighten(RED, 0.5), None)
    shell = [(30, 118), (42, 130), (54, 116), (66, 132), (80, 116), (96, 132), (112, 116), (126, 132),
             (138, 116), (150, 130), (162, 118)]
    shell += [(162 - 132 * (1 - math.cos(math.radians(a))) / 2, 118 + 60 * math.sin(math.radians(a)))
              for a in range(0, 181, 10)]
    b += poly(shell, WHITE)
    b += ellipse(70, 154, 10, 5, GREY, None, rot=20)
    return b


HEART = ('M 0,54 C -40,28 -62,6 -62,-18 C -62,-40 -46,-54 -28,-54 C -14,-54 -4,-46 0,-36 '
         'C 4,-46 14,-54 28,-54 C 46,-54 62,-40 62,-18 C 62,6 40,28 0,54 Z')


def heart(x, y, s, rot, fill, highlight=True):
    body = path(HEART, fill, INK, SW / s)
    if highlight:
        body += ellipse(-34, -26, 11, 7, lighten(fill, 0.6), None, rot=-40)
    return group(body, f'translate({x},{y}) rotate({rot}) scale({s})')


@picture('Hearts')
def _():
    b = heart(132, 72, 0.62, 16, PINK) + heart(86, 112, 1.0, -8, RED)
    for x, y in ((30, 44), (160, 150), (150, 28)):
        b += star(x, y, 9, YELLOW, 0.35, 4, stroke=INK, sw=2.5)
    return b


@picture('Shamrock')
def _():
    b = curve('M 96,100 C 100,130 112,152 132,174', DKGREEN, 9)
    for rot in (0, 120, 240):
        body = path('M 0,0 C -30,-14 -44,-40 -30,-56 C -20,-66 -6,-62 0,-50 '
                    'C 6,-62 20,-66 30,-56 C 44,-40 30,-14 0,0 Z', GREEN)
        body += line([(0, -8), (0, -42)], lighten(GREEN, 0.5), 3)
        b += group(body, f'translate(96,94) rotate({rot})')
    b += circle(96, 94, 5, DKGREEN, None)
    return b


def burst(cx, cy, r, colour, rays=12):
    b = ''
    for k in range(rays):
        a = math.radians(k * 360 / rays + 8)
        c, s = math.cos(a), math.sin(a)
        w = r * 0.11
        b += poly([(cx + r * 0.3 * c - w * s, cy + r * 0.3 * s + w * c), (cx + r * c, cy + r * s),
                   (cx + r * 0.3 * c + w * s, cy + r * 0.3 * s - w * c)], colour, INK, 2)
        b += circle(cx + r * 1.14 * c, cy + r * 1.14 * s, max(r * 0.07, 2.5), colour, INK, 1.5)
    return b + circle(cx, cy, r * 0.16, lighten(colour, 0.5), INK, 3)


@picture('Fireworks')
def _():
    b = burst(64, 62, 48, RED) + burst(136, 90, 42, BLUE) + burst(76, 146, 32, YELLOW) + burst(152, 164, 18, PURPLE)
    for x, y in ((150, 26), (24, 120), (120, 152)):
        b += star(x, y, 8, YELLOW, 0.35, 4, stroke=INK, sw=2.5)
    return b


def bunting(x0, x1, y, sag, colours):
    n = len(colours)
    string = [(x0 + (x1 - x0) * t / 40, y + sag * 4 * (t / 40) * (1 - t / 40)) for t in range(41)]
    b = line(string, INK, 3)
    for i, col in enumerate(colours):
        t0, t1 = (i + 0.15) / n, (i + 0.85) / n
        p0 = (x0 + (x1 - x0) * t0, y + sag * 4 * t0 * (1 - t0))
        p1 = (x0 + (x1 - x0) * t1, y + sag * 4 * t1 * (1 - t1))
        tip = ((p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2 + 40)
        b += poly([p0, p1, tip], col, INK, 4)
        b += circle((p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2 + 12, 3.5, WHITE, None)
    return b


@picture('Bunting')
def _():
    return (bunting(6, 186, 24, 30, [RED, YELLOW, BLUE, GREEN, PINK, PURPLE])
            + bunting(6, 186, 100, 30, [ORANGE, TEAL, RED, YELLOW, BLUE]))


def tulip(x, y, rot, colour):
    body = ('M -20,0 C -24,-20 -18,-36 -12,-40 L -5,-24 L 0,-42 L 5,-24 L 12,-40 '
            'C 18,-36 24,-20 20,0 C 16,14 -16,14 -20,0 Z')
    inner = 'M -4,-22 L 0,-40 L 4,-22 C 8,-6 -8,-6 -4,-22 Z'
    return group(path(body, colour) + path(inner, darken(colour, 0.15), INK, 3),
                 f'translate({x},{y}) rotate({rot})')


@picture('Tulips')
def _():
    b = curve('M 96,176 C 96,130 96,100 96,70', DKGREEN, 7)
    b += curve('M 92,176 C 86,140 66,110 52,92', DKGREEN, 7)
    b += curve('M 100,176 C 108,140 128,116 142,98', DKGREEN, 7)
    b += leaf(84, 176, 70, 26, -118, LEAF, veins=False) + leaf(108, 176, 64, 24, -60, LEAF, veins=False)
    b += tulip(52, 92, -22, RED) + tulip(142, 98, 20, YELLOW) + tulip(96, 68, 0, PINK)
    return b


@picture('Autumn Leaves')
def _():
    b = line([(96, 150), (100, 184)], DKBROWN, 5)
    b += leaf(62, 112, 92, 58, -120, ORANGE) + leaf(132, 104, 86, 56, -60, RED) + leaf(96, 152, 104, 66, -92, GOLD)
    return b


def acorn(x, y, rot):
    body = path('M -24,0 C -26,26 -12,46 0,52 C 12,46 26,26 24,0 Z', TAN)
    body += path('M -30,2 C -32,-20 -16,-30 0,-30 C 16,-30 32,-20 30,2 C 20,8 -20,8 -30,2 Z', BROWN)
    for k in (-16, -4, 8, 20):
        body += line([(k - 2, -24), (k + 6, 2)], DKBROWN, 2.5)
    body += line([(0, -30), (4, -44)], DKBROWN, 6)
    body += ellipse(-10, 22, 5, 10, lighten(TAN, 0.5), None)
    return group(body, f'translate({x},{y}) rotate({rot})')


@picture('Acorns')
def _():
    b = leaf(100, 98, 92, 56, -40, LEAF)
    b += acorn(66, 106, -18) + acorn(120, 128, 14)
    return b


@picture('Beach Umbrella')
def _():
    b = path('M 0,150 Q 96,128 192,150 L 192,184 L 0,184 Z', TAN)
    b += group(umbrella(96, 40, 80, [RED, WHITE, TEAL, WHITE, RED], handle=False)
               + line([(96, 100), (96, 170)], INK, 8) + line([(96, 100), (96, 170)], WHITE, 3), 'rotate(-12 96 150)')
    b += circle(150, 150, 18, WHITE)
    b += path('M 150,132 C 140,140 140,160 150,168 C 160,160 160,140 150,132 Z', RED, INK, 3)
    b += path('M 132,150 C 140,146 160,146 168,150', None, BLUE, 4)
    b += sun_at(34, 36, 14, face=False)
    return b


@picture('Candles')
def _():
    b = ''
    for x, top, c in ((52, 84, RED), (96, 60, CREAM), (140, 96, RED)):
        b += rect(x - 16, top, 32, 162 - top, c, 4)
        b += path(f'M {x - 16},{top + 8} Q {x - 10},{top + 24} {x - 4},{top + 8}', None, lighten(c, 0.5), 4)
        b += line([(x, top), (x, top - 8)], INK, 3)
        b += flame(x, top - 6, 11)
    b += holly_leaf(70, 166, -62) + holly_leaf(122, 166, 62)
    b += rect(20, 158, 152, 14, GOLD, 7)
    b += circle(90, 166, 7, RED, INK, 3) + circle(102, 166, 7, RED, INK, 3)
    return b


@picture('Turkey')
def _():
    b = ''
    colours = [RED, ORANGE, YELLOW, BROWN, RED, ORANGE, YELLOW]
    for i, col in enumerate(colours):
        a = -75 + 150 * i / 6
        b += group(ellipse(0, -50, 17, 46, col), f'translate(96,118) rotate({a:.1f})')
    b += line([(84, 152), (80, 178)], ORANGE, 5) + line([(108, 152), (112, 178)], ORANGE, 5)
    b += line([(72, 178), (88, 178)], ORANGE, 5) + line([(104, 178), (120, 178)], ORANGE, 5)
    b += ellipse(96, 124, 42, 38, BROWN)
    b += ellipse(96, 132, 24, 22, lighten(BROWN, 0.35), None)
    b += circle(96, 82, 22, lighten(BROWN, 0.2))
    b += circle(88, 78, 3.5, INK, None) + circle(104, 78, 3.5, INK, None)
    b += poly([(90, 86), (102, 86), (96, 96)], YELLOW, INK, 3)
    b += teardrop(104, 100, 5, RED, INK, 3, rot=180)
    return b


# ---------------------------------------------------------------- birthdays

@picture('Birthday Cake')
def _():
    b = ellipse(96, 166, 84, 12, GREY)
    b += rect(26, 112, 140, 54, PINK, 8) + rect(48, 74, 96, 42, CREAM, 8)
    for x0, x1, y, col in ((26, 166, 112, WHITE), (48, 144, 74, lighten(PINK, 0.35))):
        n = 5
        w = (x1 - x0) / n
        d = f'M {x0},{y + 4} Q {x0},{y} {x0 + 6},{y} L {x1 - 6},{y} Q {x1},{y} {x1},{y + 4} '
        for i in range(n, 0, -1):
            xa, xb = x0 + (i - 1) * w, x0 + i * w
            d += f'L {xb},{y + 10} A {w / 2} {w / 2} 0 0 1 {xa},{y + 10} '
        b += path(d + 'Z', col, INK, 4)
    for x, c in ((52, RED), (84, YELLOW), (118, BLUE), (144, GREEN), (68, PURPLE), (130, ORANGE)):
        b += circle(x, 146, 4, c, None)
    for x, c in ((72, BLUE), (96, RED), (120, YELLOW)):
        b += rect(x - 5, 40, 10, 34, c, 3, INK, 3)
        b += flame(x, 36, 8)
    return b


def balloon(x, y, rx, ry, colour, tail):
    b = curve(f'M {x},{y + ry + 6} C {x - 14},{y + ry + 30} {tail[0] + 10},{tail[1] - 40} {tail[0]},{tail[1]}',
              INK, 2, 0)
    b += poly([(x, y + ry - 2), (x - 7, y + ry + 8), (x + 7, y + ry + 8)], colour, INK, 3)
    b += ellipse(x, y, rx, ry, colour)
    b += ellipse(x - rx * 0.4, y - ry * 0.4, rx * 0.2, ry * 0.3, lighten(colour, 0.6), None, rot=25)
    return b


@picture('Balloons')
def _():
    tail = (96, 184)
    b = balloon(62, 60, 30, 38, RED, tail) + balloon(132, 56, 30, 38, BLUE, tail)
    b += balloon(98, 94, 30, 38, YELLOW, tail)
    return b


@picture('Party Hat')
def _():
    cone = [(96, 22), (146, 160), (46, 160)]
    b = poly(cone, PURPLE)
    window = inset(cone, 4)
    for k in range(-3, 5):
        band = [(30 + 30 * k, 170), (50 + 30 * k, 170), (150 + 30 * k, 10), (130 + 30 * k, 10)]
        b += poly(clip(band, window), YELLOW, None, 0)
    b += poly(cone, None)
    b += path('M 40,160 ' + ' '.join(f'L {48 + 8 * i},{168 if i % 2 == 0 else 154}' for i in range(14))
              + ' L 152,160 L 152,172 L 40,172 Z', PINK, INK, 4)
    b += circle(96, 20, 13, RED) + circle(92, 16, 3.5, lighten(RED, 0.6), None)
    for x, y, c in ((30, 50, RED), (160, 40, BLUE), (150, 96, YELLOW), (36, 110, GREEN)):
        b += rect(x - 5, y - 3, 10, 6, c, 2, INK, 2, rot=30)
    return b


@picture('Cupcake')
def _():
    cup = [(44, 112), (148, 112), (134, 176), (58, 176)]
    b = poly(cup, BLUE)
    window = inset(cup, 3)
    for i in range(1, 8):
        seg = clip_line((44 + 13 * i, 112), (58 + 9.5 * i, 176), window)
        if seg:
            b += line(seg, lighten(BLUE, 0.45), 4)
    b += ellipse(96, 106, 58, 18, PINK) + ellipse(96, 86, 46, 18, PINK) + ellipse(96, 66, 32, 16, PINK)
    b += path('M 84,54 C 90,40 102,38 104,30 C 112,40 108,54 104,56 Z', PINK, INK, 4)
    b += ellipse(120, 76, 6, 3.5, lighten(PINK, 0.5), None, rot=20)
    for x, y, r, c in ((70, 96, 30, YELLOW), (92, 108, -20, BLUE), (120, 100, 60, GREEN), (80, 76, -50, RED),
                       (110, 84, 10, PURPLE), (136, 104, -30, ORANGE)):
        b += rect(x - 6, y - 2, 12, 4.5, c, 2, None, 0, rot=r)
    b += curve('M 106,34 C 110,22 118,16 126,14', DKBROWN, 3, 1.5)
    b += circle(104, 38, 11, RED) + circle(100, 34, 3, lighten(RED, 0.6), None)
    return b


@picture('Party Popper')
def _():
    b = curve('M 86,80 C 70,50 100,40 84,16', BLUE, 4, 2.5)
    b += curve('M 104,86 C 120,60 140,70 150,40 C 156,24 170,26 176,18', RED, 4, 2.5)
    b += curve('M 112,100 C 140,96 150,120 176,110', GREEN, 4, 2.5)
    cone = [(22, 176), (82, 92), (116, 126)]
    b += poly(cone, YELLOW)
    window = inset(cone, 3)
    for k in range(1, 5):
        seg = clip_line((22 + 16 * k, 190 - 14 * k), (110 - 8 * k, 90 + 26 * k), window)
        if seg:
            b += line(seg, RED, 6)
    b += poly(cone, None)
    b += ellipse(99, 109, 26, 9, darken(YELLOW, 0.25), INK, 4, rot=45)
    for x, y, c, r in ((62, 40, PINK, 20), (130, 24, YELLOW, -30), (160, 80, BLUE, 45), (140, 144, PURPLE, 10),
                       (40, 70, GREEN, -20), (118, 60, ORANGE, 60), (168, 140, RED, 30)):
        b += rect(x - 6, y - 3.5, 12, 7, c, 2, INK, 2, rot=r)
    return b


@picture('Ice Cream')
def _():
    cone = [(62, 96), (130, 96), (96, 182)]
    b = poly(cone, TAN)
    window = inset(cone, 3)
    for k in range(-4, 6):
        for p0, p1 in (((40 + 18 * k, 90), (110 + 18 * k, 190)), ((150 + 18 * k, 90), (80 + 18 * k, 190))):
            seg = clip_line(p0, p1, window)
            if seg:
                b += line(seg, darken(TAN, 0.25), 3)
    b += poly(cone, None)
    b += blob([(96, 86, 34), (74, 98, 12), (96, 102, 13), (118, 98, 12)], lighten(GREEN, 0.45))
    b += blob([(96, 52, 30), (76, 64, 11), (96, 68, 12), (116, 64, 11)], PINK)
    b += ellipse(84, 42, 7, 5, lighten(PINK, 0.6), None, rot=-30)
    b += circle(100, 22, 10, RED) + curve('M 102,12 C 104,6 110,2 114,2', DKBROWN, 2.5, 1.5)
    return b


# ------------------------------------------------------------------- school

APPLE = ('M 0,-38 C -16,-52 -56,-52 -62,-10 C -68,32 -36,76 -12,72 C -6,70 -2,68 0,68 '
         'C 2,68 6,70 12,72 C 36,76 68,32 62,-10 C 56,-52 16,-52 0,-38 Z')


def apple(x, y, s, colour=RED):
    body = line([(0, -38), (4, -62)], DKBROWN, 7)
    body += leaf(4, -52, 34, 20, -30, LEAF, veins=False)
    body += path(APPLE, colour, INK, SW / s)
    body += ellipse(-34, -14, 8, 16, lighten(colour, 0.55), None, rot=20)
    return group(body, f'translate({x},{y}) scale({s})')


@picture('Apple')
def _():
    return apple(96, 104, 1.1)


@picture('Pencil')
def _():
    body = rect(-80, -16, 28, 32, PINK, 8)
    body += rect(-56, -16, 18, 32, GREY, 2)
    body += line([(-50, -14), (-50, 14)], DKGREY, 2.5) + line([(-44, -14), (-44, 14)], DKGREY, 2.5)
    body += rect(-38, -16, 84, 32, YELLOW, 0)
    body += rect(-38, -16, 84, 10, lighten(YELLOW, 0.5), 0, None)
    body += rect(-38, 6, 84, 10, darken(YELLOW, 0.12), 0, None)
    body += rect(-38, -16, 84, 32, None, 0)
    body += poly([(46, -16), (84, 0), (46, 16)], TAN)
    body += poly([(72, -5), (84, 0), (72, 5)], INK, INK, 3)
    return group(body, 'translate(96,96) rotate(-45)')


def book(x, y, w, h, colour):
    b = rect(x, y, w, h, colour, 4)
    b += rect(x + 10, y + 4, 6, h - 8, lighten(colour, 0.4), 0, None)
    b += rect(x + w - 16, y + 4, 6, h - 8, lighten(colour, 0.4), 0, None)
    b += rect(x + w / 2 - 22, y + h / 2 - 6, 44, 12, CREAM, 3, INK, 3)
    return b


@picture('Books')
def _():
    b = book(24, 142, 144, 32, BLUE) + book(36, 110, 124, 32, RED) + book(28, 78, 132, 32, GREEN)
    b += apple(112, 52, 0.42)
    return b


@picture('School Bus')
def _():
    b = rect(14, 54, 150, 98, YELLOW, 12) + rect(150, 92, 30, 60, YELLOW, 8)
    b += rect(14, 54, 150, 98, None, 12)
    for i in range(4):
        b += rect(24 + 30 * i, 66, 24, 28, SKY, 3, INK, 3.5)
    b += rect(146, 66, 16, 58, SKY, 3, INK, 3.5)
    b += rect(14, 108, 166, 8, INK, 0, None)
    b += rect(170, 124, 12, 10, ORANGE, 2, INK, 3)
    b += rect(8, 140, 180, 10, DKGREY, 5)
    for x in (50, 142):
        b += circle(x, 152, 20, '#3a3a4a') + circle(x, 152, 8, GREY, INK, 3)
    b += ellipse(38, 74, 4, 8, WHITE, None, rot=20)
    return b


@picture('Backpack')
def _():
    b = rect(70, 18, 52, 40, None, 20, INK, 10) + rect(70, 18, 52, 40, None, 20, darken(BLUE, 0.2), 4)
    b += rect(36, 62, 20, 80, darken(BLUE, 0.2), 8) + rect(136, 62, 20, 80, darken(BLUE, 0.2), 8)
    b += rect(46, 40, 100, 138, BLUE, 30)
    b += path('M 46,86 Q 96,70 146,86', None, INK, 4)
    b += rect(62, 108, 68, 56, lighten(BLUE, 0.35), 14)
    b += path('M 62,126 Q 96,116 130,126', None, INK, 3.5)
    b += rect(90, 124, 12, 18, YELLOW, 3, INK, 3)
    b += line([(112, 82), (118, 100)], YELLOW, 4)
    return b


@picture('Graduation Cap')
def _():
    b = rect(36, 142, 120, 30, CREAM, 15) + ellipse(150, 157, 8, 15, lighten(CREAM, 0.3), INK, 4)
    b += rect(82, 140, 18, 34, RED, 0, INK, 3) + poly([(84, 172), (80, 186), (90, 180), (98, 186), (96, 172)], RED, INK, 3)
    b += path('M 56,82 L 56,112 C 70,126 122,126 136,112 L 136,82 Z', '#3a3a4a')
    b += poly([(96, 38), (174, 70), (96, 102), (18, 70)], NAVY)
    b += ellipse(96, 60, 30, 8, lighten(NAVY, 0.25), None)
    b += line([(96, 70), (150, 82), (150, 116)], YELLOW, 4)
    b += poly([(144, 112), (156, 112), (160, 136), (140, 136)], YELLOW, INK, 3)
    b += circle(96, 70, 6, YELLOW, INK, 3)
    return b


def letter_block(x, y, s, colour, strokes_):
    front = rect(x, y, s, s, colour, 4)
    top = poly([(x, y), (x + 14, y - 12), (x + s + 14, y - 12), (x + s, y)], lighten(colour, 0.35))
    side = poly([(x + s, y), (x + s + 14, y - 12), (x + s + 14, y + s - 12), (x + s, y + s)], darken(colour, 0.2))
    letters = ''.join(path(d, None, WHITE, 8) for d in strokes_)
    return top + side + front + group(letters, f'translate({x},{y}) scale({s / 60})')


@picture('ABC Blocks')
def _():
    a = ['M 16,48 L 30,12 L 44,48', 'M 22,36 L 38,36']
    bb = ['M 18,12 L 18,48 L 32,48 C 46,48 46,30 32,30 L 18,30 M 18,12 L 30,12 C 42,12 42,30 30,30']
    c = ['M 44,18 C 36,8 16,10 16,30 C 16,50 36,52 44,42']
    return (letter_block(24, 112, 62, RED, a) + letter_block(96, 112, 62, BLUE, bb)
            + letter_block(60, 44, 62, GREEN, c))


@picture('Globe')
def _():
    b = rect(60, 166, 72, 12, DKBROWN, 6) + line([(96, 150), (96, 166)], DKBROWN, 8)
    b += path('M 40,130 A 66 66 0 0 0 150,140', None, INK, 11) + path('M 40,130 A 66 66 0 0 0 150,140', None, GOLD, 5)
    ball = ngon(96, 84, 58)
    b += circle(96, 84, 58, BLUE)
    window = inset(ball, 3)
    for land in ([(60, 40), (90, 36), (98, 56), (84, 72), (92, 94), (78, 118), (66, 108), (60, 84), (46, 70), (44, 52)],
                 [(112, 44), (140, 50), (154, 72), (150, 100), (132, 116), (118, 110), (124, 90), (110, 76), (106, 58)],
                 [(96, 126), (118, 124), (112, 142), (94, 140)]):
        b += poly(clip(land, window), GREEN, INK, 3)
    b += circle(96, 84, 58, None)
    b += ellipse(70, 56, 10, 6, lighten(BLUE, 0.6), None, rot=-40)
    return b


# -------------------------------------------------------------------- sport

def clip_circle(points, cx, cy, r):
    return clip(points, ngon(cx, cy, r))


@picture('Soccer Ball')
def _():
    cx, cy, r = 96, 96, 76
    b = circle(cx, cy, r, WHITE)
    window = ngon(cx, cy, r - 2, 90)

    def polar(radius, degrees):
        return (cx + radius * math.cos(math.radians(degrees)), cy + radius * math.sin(math.radians(degrees)))

    centre = [polar(24, -90 + 72 * k) for k in range(5)]
    seams = []
    for k in range(5):
        a = -90 + 72 * k
        # the outer patch in line with each corner, one corner pointing in
        patch = [(polar(82, a)[0] + 26 * math.cos(math.radians(a + 180 + 72 * j)),
                  polar(82, a)[1] + 26 * math.sin(math.radians(a + 180 + 72 * j))) for j in range(5)]
        b += poly(clip(patch, window), '#3a3a4a', INK, 3)
        seams.append([centre[k], patch[0]])
        joint = polar(70, a + 36)
        seams.append([patch[4], joint, polar(r, a + 36)])
        nxt = a + 72
        patch_next = [(polar(82, nxt)[0] + 26 * math.cos(math.radians(nxt + 180 + 72 * j)),
                       polar(82, nxt)[1] + 26 * math.sin(math.radians(nxt + 180 + 72 * j))) for j in range(5)]
        seams.append([patch_next[1], joint])
    for seam in seams:
        b += line(seam, INK, 4)
    b += poly(centre, '#3a3a4a', INK, 4)
    b += circle(cx, cy, r, None)
    b += ellipse(62, 52, 12, 7, lighten(GREY, 0.6), None, rot=-35)
    return b


@picture('Basketball')
def _():
    cx, cy, r = 96, 96, 76
    b = circle(cx, cy, r, ORANGE)
    b += line([(cx, cy - r), (cx, cy + r)], INK, 4) + line([(cx - r, cy), (cx + r, cy)], INK, 4)
    s, c = math.sin(math.radians(40)), math.cos(math.radians(40))
    for side in (-1, 1):
        x = cx + side * r * s
        b += path(f'M {x:.1f},{cy - r * c:.1f} Q {cx + side * r * 0.12:.1f},{cy} {x:.1f},{cy + r * c:.1f}',
                  None, INK, 4)
    b += circle(cx, cy, r, None)
    b += ellipse(62, 50, 14, 8, lighten(ORANGE, 0.55), None, rot=-35)
    return b


@picture('Baseball')
def _():
    bat = group(path('M -86,-7 C -40,-9 40,-18 78,-16 C 86,-16 86,16 78,16 C 40,18 -40,9 -86,7 Z', TAN)
                + rect(-94, -10, 10, 20, DKBROWN, 4), 'translate(96,88) rotate(-40)')
    b = bat
    cx, cy, r = 118, 128, 46
    b += circle(cx, cy, r, WHITE)
    for side in (-1, 1):
        ccx = cx + side * r * 1.42
        rr = r * 1.06
        arc = [(ccx - side * rr * math.cos(math.radians(a)), cy + rr * math.sin(math.radians(a)))
               for a in range(-70, 71, 4)]
        inside = [p for p in arc if math.hypot(p[0] - cx, p[1] - cy) < r - 3]
        b += line(inside, RED, 3)
        for p in inside[2:-2:2]:
            nx, ny = p[0] - ccx, p[1] - cy
            d = math.hypot(nx, ny)
            nx, ny = nx / d, ny / d
            b += line([(p[0] - 6 * nx - 3 * ny, p[1] - 6 * ny + 3 * nx), (p[0], p[1]),
                       (p[0] - 6 * nx + 3 * ny, p[1] - 6 * ny - 3 * nx)], RED, 2.5)
    b += ellipse(cx - 18, cy - 24, 9, 5, lighten(GREY, 0.6), None, rot=-35)
    return b


@picture('Tennis')
def _():
    head = ellipse_points(0, 0, 42, 54)
    strings = ''
    window = inset(head, 10)
    for k in range(-4, 5):
        for p0, p1 in (((k * 9, -70), (k * 9, 70)), ((-70, k * 11), (70, k * 11))):
            seg = clip_line(p0, p1, window)
            if seg:
                strings += line(seg, DKGREY, 2)
    racket = rect(-8, 56, 16, 26, GREY, 3) + rect(-10, 80, 20, 44, RED, 8)
    racket += path('M -8,58 L -30,40 M 8,58 L 30,40', None, INK, 5)
    racket += ellipse(0, 0, 42, 54, CREAM, INK, 12) + ellipse(0, 0, 42, 54, None, BLUE, 5)
    b = group(racket + strings, 'translate(82,76) rotate(-35)')
    b += circle(52, 154, 24, '#d5e84a')
    b += path('M 34,140 C 46,150 46,164 36,172', None, WHITE, 4)
    b += path('M 70,138 C 58,148 58,162 68,172', None, WHITE, 4)
    b += circle(52, 154, 24, None)
    return b


@picture('Trophy')
def _():
    b = curve('M 58,50 C 20,50 24,100 68,104', GOLD, 7) + curve('M 134,50 C 172,50 168,100 124,104', GOLD, 7)
    b += rect(72, 150, 48, 12, GOLD, 3) + rect(56, 160, 80, 20, DKBROWN, 4)
    b += rect(74, 166, 44, 8, lighten(GOLD, 0.3), 2, INK, 2.5)
    b += path('M 86,116 L 106,116 L 110,150 L 82,150 Z', GOLD)
    b += path('M 50,28 L 142,28 C 142,90 126,118 96,120 C 66,118 50,90 50,28 Z', GOLD)
    b += rect(46, 22, 100, 12, darken(GOLD, 0.1), 4)
    b += star(96, 70, 20, lighten(GOLD, 0.55), 0.45, 5, INK, 3)
    b += path('M 62,42 C 62,70 68,90 80,104', None, lighten(GOLD, 0.6), 5)
    return b


@picture('Bicycle')
def _():
    b = ''
    for x in (46, 146):
        b += circle(x, 128, 36, None, INK, 8) + circle(x, 128, 30, None, GREY, 3)
        for k in range(8):
            a = math.radians(k * 22.5)
            b += line([(x - 28 * math.cos(a), 128 - 28 * math.sin(a)), (x + 28 * math.cos(a), 128 + 28 * math.sin(a))],
                      GREY, 1.5)
        b += circle(x, 128, 5, DKGREY, INK, 2)
    frame = [[(46, 128), (84, 76), (96, 128), (46, 128)], [(84, 76), (134, 76), (96, 128)],
             [(134, 76), (146, 128)], [(130, 62), (136, 80)], [(84, 76), (80, 64)]]
    b += strokes(frame, RED, 6, 3)
    b += curve('M 126,60 C 134,56 140,54 148,58', DKGREY, 5, 2.5)
    b += path('M 66,60 C 74,54 90,56 94,62 C 88,66 72,66 66,60 Z', '#3a3a4a', INK, 3)
    b += circle(96, 128, 9, GREY, INK, 3) + line([(96, 128), (108, 144)], INK, 5)
    b += rect(102, 142, 14, 6, DKGREY, 2, INK, 2)
    return b


@picture('Medal')
def _():
    b = poly([(52, 10), (80, 10), (110, 96), (86, 104)], RED) + poly([(140, 10), (112, 10), (82, 96), (106, 104)], BLUE)
    b += rect(80, 90, 32, 20, GOLD, 4)
    b += circle(96, 138, 44, GOLD) + circle(96, 138, 32, lighten(GOLD, 0.35), INK, 3)
    b += star(96, 140, 22, GOLD, 0.45, 5, INK, 3)
    b += ellipse(72, 116, 8, 5, lighten(GOLD, 0.7), None, rot=-40)
    return b


@picture('Football')
def _():
    body = path('M -80,0 C -50,-50 50,-50 80,0 C 50,50 -50,50 -80,0 Z', BROWN)
    body += path('M -56,-22 C -54,-8 -54,8 -56,22', None, WHITE, 5) + path('M 56,-22 C 54,-8 54,8 56,22', None, WHITE, 5)
    body += line([(-26, 0), (26, 0)], WHITE, 5)
    for x in range(-18, 19, 9):
        body += line([(x, -8), (x, 8)], WHITE, 4)
    body += ellipse(-30, -20, 14, 5, lighten(BROWN, 0.5), None, rot=-10)
    return group(body, 'translate(96,96) rotate(-32)')


# ------------------------------------------------------------------- travel

@picture('Airplane')
def _():
    b = cloud(40, 150, 0.5) + cloud(150, 40, 0.45)
    plane = poly([(-10, 6), (34, 6), (2, 58), (-16, 58)], BLUE)
    plane += rect(-78, -14, 156, 30, WHITE, 15)
    plane += path('M 64,-12 C 78,-10 86,-4 86,1 C 86,8 78,14 64,16 Z', WHITE)
    plane += path('M 66,-10 C 76,-8 80,-4 80,0 L 66,0 Z', SKY, INK, 3)
    plane += poly([(-76, -8), (-86, -44), (-68, -44), (-50, -12)], RED)
    plane += poly([(-6, -6), (22, -6), (-4, -34), (-16, -34)], darken(BLUE, 0.2))
    for k in range(6):
        plane += circle(-44 + 16 * k, -1, 4.5, SKY, INK, 2.5)
    plane += rect(-78, 6, 156, 4, RED, 0, None)
    b += group(plane, 'translate(96,98) rotate(-16)')
    return b


@picture('Suitcase')
def _():
    b = rect(72, 34, 48, 30, None, 10, INK, 10) + rect(72, 34, 48, 30, None, 10, DKBROWN, 4)
    b += rect(22, 58, 148, 110, TEAL, 14)
    b += rect(50, 58, 14, 110, darken(TEAL, 0.25), 0) + rect(128, 58, 14, 110, darken(TEAL, 0.25), 0)
    b += rect(44, 96, 26, 8, GOLD, 2, INK, 2.5) + rect(122, 96, 26, 8, GOLD, 2, INK, 2.5)
    b += circle(96, 96, 16, YELLOW, INK, 3) + circle(96, 96, 6, ORANGE, None)
    b += rect(76, 126, 36, 22, WHITE, 3, INK, 3, rot=-10)
    b += rect(80, 132, 28, 4, RED, 0, None, rot=-10)
    b += star(152, 142, 9, WHITE, 0.45, 5, INK, 2.5)
    b += rect(40, 164, 14, 12, DKGREY, 3, INK, 3) + rect(138, 164, 14, 12, DKGREY, 3, INK, 3)
    return b


@picture('Car')
def _():
    b = path('M 52,96 L 68,56 C 70,52 74,50 78,50 L 124,50 C 128,50 132,52 134,56 L 152,96 Z', RED)
    b += path('M 64,94 L 76,62 L 98,62 L 98,94 Z', SKY, INK, 3.5)
    b += path('M 106,94 L 106,62 L 126,62 L 140,94 Z', SKY, INK, 3.5)
    b += rect(12, 90, 168, 48, RED, 16)
    b += line([(102, 96), (102, 136)], darken(RED, 0.3), 3) + line([(86, 110), (96, 110)], INK, 3)
    b += ellipse(170, 106, 7, 9, YELLOW, INK, 3) + rect(10, 100, 10, 12, ORANGE, 3, INK, 3)
    b += rect(8, 130, 176, 10, DKGREY, 5)
    for x in (52, 142):
        b += circle(x, 138, 20, '#3a3a4a') + circle(x, 138, 8, GREY, INK, 3)
    b += path('M 24,98 L 60,98', None, lighten(RED, 0.5), 4)
    return b


@picture('Sailboat')
def _():
    b = line([(98, 18), (98, 130)], DKBROWN, 6)
    b += poly([(98, 12), (120, 18), (98, 24)], RED, INK, 3)
    b += poly([(92, 28), (92, 118), (34, 118)], WHITE)
    b += poly([(104, 36), (104, 118), (156, 118)], YELLOW)
    b += path('M 20,124 L 172,124 L 148,156 L 44,156 Z', NAVY)
    b += line([(34, 136), (158, 136)], WHITE, 4)
    waves = 'M 0,156 ' + ' '.join(f'Q {12 + 24 * i},{146} {24 + 24 * i},{156}' for i in range(8)) + ' L 192,186 L 0,186 Z'
    b += path(waves, SKY)
    b += path('M 20,172 Q 32,164 44,172 M 120,176 Q 132,168 144,176', None, WHITE, 4)
    return b


@picture('Compass')
def _():
    b = circle(96, 96, 80, GOLD) + circle(96, 96, 66, CREAM, INK, 4)
    for k in range(16):
        a = math.radians(k * 22.5)
        r0 = 54 if k % 4 else 48
        b += line([(96 + r0 * math.cos(a), 96 + r0 * math.sin(a)), (96 + 60 * math.cos(a), 96 + 60 * math.sin(a))],
                  INK, 3)
    b += star(96, 96, 44, lighten(SKY, 0.3), 0.3, 4, rot=-45, stroke=INK, sw=2.5)
    b += poly([(96, 36), (110, 96), (82, 96)], RED, INK, 4) + poly([(96, 156), (110, 96), (82, 96)], WHITE, INK, 4)
    b += circle(96, 96, 8, GOLD, INK, 3)
    b += rect(88, 6, 16, 12, GOLD, 4, INK, 4)
    return b


@picture('Palm Tree')
def _():
    b = ellipse(96, 168, 92, 16, SKY) + ellipse(92, 160, 60, 16, TAN)
    trunk = [(84, 160), (88, 120), (96, 90), (110, 62)]
    for i in range(len(trunk) - 1):
        (x0, y0), (x1, y1) = trunk[i], trunk[i + 1]
        w0, w1 = 14 - 3 * i, 11 - 3 * i
        b += poly([(x0 - w0, y0), (x0 + w0, y0), (x1 + w1, y1), (x1 - w1, y1)], BROWN)
    for rot, lengthv in ((-160, 70), (-120, 64), (-70, 60), (-25, 70), (15, 56)):
        b += leaf(110, 60, lengthv, 30, rot, GREEN)
    b += circle(104, 68, 8, DKBROWN, INK, 3) + circle(116, 70, 8, DKBROWN, INK, 3)
    return b


@picture('Camera')
def _():
    b = rect(50, 40, 44, 26, DKGREY, 6) + rect(136, 46, 22, 14, RED, 4)
    b += rect(18, 56, 156, 106, '#4a5260', 16)
    b += rect(18, 76, 156, 64, '#3a3f4a', 0, None) + rect(18, 56, 156, 106, None, 16)
    b += rect(134, 70, 28, 18, WHITE, 4, INK, 3)
    b += circle(92, 110, 42, GREY) + circle(92, 110, 30, '#2a2f3a', INK, 4) + circle(92, 110, 16, NAVY, INK, 3)
    b += circle(84, 100, 6, WHITE, None)
    return b


@picture('Hot Air Balloon')
def _():
    env = 'M 96,14 C 150,14 170,62 152,98 C 142,118 120,128 114,136 L 78,136 C 72,128 50,118 40,98 C 22,62 42,14 96,14 Z'
    outline = []
    for seg in ((96, 14, 150, 14, 170, 62, 152, 98), (152, 98, 142, 118, 120, 128, 114, 136)):
        for k in range(13):
            t = k / 12
            x = ((1 - t) ** 3 * seg[0] + 3 * (1 - t) ** 2 * t * seg[2] + 3 * (1 - t) * t * t * seg[4]
                 + t ** 3 * seg[6])
            y = ((1 - t) ** 3 * seg[1] + 3 * (1 - t) ** 2 * t * seg[3] + 3 * (1 - t) * t * t * seg[5]
                 + t ** 3 * seg[7])
            outline.append((x, y))
    outline += [(192 - x, y) for x, y in outline[::-1]]
    b = cloud(36, 150, 0.4) + cloud(160, 130, 0.35)
    b += path(env, RED)
    colours = [RED, YELLOW, BLUE, YELLOW, RED]
    for i, col in enumerate(colours):
        if i % 2 == 1:
            strip = [(42 + 22 * i + 0, 0), (42 + 22 * i + 22, 0), (42 + 22 * i + 22, 192), (42 + 22 * i, 192)]
            b += poly(clip(strip, inset(outline, 2.5)), col, None, 0)
    b += path(env, None)
    b += line([(80, 136), (82, 156)], INK, 3) + line([(112, 136), (110, 156)], INK, 3)
    b += rect(78, 154, 36, 26, BROWN, 5)
    b += line([(80, 164), (112, 164)], DKBROWN, 3)
    b += ellipse(70, 40, 8, 14, lighten(RED, 0.6), None, rot=30)
    return b


@picture('Map')
def _():
    panels = [[(20, 40), (68, 28), (68, 164), (20, 176)], [(68, 28), (124, 40), (124, 176), (68, 164)],
              [(124, 40), (172, 28), (172, 164), (124, 176)]]
    b = ''
    for i, p in enumerate(panels):
        b += poly(p, CREAM if i % 2 == 0 else lighten(TAN, 0.5))
    b += poly(clip([(20, 120), (60, 96), (100, 110), (172, 80), (172, 176), (20, 176)], panels[0] + []), lighten(GREEN, 0.4), None, 0)
    for p in panels:
        b += poly(clip([(0, 110), (60, 100), (110, 118), (192, 84), (192, 192), (0, 192)], inset(p, 3)),
                  lighten(GREEN, 0.4), None, 0)
        b += poly(clip([(96, 36), (140, 40), (150, 70), (120, 76)], inset(p, 3)), lighten(SKY, 0.2), None, 0)
    for p in panels:
        b += poly(p, None)
    for x, y in ((36, 150), (52, 132), (70, 122), (88, 120), (104, 112), (118, 98)):
        b += circle(x, y, 3.5, RED, None)
    b += teardrop(132, 84, 14, RED, rot=180)
    b += circle(132, 84, 5, WHITE, INK, 2.5)
    return b


@picture('Tent')
def _():
    b = path('M 0,170 Q 96,150 192,170 L 192,184 L 0,184 Z', GREEN)
    for x, h in ((22, 70), (170, 86)):
        b += rect(x - 4, 150 - 10, 8, 16, BROWN, 2, INK, 3)
        b += poly([(x, 150 - h), (x + 20, 146), (x - 20, 146)], DKGREEN)
    b += poly([(96, 34), (164, 160), (28, 160)], ORANGE)
    b += poly([(96, 34), (122, 160), (70, 160)], darken(ORANGE, 0.3))
    b += poly([(96, 60), (112, 160), (96, 160)], YELLOW, INK, 3)
    b += line([(96, 34), (96, 20)], INK, 4) + poly([(96, 18), (112, 24), (96, 30)], RED, INK, 2.5)
    b += star(150, 34, 8, YELLOW, 0.4, 5, INK, 2.5) + star(40, 40, 6, YELLOW, 0.4, 5, INK, 2.5)
    return b


def main():
    os.makedirs(OUT, exist_ok=True)
    for old in os.listdir(OUT):
        if old.endswith('.svg'):
            os.remove(os.path.join(OUT, old))
    for name, fn in PICTURES.items():
        with open(os.path.join(OUT, name + '.svg'), 'w') as f:
            f.write(svg(fn()))
    print(f'{len(PICTURES)} pictures written to {os.path.normpath(OUT)}')


if __name__ == '__main__':
    main()
