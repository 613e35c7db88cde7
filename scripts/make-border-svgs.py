#!/usr/bin/env python3
"""Writes the SVG sources of the bundled border pictures.

Each design is drawn for a portrait page (7.5 x 10 in) and a landscape page
(10 x 7.5 in), the page rectangle inside half-inch margins; the page stretches
it over its own rectangle, and the calendar keeps 0.47 in clear of that
rectangle's edges, so every design stays within a band of 0.4 in. The SVGs are
then exported with scripts/export-metafiles.sh borders.
"""
import math
import os

DPI = 96
BAND = 0.4 * DPI  # width of the border band
OUT = os.path.join(os.path.dirname(__file__), '..', 'resources', 'borders-src')


def svg(w, h, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n{body}</svg>\n')


def edge_points(w, h, spacing, inset):
    """Centres of motifs along the middle of the band, corners excluded."""
    pts = []
    for length, horizontal in ((w, True), (h, False)):
        free = length - 2 * inset
        n = max(1, round(free / spacing))
        step = free / n
        for i in range(n + 1):
            t = inset + i * step
            if horizontal:
                pts += [(t, BAND / 2, 0, i), (t, h - BAND / 2, 180, i)]
            elif 0 < i < n:
                pts += [(BAND / 2, t, -90, i), (w - BAND / 2, t, 90, i)]
    return pts


def star(cx, cy, r, inner=0.45, points=5, rot=-90):
    coords = []
    for k in range(points * 2):
        rr = r if k % 2 == 0 else r * inner
        a = math.radians(rot + k * 180 / points)
        coords.append(f'{cx + rr * math.cos(a):.2f},{cy + rr * math.sin(a):.2f}')
    return ' '.join(coords)


def rules(w, h, frames):
    """Concentric rectangles, each given as (inset, stroke width, colour)."""
    out = ''
    for inset, width, color in frames:
        out += (f'  <rect x="{inset:.1f}" y="{inset:.1f}" width="{w - 2 * inset:.1f}" '
                f'height="{h - 2 * inset:.1f}" fill="none" stroke="{color}" stroke-width="{width}"/>\n')
    return out


def classic(w, h):
    body = rules(w, h, [(4, 5, '#1a1a1a'), (14, 1.5, '#1a1a1a'), (BAND - 6, 1, '#1a1a1a')])
    for x, y in ((14, 14), (w - 14, 14), (14, h - 14), (w - 14, h - 14)):
        body += f'  <rect x="{x - 7}" y="{y - 7}" width="14" height="14" fill="#1a1a1a"/>\n'
        body += f'  <rect x="{x - 3}" y="{y - 3}" width="6" height="6" fill="#ffffff"/>\n'
    return body


def art_deco(w, h):
    gold, black = '#b8860b', '#111111'
    body = rules(w, h, [(3, 3, black), (9, 1.5, gold), (BAND - 4, 1.5, black)])
    for sx, sy, cx, cy in ((1, 1, 0, 0), (-1, 1, w, 0), (1, -1, 0, h), (-1, -1, w, h)):
        g = f'  <g transform="translate({cx},{cy}) scale({sx},{sy})">\n'
        for i, r in enumerate((30, 24, 18)):
            col = gold if i % 2 == 0 else black
            g += (f'    <path d="M 9,{9 + r} A {r},{r} 0 0 0 {9 + r},9" fill="none" '
                  f'stroke="{col}" stroke-width="3"/>\n')
        for k in range(5):
            a = math.radians(k * 22.5)
            g += (f'    <line x1="9" y1="9" x2="{9 + 14 * math.cos(a):.1f}" y2="{9 + 14 * math.sin(a):.1f}" '
                  f'stroke="{gold}" stroke-width="2"/>\n')
        g += f'    <path d="M 9,9 h 12 v 4 h -8 v 8 h -4 z" fill="{black}"/>\n  </g>\n'
        body += g
    for x, y, rot, _ in edge_points(w, h, 60, 70):
        body += (f'  <g transform="translate({x:.1f},{y:.1f}) rotate({rot})">'
                 f'<path d="M -6,4 L 0,-5 L 6,4 Z" fill="{gold}"/></g>\n')
    return body


def holly(w, h):
    leaf = ('M -14,0 Q -11,-3 -9,-8 Q -6,-4 -3,-7 Q -1,-3 2,-7 Q 5,-4 8,-8 Q 10,-4 14,0 '
            'Q 10,4 8,8 Q 5,4 2,7 Q -1,3 -3,7 Q -6,4 -9,8 Q -11,3 -14,0 Z')
    body = rules(w, h, [(3, 2, '#b01020'), (BAND - 3, 1.5, '#1f6b2a')])
    for x, y, rot, _ in edge_points(w, h, 46, 40):
        body += (f'  <g transform="translate({x:.1f},{y:.1f}) rotate({rot})">\n'
                 f'    <path d="{leaf}" transform="translate(-9,2) rotate(-20)" fill="#1f7a30" stroke="#0c3d16" stroke-width="0.8"/>\n'
                 f'    <path d="{leaf}" transform="translate(9,2) rotate(20)" fill="#2a8c3c" stroke="#0c3d16" stroke-width="0.8"/>\n'
                 f'    <circle cx="-3" cy="-3" r="3.6" fill="#d0102a"/>\n'
                 f'    <circle cx="3.5" cy="-2" r="3.6" fill="#c00020"/>\n'
                 f'    <circle cx="0" cy="3" r="3.6" fill="#e01830"/>\n  </g>\n')
    for x, y in ((BAND / 2, BAND / 2), (w - BAND / 2, BAND / 2), (BAND / 2, h - BAND / 2), (w - BAND / 2, h - BAND / 2)):
        body += f'  <circle cx="{x}" cy="{y}" r="9" fill="#d0102a" stroke="#7a0010" stroke-width="1"/>\n'
    return body


def flowers(w, h):
    body = rules(w, h, [(BAND / 2, 2, '#5a9e3a')])
    colors = ['#f06292', '#ba68c8', '#ffb74d', '#64b5f6']
    for x, y, rot, i in edge_points(w, h, 40, 30):
        col = colors[i % len(colors)]
        petals = ''.join(f'<ellipse cx="0" cy="-7" rx="4.5" ry="7.5" transform="rotate({k * 72})" fill="{col}"/>'
                         for k in range(5))
        body += (f'  <g transform="translate({x:.1f},{y:.1f}) rotate({rot + i * 37})">'
                 f'<ellipse cx="13" cy="0" rx="6" ry="2.6" fill="#5a9e3a"/>{petals}'
                 f'<circle cx="0" cy="0" r="4" fill="#fdd835"/></g>\n')
    return body


def autumn(w, h):
    body = rules(w, h, [(2, 2, '#8d4a1c'), (BAND - 2, 1, '#8d4a1c')])
    colors = ['#d84315', '#f9a825', '#a1410d', '#ef6c00', '#c62828']
    for x, y, rot, i in edge_points(w, h, 36, 24):
        col = colors[(i * 3) % len(colors)]
        body += (f'  <g transform="translate({x:.1f},{y:.1f}) rotate({rot + (i * 47) % 90 - 45})">'
                 f'<polygon points="{star(0, 0, 13, 0.5, 5)}" fill="{col}" stroke="#5d2a0c" stroke-width="0.7"/>'
                 f'<line x1="0" y1="2" x2="0" y2="15" stroke="#5d2a0c" stroke-width="1.6"/></g>\n')
    return body


def stars(w, h):
    navy = '#14235a'
    body = (f'  <path d="M 0,0 H {w} V {h} H 0 Z M {BAND},{BAND} V {h - BAND} H {w - BAND} V {BAND} Z" '
            f'fill="{navy}" fill-rule="evenodd"/>\n')
    body += rules(w, h, [(BAND - 4, 1.5, '#e6c24a')])
    for x, y, rot, i in edge_points(w, h, 32, 16):
        r = 9 if i % 2 == 0 else 6
        body += f'  <polygon points="{star(x, y - 2, r)}" fill="#f5d76e"/>\n'
    return body


def school(w, h):
    body = rules(w, h, [(2, 2, '#1565c0'), (BAND - 2, 2, '#1565c0')])
    pencil = ('<rect x="-20" y="-5" width="30" height="10" fill="#fbc02d" stroke="#8d6e00" stroke-width="0.6"/>'
              '<polygon points="10,-5 19,0 10,5" fill="#f3d9a4"/><polygon points="16,-1.7 19,0 16,1.7" fill="#333333"/>'
              '<rect x="-25" y="-5" width="5" height="10" fill="#f48fb1"/>')
    apple = ('<circle cx="-3" cy="1" r="7" fill="#d32f2f"/><circle cx="3" cy="1" r="7" fill="#d32f2f"/>'
             '<path d="M 0,-6 q 6,-7 9,-3 q -4,4 -9,3 z" fill="#388e3c"/>')
    for x, y, rot, i in edge_points(w, h, 66, 60):
        motif = apple if i % 3 == 0 else pencil
        body += f'  <g transform="translate({x:.1f},{y:.1f}) rotate({rot})">{motif}</g>\n'
    for x, y, text in ((BAND / 2, BAND / 2 + 6, 'A'), (w - BAND / 2, BAND / 2 + 6, 'B'),
                       (BAND / 2, h - BAND / 2 + 6, '1'), (w - BAND / 2, h - BAND / 2 + 6, '2')):
        body += (f'  <text x="{x}" y="{y}" font-family="Arial" font-weight="bold" font-size="18" '
                 f'text-anchor="middle" fill="#1565c0">{text}</text>\n')
    return body


def geometric(w, h):
    teal = '#00796b'
    body = rules(w, h, [(2, 1.5, teal), (BAND - 2, 1.5, teal)])
    for x, y, rot, i in edge_points(w, h, 24, 46):
        fill = teal if i % 2 == 0 else '#80cbc4'
        body += (f'  <g transform="translate({x:.1f},{y:.1f}) rotate({rot})">'
                 f'<polygon points="-8,7 0,-7 8,7" fill="{fill}"/></g>\n')
    for x, y in ((BAND / 2, BAND / 2), (w - BAND / 2, BAND / 2), (BAND / 2, h - BAND / 2), (w - BAND / 2, h - BAND / 2)):
        body += f'  <rect x="{x - 9}" y="{y - 9}" width="18" height="18" fill="{teal}" transform="rotate(45 {x} {y})"/>\n'
    return body


DESIGNS = {
    'Classic': classic,
    'Art Deco': art_deco,
    'Holly': holly,
    'Spring Flowers': flowers,
    'Autumn Leaves': autumn,
    'Stars': stars,
    'School': school,
    'Geometric': geometric,
}

if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    for name, draw in DESIGNS.items():
        for orientation, (w, h) in (('portrait', (7.5 * DPI, 10 * DPI)), ('landscape', (10 * DPI, 7.5 * DPI))):
            with open(os.path.join(OUT, f'{name}-{orientation}.svg'), 'w') as f:
                f.write(svg(int(w), int(h), draw(w, h)))
