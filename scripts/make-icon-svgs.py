#!/usr/bin/env python3
"""Writes the SVG sources of the five bundled icon libraries.

Each icon is drawn on a 32 x 32 grid: either an object drawn here from
shapes, or a symbol on a round or rounded-square badge. Symbols are glyphs
of DejaVu Sans (Debian package fonts-dejavu-core; Bitstream Vera licence
with public-domain DejaVu changes, which allows this use), named by the SVG
and drawn by Qt's SVG renderer when scripts/make-icon-libraries.sh turns
the sources into .icl files; only that step needs the font.
"""
import os

OUT = os.path.join(os.path.dirname(__file__), '..', 'resources', 'icons-src')


def shade(color, f):
    r, g, b = (int(color[i:i + 2], 16) for i in (1, 3, 5))
    if f > 0:
        r, g, b = (int(c + (255 - c) * f) for c in (r, g, b))
    else:
        r, g, b = (int(c * (1 + f)) for c in (r, g, b))
    return f'#{r:02x}{g:02x}{b:02x}'


def svg(body, defs=''):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            f'<defs>{defs}</defs>\n{body}</svg>\n')


def gradient(gid, color):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{shade(color, 0.35)}"/>'
            f'<stop offset="1" stop-color="{shade(color, -0.2)}"/></linearGradient>')


def badge(glyph, color, shape, size=20, dy=0.0):
    defs = gradient('g', color)
    r, g, b = (int(color[i:i + 2], 16) for i in (1, 3, 5))
    # Light badges take a dark symbol.
    ink = '#3e2a00' if 0.299 * r + 0.587 * g + 0.114 * b > 170 else '#ffffff'
    edge = shade(color, -0.45)
    if shape == 'circle':
        back = f'<circle cx="16" cy="16" r="14.5" fill="url(#g)" stroke="{edge}" stroke-width="1"/>'
    else:
        back = (f'<rect x="1.5" y="1.5" width="29" height="29" rx="7" fill="url(#g)" '
                f'stroke="{edge}" stroke-width="1"/>')
    shine = '<ellipse cx="16" cy="8" rx="11" ry="5" fill="#ffffff" fill-opacity="0.18"/>'
    y = 16 + size * 0.36 + dy
    text = (f'font-family="DejaVu Sans" font-size="{size}" text-anchor="middle"')
    body = (back + shine
            + f'<text x="16.6" y="{y + 0.7:.1f}" {text} fill="#000000" fill-opacity="0.3">{glyph}</text>'
            + f'<text x="16" y="{y:.1f}" {text} fill="{ink}">{glyph}</text>')
    return svg(body, defs)


# --- objects drawn from shapes -------------------------------------------------

def cake():
    return svg('<rect x="5" y="17" width="22" height="11" rx="2" fill="#f6d7a7" stroke="#9a6a3a"/>'
               '<path d="M5 20 q2.75 3 5.5 0 t5.5 0 t5.5 0 t5.5 0 v-3 h-22z" fill="#f2609a"/>'
               '<rect x="4" y="27" width="24" height="2.5" rx="1" fill="#ffffff" stroke="#999"/>'
               + ''.join(f'<rect x="{x}" y="10" width="2" height="7" fill="{c}"/>'
                         f'<path d="M{x + 1} 5 q2 3 0 4.5 q-2 -1.5 0 -4.5z" fill="#ffb300"/>'
                         for x, c in ((9, '#4fa3e0'), (15, '#7ac943'), (21, '#ff7b54'))))


def gift():
    return svg('<rect x="4" y="13" width="24" height="15" rx="1.5" fill="#e53935" stroke="#8e1b1b"/>'
               '<rect x="3" y="9" width="26" height="5" rx="1.5" fill="#ef5350" stroke="#8e1b1b"/>'
               '<rect x="14" y="9" width="4" height="19" fill="#ffd54f" stroke="#b8860b" stroke-width="0.6"/>'
               '<path d="M16 9 C10 2 5 6 9 9z M16 9 C22 2 27 6 23 9z" fill="#ffd54f" stroke="#b8860b"/>')


