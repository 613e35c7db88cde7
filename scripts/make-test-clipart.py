#!/usr/bin/env python3
"""Writes tests/core/metafile/data/fidelity/clipart.svg: a busy drawing of a
few hundred shapes and a line of text, exported to a WMF of about 100 KB
for the drawing benchmark and the fidelity test."""
import math
import os
import random

random.seed(7)
W, H = 480, 360
COLORS = ['#e53935', '#8e24aa', '#3949ab', '#039be5', '#00897b', '#7cb342', '#fdd835', '#fb8c00', '#6d4c41',
          '#546e7a']
out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">',
       f'<rect x="0" y="0" width="{W}" height="{H}" fill="#f4f8ff"/>']
for i in range(760):
    x, y = random.uniform(10, W - 10), random.uniform(10, H - 10)
    r, c = random.uniform(4, 18), random.choice(COLORS)
    kind = i % 4
    if kind == 0:
        n = random.randint(5, 9)
        pts = ' '.join(f'{x + r * (1 if j % 2 == 0 else .5) * math.cos(j * math.pi / n):.1f},'
                       f'{y + r * (1 if j % 2 == 0 else .5) * math.sin(j * math.pi / n):.1f}' for j in range(2 * n))
        out.append(f'<polygon points="{pts}" fill="{c}" stroke="#222" stroke-width="0.7"/>')
    elif kind == 1:
        out.append(f'<ellipse cx="{x:.1f}" cy="{y:.1f}" rx="{r:.1f}" ry="{r * .6:.1f}" fill="{c}"/>')
    elif kind == 2:
        out.append(f'<path d="M{x:.1f},{y:.1f} c{r:.1f},{-r:.1f} {2 * r:.1f},{r:.1f} {3 * r:.1f},0" fill="none" '
                   f'stroke="{c}" stroke-width="2"/>')
    else:
        out.append(f'<rect x="{x:.1f}" y="{y:.1f}" width="{r:.1f}" height="{r * .8:.1f}" rx="2" fill="{c}" '
                   f'stroke="#333" stroke-width="0.5"/>')
out.append('<text x="240" y="190" font-family="Times New Roman" font-size="40" font-weight="bold" '
           'text-anchor="middle" fill="#1a237e">Happy Holidays</text>')
out.append('</svg>')
path = os.path.join(os.path.dirname(__file__), '..', 'tests', 'core', 'graphics', 'data', 'fidelity', 'clipart.svg')
with open(path, 'w') as f:
    f.write('\n'.join(out) + '\n')