def balloons():
    def b(x, y, c):
        return (f'<path d="M{x} {y + 9} q-1 3 1 6" stroke="#666" fill="none" stroke-width="0.8"/>'
                f'<ellipse cx="{x}" cy="{y}" rx="6" ry="7.5" fill="{c}" stroke="{shade(c, -0.4)}"/>'
                f'<path d="M{x - 1} {y + 7.3} h2 l-1 1.7z" fill="{c}"/>'
                f'<ellipse cx="{x - 2}" cy="{y - 3}" rx="1.5" ry="2.5" fill="#fff" fill-opacity="0.6"/>')
    return svg(b(11, 10, '#42a5f5') + b(21, 12, '#ef5350') + b(15, 16, '#ffca28'))


def tree():
    return svg('<rect x="14" y="25" width="4" height="5" fill="#795548"/>'
               '<path d="M16 2 L26 14 H21 L28 25 H4 L11 14 H6Z" fill="#2e7d32" stroke="#1b5e20"/>'
               '<path d="M16 0.5 l1.2 2.6 2.8 .2 -2.1 1.9 .7 2.8 -2.6 -1.5 -2.6 1.5 .7 -2.8 -2.1 -1.9 2.8 -.2z" '
               'fill="#ffd600"/>'
               + ''.join(f'<circle cx="{x}" cy="{y}" r="1.6" fill="{c}"/>' for x, y, c in (
                   (12, 12, '#e53935'), (19, 16, '#42a5f5'), (11, 21, '#ffd600'), (21, 22, '#e53935'),
                   (16, 19, '#ffffff'))))


def pumpkin():
    return svg('<path d="M16 8 q1 -4 4 -5" stroke="#558b2f" stroke-width="2.5" fill="none"/>'
               '<ellipse cx="10" cy="18" rx="7" ry="10" fill="#fb8c00" stroke="#bf360c"/>'
               '<ellipse cx="22" cy="18" rx="7" ry="10" fill="#fb8c00" stroke="#bf360c"/>'
               '<ellipse cx="16" cy="18" rx="7" ry="10.5" fill="#ffa726" stroke="#bf360c"/>'
               '<path d="M9 15 l3 -3 l3 3z M17 15 l3 -3 l3 3z" fill="#3e2723"/>'
               '<path d="M9 20 q7 7 14 0 l-2 1 -1 -1.5 -2 1.5 -2 -1.5 -2 1.5 -1 -1.5z" fill="#3e2723"/>')


def egg():
    return svg('<path d="M16 2 C8 2 5 14 5 20 C5 26.5 10 30 16 30 C22 30 27 26.5 27 20 C27 14 24 2 16 2Z" '
               'fill="#81d4fa" stroke="#0277bd"/>'
               '<path d="M5.6 16 l3.5 -3 3.5 3 3.5 -3 3.5 3 3.5 -3 3.5 3" stroke="#f06292" stroke-width="2.2" '
               'fill="none"/>'
               '<path d="M5.3 22 h21.4" stroke="#ffee58" stroke-width="3"/>'
               '<circle cx="11" cy="26" r="1.3" fill="#7e57c2"/><circle cx="16" cy="27" r="1.3" fill="#7e57c2"/>'
               '<circle cx="21" cy="26" r="1.3" fill="#7e57c2"/><circle cx="16" cy="9" r="1.6" fill="#fff"/>')


def bell():
    return svg('<path d="M16 3 C9 3 8 10 8 15 C8 20 6 22 4 24 H28 C26 22 24 20 24 15 C24 10 23 3 16 3Z" '
               'fill="#fbc02d" stroke="#a66f00"/>'
               '<circle cx="16" cy="27" r="3" fill="#a66f00"/>'
               '<path d="M11 8 q-2 4 -1.5 8" stroke="#fff59d" stroke-width="2" fill="none"/>'
               '<path d="M13 3 q3 -3 6 0" stroke="#c62828" stroke-width="2" fill="none"/>')


def candles():
    return svg(''.join(f'<rect x="{x}" y="{y}" width="5" height="{29 - y}" rx="1" fill="{c}" stroke="#8d6e63"/>'
                       f'<path d="M{x + 2.5} {y - 7} q3 4 0 6 q-3 -2 0 -6z" fill="#ff9800"/>'
                       f'<path d="M{x + 2.5} {y - 4} q1 2 0 3 q-1 -1 0 -3z" fill="#fff176"/>'
                       for x, y, c in ((5, 14, '#e1f5fe'), (13.5, 10, '#fff9c4'), (22, 16, '#fce4ec'))))


def flag():
    stripes = ''.join(f'<rect x="8" y="{5 + i * 2.6:.1f}" width="20" height="1.3" fill="#c62828"/>'
                      for i in range(6))
    return svg('<rect x="5" y="3" width="2" height="27" fill="#6d4c41"/>'
               '<rect x="8" y="4" width="20" height="15" fill="#ffffff" stroke="#9e9e9e" stroke-width="0.5"/>'
               + stripes + '<rect x="8" y="4" width="9" height="8" fill="#1a3d8f"/>')


def fireworks():
    rays = ''
    for cx, cy, r, c in ((12, 12, 9, '#ff5252'), (23, 20, 7, '#ffd740'), (9, 25, 5, '#69f0ae')):
        for k in range(12):
            import math
            a = k * math.pi / 6
            rays += (f'<line x1="{cx + r * 0.35 * math.cos(a):.1f}" y1="{cy + r * 0.35 * math.sin(a):.1f}" '
                     f'x2="{cx + r * math.cos(a):.1f}" y2="{cy + r * math.sin(a):.1f}" stroke="{c}" '
                     f'stroke-width="1.6" stroke-linecap="round"/>')
    return svg('<rect x="0" y="0" width="32" height="32" rx="7" fill="#1a237e"/>' + rays)


def gradcap():
    return svg('<path d="M16 6 L31 12 L16 18 L1 12Z" fill="#263238" stroke="#000"/>'
               '<path d="M8 15 v7 q8 5 16 0 v-7 l-8 3z" fill="#37474f" stroke="#000"/>'
               '<path d="M16 12 L26 15 v8" stroke="#ffc107" stroke-width="1.4" fill="none"/>'
               '<circle cx="26" cy="24" r="1.8" fill="#ffc107"/>')


def rings():
    return svg('<circle cx="12" cy="19" r="8" fill="none" stroke="#fbc02d" stroke-width="3"/>'
               '<circle cx="20" cy="19" r="8" fill="none" stroke="#e0e0e0" stroke-width="3"/>'
               '<circle cx="12" cy="19" r="8" fill="none" stroke="#a67c00" stroke-width="0.6"/>'
               '<path d="M17 4 l3 -2 3 2 -3 4z" fill="#b3e5fc" stroke="#0288d1" stroke-width="0.7"/>')


def house():
    return svg('<path d="M3 16 L16 4 L29 16" fill="none" stroke="#b71c1c" stroke-width="3" '
               'stroke-linejoin="round"/>'
               '<path d="M7 14 L16 6 L25 14 V29 H7Z" fill="#ffe0b2" stroke="#8d6e63"/>'
               '<rect x="13" y="20" width="6" height="9" fill="#6d4c41"/>'
               '<rect x="9" y="16" width="4" height="4" fill="#81d4fa" stroke="#5d4037" stroke-width="0.6"/>'
               '<rect x="20" y="16" width="4" height="4" fill="#81d4fa" stroke="#5d4037" stroke-width="0.6"/>')


def car():
    return svg('<path d="M3 21 V17 L7 16 L10 10 H21 L25 16 L29 17 V21Z" fill="#1e88e5" stroke="#0d47a1"/>'
               '<path d="M11 11 H16 V16 H9Z M17.5 11 H20.5 L23 16 H17.5Z" fill="#e3f2fd"/>'
               '<circle cx="9" cy="22" r="3.3" fill="#263238"/><circle cx="9" cy="22" r="1.3" fill="#cfd8dc"/>'
               '<circle cx="23" cy="22" r="3.3" fill="#263238"/><circle cx="23" cy="22" r="1.3" fill="#cfd8dc"/>'
               '<rect x="26.5" y="17.5" width="2" height="1.6" fill="#fff59d"/>')


def bicycle():
    return svg('<circle cx="8" cy="21" r="6" fill="none" stroke="#37474f" stroke-width="2"/>'
               '<circle cx="24" cy="21" r="6" fill="none" stroke="#37474f" stroke-width="2"/>'
               '<path d="M8 21 L13 12 H22 L24 21 M13 12 L16 21 L22 12 M16 21 H8 M11 9 H15 M21 12 L20 8 H23" '
               'stroke="#e53935" stroke-width="1.8" fill="none" stroke-linejoin="round"/>')


def soccer():
    return svg('<circle cx="16" cy="16" r="13.5" fill="#ffffff" stroke="#212121" stroke-width="1.2"/>'
               '<path d="M16 10.5 l5 3.6 -1.9 5.9 h-6.2 l-1.9 -5.9z" fill="#212121"/>'
               '<path d="M16 10.5 V3 M21 14.1 l7 -2.3 M19.1 20 l4.3 6 M12.9 20 l-4.3 6 M11 14.1 l-7 -2.3" '
               'stroke="#212121" stroke-width="1.2"/>'
               '<path d="M12 3.4 l4 -0.4 4 .4 -1 2.8 h-6z M28.5 11 l-.3 5 -2.5 -1.2 .6 -3.6z '
               'M3.5 11 l.3 5 2.5 -1.2 -.6 -3.6z" fill="#212121"/>')


def basketball():
    return svg('<circle cx="16" cy="16" r="13.5" fill="#ef6c00" stroke="#3e2723" stroke-width="1.2"/>'
               '<path d="M2.5 16 H29.5 M16 2.5 V29.5 M6 6.5 q6 9.5 0 19 M26 6.5 q-6 9.5 0 19" '
               'stroke="#3e2723" stroke-width="1.2" fill="none"/>')


def dumbbell():
    return svg('<rect x="9" y="14.5" width="14" height="3" fill="#9e9e9e"/>'
               '<rect x="4" y="8" width="5" height="16" rx="1.5" fill="#424242"/>'
               '<rect x="23" y="8" width="5" height="16" rx="1.5" fill="#424242"/>'
               '<rect x="1.5" y="11" width="3" height="10" rx="1" fill="#616161"/>'
               '<rect x="27.5" y="11" width="3" height="10" rx="1" fill="#616161"/>')


def tooth():
    return svg('<path d="M9 4 C4 4 4 11 6 15 C7 18 7.5 28 10.5 28 C13 28 13 20 16 20 C19 20 19 28 21.5 28 '
               'C24.5 28 25 18 26 15 C28 11 28 4 23 4 C20 4 19 5.5 16 5.5 C13 5.5 12 4 9 4Z" fill="#ffffff" '
               'stroke="#5c6bc0" stroke-width="1.4"/>'
               '<path d="M9 7.5 q-2 2 -1.5 5" stroke="#c5cae9" stroke-width="1.5" fill="none"/>')


def pill():
    return svg('<g transform="rotate(-40 16 16)"><rect x="4" y="11" width="24" height="10" rx="5" fill="#ffffff" '
               'stroke="#546e7a"/><path d="M16 11 H23 a5 5 0 0 1 0 10 H16Z" fill="#e53935"/>'
               '<rect x="7" y="13" width="6" height="2" rx="1" fill="#fff" fill-opacity="0.8"/></g>')


def book():
    return svg('<path d="M16 7 C12 4 7 4 3 5 V27 C7 26 12 26 16 29 C20 26 25 26 29 27 V5 C25 4 20 4 16 7Z" '
               'fill="#ffffff" stroke="#5d4037"/>'
               '<path d="M16 7 V29" stroke="#5d4037"/>'
               + ''.join(f'<path d="M{a} {y} h9" stroke="#90a4ae" stroke-width="0.8"/>'
                         for a in (5.5, 17.5) for y in (10, 13, 16, 19, 22)))


def camera():
    return svg('<rect x="2" y="9" width="28" height="18" rx="3" fill="#455a64" stroke="#263238"/>'
               '<path d="M10 9 l2 -4 h8 l2 4z" fill="#37474f"/>'
               '<circle cx="16" cy="18" r="7" fill="#263238" stroke="#b0bec5" stroke-width="1.5"/>'
               '<circle cx="16" cy="18" r="3.5" fill="#4fc3f7"/><circle cx="14.5" cy="16.5" r="1" fill="#fff"/>'
               '<rect x="24" y="11" width="4" height="2.5" fill="#ffeb3b"/>')


def cart():
    return svg('<path d="M2 5 H7 L10 21 H26" stroke="#37474f" stroke-width="2" fill="none" '
               'stroke-linejoin="round"/>'
               '<path d="M8 8 H29 L26 18 H10Z" fill="#66bb6a" stroke="#2e7d32"/>'
               '<circle cx="12" cy="26" r="2.5" fill="#37474f"/><circle cx="24" cy="26" r="2.5" fill="#37474f"/>')


def coin():
    return svg('<circle cx="16" cy="16" r="13.5" fill="#fbc02d" stroke="#a66f00" stroke-width="1.2"/>'
               '<circle cx="16" cy="16" r="10.5" fill="none" stroke="#fff59d" stroke-width="1"/>'
               '<text x="16" y="22.5" font-family="DejaVu Sans" font-weight="bold" font-size="18" '
               'text-anchor="middle" fill="#8d5a00">$</text>')


def clock():
    return svg('<circle cx="16" cy="16" r="13.5" fill="#ffffff" stroke="#3949ab" stroke-width="2.5"/>'
               + ''.join(f'<circle cx="{16 + 10 * x:.1f}" cy="{16 + 10 * y:.1f}" r="1" fill="#3949ab"/>'
                         for x, y in ((0, -1), (1, 0), (0, 1), (-1, 0)))
               + '<path d="M16 16 V8 M16 16 L22 19" stroke="#212121" stroke-width="2" stroke-linecap="round"/>'
               '<circle cx="16" cy="16" r="1.5" fill="#e53935"/>')


def calendar_page():
    return svg('<rect x="3" y="5" width="26" height="24" rx="2" fill="#ffffff" stroke="#546e7a"/>'
               '<path d="M3 7 a2 2 0 0 1 2 -2 h22 a2 2 0 0 1 2 2 v5 h-26z" fill="#e53935"/>'
               '<rect x="8" y="2" width="2.5" height="6" rx="1" fill="#455a64"/>'
               '<rect x="21.5" y="2" width="2.5" height="6" rx="1" fill="#455a64"/>'
               '<text x="16" y="26.5" font-family="DejaVu Sans" font-weight="bold" font-size="13" '
               'text-anchor="middle" fill="#263238">31</text>')


def fish():
    return svg('<path d="M3 16 C8 7 19 7 24 16 C19 25 8 25 3 16Z" fill="#29b6f6" stroke="#01579b"/>'
               '<path d="M23 16 L30 9 V23Z" fill="#0288d1" stroke="#01579b"/>'
               '<circle cx="9" cy="14.5" r="1.6" fill="#01579b"/>'
               '<path d="M13 11 q3 5 0 10 M17 11.5 q3 4.5 0 9" stroke="#e1f5fe" fill="none"/>')


def tent():
    return svg('<path d="M1 27 H31" stroke="#6d4c41" stroke-width="2"/>'
               '<path d="M16 4 L29 27 H3Z" fill="#ff7043" stroke="#bf360c"/>'
               '<path d="M16 13 L21 27 H11Z" fill="#4e342e"/>'
               '<path d="M16 4 L14 1 M16 4 L18 1" stroke="#6d4c41" stroke-width="1.2"/>')


def mountain():
    return svg('<rect x="1" y="1" width="30" height="30" rx="6" fill="#b3e5fc"/>'
               '<circle cx="24" cy="8" r="3.5" fill="#ffeb3b"/>'
               '<path d="M1 27 L11 10 L17 19 L21 14 L31 27 V25 a6 6 0 0 1 -6 6 H7 a6 6 0 0 1 -6 -6Z" '
               'fill="#607d8b"/>'
               '<path d="M11 10 L14.5 16 L12.5 15 L11 17 L9.5 15 L7.7 15.6Z" fill="#ffffff"/>')


def leaf():
    return svg('<path d="M5 27 C3 14 12 4 28 4 C28 20 18 29 5 27Z" fill="#8bc34a" stroke="#33691e"/>'
               '<path d="M5 27 C12 20 17 14 24 8 M11 21 h6 M15 17 l-1 -5 M19 13 h5" stroke="#33691e" '
               'fill="none"/>')


def hat():
    return svg('<path d="M16 2 L25 27 H7Z" fill="#ab47bc" stroke="#6a1b9a"/>'
               '<path d="M13 11 L19 11 M11.5 16 L20.5 16 M10 21 L22 21" stroke="#ffeb3b" stroke-width="2"/>'
               '<circle cx="16" cy="3" r="2.5" fill="#ffeb3b"/>'
               '<path d="M5 27 H27" stroke="#6a1b9a" stroke-width="3" stroke-linecap="round"/>')


def turkey():
    feathers = ''.join(f'<ellipse cx="16" cy="9" rx="3" ry="8" fill="{c}" transform="rotate({a} 16 17)"/>'
                       for a, c in ((-60, '#c62828'), (-30, '#ef6c00'), (0, '#fbc02d'), (30, '#ef6c00'),
                                    (60, '#c62828')))
    return svg(feathers + '<ellipse cx="16" cy="21" rx="7" ry="8" fill="#6d4c41"/>'
               '<circle cx="16" cy="13" r="4" fill="#8d6e63"/><circle cx="15" cy="12.5" r="0.8" fill="#000"/>'
               '<path d="M17 13 l2.5 1 -2.5 1z" fill="#fbc02d"/><path d="M16 15 q-1 3 0 4" stroke="#e53935" '
               'stroke-width="1.5" fill="none"/>')


def heart_card():
    return svg('<rect x="3" y="5" width="26" height="22" rx="2" fill="#fce4ec" stroke="#ad1457"/>'
               '<path d="M3 7 L16 18 L29 7" fill="none" stroke="#ad1457"/>'
               '<path d="M16 24 C9 19 9 14 12.5 14 C14.5 14 16 16 16 16 C16 16 17.5 14 19.5 14 C23 14 23 19 16 24Z" '
               'fill="#e91e63"/>')


def snowman():
    return svg('<circle cx="16" cy="22" r="8" fill="#ffffff" stroke="#78909c"/>'
               '<circle cx="16" cy="11" r="5.5" fill="#ffffff" stroke="#78909c"/>'
               '<rect x="11" y="2" width="10" height="3" fill="#263238"/><rect x="13" y="-1" width="6" height="4" '
               'fill="#263238"/>'
               '<circle cx="14" cy="10" r="0.9" fill="#000"/><circle cx="18" cy="10" r="0.9" fill="#000"/>'
               '<path d="M16 12 l4 1 -4 1z" fill="#ff7043"/>'
               '<path d="M11 15.5 h10" stroke="#d32f2f" stroke-width="2"/>'
               '<circle cx="16" cy="20" r="0.9" fill="#000"/><circle cx="16" cy="24" r="0.9" fill="#000"/>')


DRAWN = {f.__name__: f for f in (cake, gift, balloons, tree, pumpkin, egg, bell, candles, flag, fireworks,
                                 gradcap, rings, house, car, bicycle, soccer, basketball, dumbbell, tooth, pill,
                                 book, camera, cart, coin, clock, calendar_page, fish, tent, mountain, leaf, hat,
                                 turkey, heart_card, snowman)}

# Each set: (file stem, badge shape, colours cycled over the symbols, icons).
# An icon is a drawn object's name, or (name, glyph[, size, dy]).
SETS = [
    ('activity', 'square', ['#1e88e5', '#43a047', '#f4511e', '#8e24aa', '#00897b', '#fb8c00', '#3949ab', '#c0ca33'], [
        'soccer', 'basketball', 'bicycle', 'dumbbell', ('swim', '\u2248', 26, -1), 'tent', 'mountain', 'fish',
        ('sailing', '\u2693'), ('music', '\u266b'), ('singing', '\u266a'), ('reading', '\u270d'), 'book',
        ('chess', '\u265e', 22), ('cards', '\u2660'), ('dice', '\u2684', 22), ('draw', '\u270e'),
        ('write', '\u2712'), ('mail', '\u2709'), ('phone', '\u260e'), ('flight', '\u2708'), 'car', 'camera',
        ('gardening', '\u2698'), ('flowers', '\u2740'), 'cart', ('coffee', '\u2615'), ('tools', '\u2692'),
        ('repair', '\u2699'), ('darts', '\u25ce', 22), ('yoga', '\u262f'), ('outing', '\u2691'),
        ('cooking', '\u2668'), ('recycling', '\u267b'),
    ]),
    ('events', 'circle', ['#e53935', '#1e88e5', '#fdd835', '#43a047', '#8e24aa', '#f4511e', '#00acc1', '#6d4c41'], [
        'cake', 'gift', 'balloons', 'hat', 'rings', 'gradcap', 'calendar_page', 'clock', 'heart_card',
        ('love', '\u2764'), ('star', '\u2605'), ('notice', '\u26a0'), ('meeting', '\u260f'),
        ('letter', '\u2709'), ('check', '\u2714'), ('cross', '\u2718'), ('doctor', '\u2695'), 'tooth', 'pill',
        ('dentist', '\u2624'), ('law', '\u2696'), ('baby', '\u2640'), ('boy', '\u2642'), 'house', 'car',
        ('trip', '\u2708'), ('party', '\u266c'), ('sun', '\u2600'), ('rain', '\u2614'), ('payday', '\u20ac'),
        'coin', ('deadline', '\u2691'), ('alert', '\u2762', 22), ('important', '!', 24),
    ]),
    ('holiday', 'square', ['#c62828', '#2e7d32', '#1565c0', '#ef6c00', '#6a1b9a', '#00838f', '#ad1457', '#9e9d24'], [
        'tree', 'snowman', 'bell', 'candles', 'gift', 'pumpkin', 'egg', 'turkey', 'flag', 'fireworks',
        ('snow', '\u2744'), ('flake', '\u2746'), ('star', '\u2605'), ('shamrock', '\u2618'),
        ('valentine', '\u2665'), ('cross', '\u271d'), ('david', '\u2721'), ('crescent', '\u262a'),
        ('peace', '\u262e'), ('wheel', '\u2638'), ('moon', '\u263d'), ('sun', '\u263c'), ('flower', '\u273f'),
        ('blossom', '\u2741'), ('fleur', '\u269c'), ('mothers', '\u2766'), ('music', '\u266b'), 'leaf',
        'heart_card', ('crown', '\u2654'), ('beach', '\u2602'), ('new year', '\u2733'), 'cake',
    ]),
    ('misc1', 'circle', ['#3949ab', '#00897b', '#e53935', '#fdd835', '#6d4c41', '#8e24aa', '#43a047', '#fb8c00'], [
        ('smile', '\u263a'), ('sad', '\u2639'), ('sun', '\u2600'), ('cloud', '\u2601'), ('umbrella', '\u2602'),
        ('snow', '\u2603'), ('lightning', '\u26a1'), ('star', '\u2605'), ('heart', '\u2665'),
        ('diamond', '\u2666'), ('club', '\u2663'), ('spade', '\u2660'), ('check', '\u2713'), ('cross', '\u2717'),
        ('pointer', '\u261e'), ('victory', '\u270c'), ('scissors', '\u2702'), ('pencil', '\u270f'),
        ('mail', '\u2709'), ('phone', '\u260e'), ('plane', '\u2708'), ('anchor', '\u2693'), ('gear', '\u2699'),
        ('atom', '\u269b'), ('warning', '\u26a0'), ('radiation', '\u2622'), ('biohazard', '\u2623'),
        ('skull', '\u2620'), ('recycle', '\u267b'), ('wheelchair', '\u267f'), ('hot', '\u2668'),
        ('coffee', '\u2615'), 'clock', 'calendar_page',
    ]),
    ('misc2', 'square', ['#00838f', '#ad1457', '#558b2f', '#4527a0', '#ef6c00', '#37474f', '#1565c0', '#c62828'], [
        ('aries', '\u2648'), ('taurus', '\u2649'), ('gemini', '\u264a'), ('cancer', '\u264b'), ('leo', '\u264c'),
        ('virgo', '\u264d'), ('libra', '\u264e'), ('scorpio', '\u264f'), ('sagittarius', '\u2650'),
        ('capricorn', '\u2651'), ('aquarius', '\u2652'), ('pisces', '\u2653'), ('king', '\u2654'),
        ('queen', '\u2655'), ('rook', '\u2656'), ('bishop', '\u2657'), ('knight', '\u2658'), ('pawn', '\u2659'),
        ('die one', '\u2680', 22), ('die six', '\u2685', 22), ('flag', '\u2691'), ('swords', '\u2694'),
        ('scales', '\u2696'), ('flask', '\u2697'), ('flower', '\u2698'), ('rain', '\u2614'),
        ('florette', '\u273e'), ('asterisk', '\u273d'), ('sparkle', '\u2747'), ('note', '\u2669'),
        ('notes', '\u266c'), ('yin yang', '\u262f'), 'fish', 'leaf', 'house', 'book',
    ]),
]


def main():
    for stem, shape, colors, icons in SETS:
        folder = os.path.join(OUT, stem)
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):
            os.remove(os.path.join(folder, old))
        k = 0
        for n, icon in enumerate(icons):
            if isinstance(icon, str):
                name, text = icon, DRAWN[icon]()
            else:
                name, glyph = icon[0], icon[1]
                size = icon[2] if len(icon) > 2 else 20
                dy = icon[3] if len(icon) > 3 else 0
                text = badge(glyph, colors[k % len(colors)], shape, size, dy)
                k += 1
            with open(os.path.join(folder, f'{n + 1:02d}-{name.replace(" ", "-")}.svg'), 'w',
                      encoding='utf-8') as f:
                f.write(text)


if __name__ == '__main__':
    main()
