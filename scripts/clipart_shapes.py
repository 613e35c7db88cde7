"""Drawing helpers shared by the clip-art pictures (scripts/make-clipart-svgs.py).

Every picture is drawn on a 192 x 192 canvas (two inches at 96 per inch) in
one style: flat colours, a light highlight, and a dark outline of one width.
Shapes that must look as one (a cloud of circles, a curled stem) get their
outline from a darker copy drawn first, so no seam shows where they overlap.
Nothing is left to features the metafile forms cannot hold: no gradients,
no opacity, no clip paths and no text; anything that must stay inside a
shape is cut to it here.
"""
import math

SIZE = 192
INK = '#2f2a3a'
SW = 5

RED = '#e5484d'
ORANGE = '#f7934c'
YELLOW = '#ffd447'
GOLD = '#f2b632'
GREEN = '#5cb85c'
LEAF = '#3f9d5a'
DKGREEN = '#2d7a4a'
BLUE = '#4a90d9'
SKY = '#a7d8f0'
NAVY = '#2f4f8a'
PURPLE = '#9b6bd1'
PINK = '#f49ac1'
BROWN = '#a0693a'
DKBROWN = '#6e4423'
TAN = '#f0c987'
CREAM = '#fff4d6'
WHITE = '#ffffff'
GREY = '#c8ced6'
DKGREY = '#5d6673'
TEAL = '#2fa59a'


def lighten(color, t=0.45):
    r, g, b = (int(color[i:i + 2], 16) for i in (1, 3, 5))
    return '#%02x%02x%02x' % tuple(round(c + (255 - c) * t) for c in (r, g, b))


def darken(color, t=0.25):
    r, g, b = (int(color[i:i + 2], 16) for i in (1, 3, 5))
    return '#%02x%02x%02x' % tuple(round(c * (1 - t)) for c in (r, g, b))


def _paint(fill, stroke, sw):
    s = f'fill="{fill}"' if fill else 'fill="none"'
    if stroke and sw:
        s += f' stroke="{stroke}" stroke-width="{sw:g}" stroke-linejoin="round" stroke-linecap="round"'
    return s


def _tf(rot, about=None):
    if not rot:
        return ''
    cx, cy = about
    return f' transform="rotate({rot:g} {cx:.1f} {cy:.1f})"'


def circle(cx, cy, r, fill, stroke=INK, sw=SW):
    return f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" {_paint(fill, stroke, sw)}/>\n'


def ellipse(cx, cy, rx, ry, fill, stroke=INK, sw=SW, rot=0):
    return (f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" '
            f'{_paint(fill, stroke, sw)}{_tf(rot, (cx, cy))}/>\n')


def rect(x, y, w, h, fill, rx=0, stroke=INK, sw=SW, rot=0):
    return (f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" rx="{rx:g}" '
            f'{_paint(fill, stroke, sw)}{_tf(rot, (x + w / 2, y + h / 2))}/>\n')


def pts(points):
    return ' '.join(f'{x:.1f},{y:.1f}' for x, y in points)


def poly(points, fill, stroke=INK, sw=SW):
    return f'<polygon points="{pts(points)}" {_paint(fill, stroke, sw)}/>\n'


def path(d, fill, stroke=INK, sw=SW):
    return f'<path d="{d}" {_paint(fill, stroke, sw)}/>\n'


def line(points, color=INK, sw=SW):
    return f'<polyline points="{pts(points)}" {_paint(None, color, sw)}/>\n'


def group(body, transform):
    return f'<g transform="{transform}">\n{body}</g>\n'


def strokes(lines, color, width, outline=SW):
    """Thick coloured lines with one outline round all of them."""
    under = ''.join(line(p, INK, width + 2 * outline) for p in lines)
    return under + ''.join(line(p, color, width) for p in lines)


def curve(d, color, width, outline=SW):
    """A thick coloured path (stroke only) with its outline drawn beneath."""
    return path(d, None, INK, width + 2 * outline) + path(d, None, color, width)


def blob(circles, fill, rects=(), outline=SW):
    """Circles and rounded rectangles filled as one shape with one outline."""
    o = outline
    under = ''.join(circle(x, y, r + o, INK, None) for x, y, r in circles)
    under += ''.join(rect(x - o, y - o, w + 2 * o, h + 2 * o, INK, rx + o, None) for x, y, w, h, rx in rects)
    top = ''.join(circle(x, y, r, fill, None) for x, y, r in circles)
    top += ''.join(rect(x, y, w, h, fill, rx, None) for x, y, w, h, rx in rects)
    return under + top


def cloud(cx, cy, s, fill=WHITE):
    """A cloud of four puffs on a flat base, about 120 * s wide."""
    circles = [(cx - 34 * s, cy + 4 * s, 24 * s), (cx - 6 * s, cy - 14 * s, 32 * s),
               (cx + 28 * s, cy - 2 * s, 26 * s), (cx + 46 * s, cy + 12 * s, 16 * s)]
    rects = [(cx - 58 * s, cy + 4 * s, 120 * s, 24 * s, 12 * s)]
    return blob(circles, fill, rects)


def star_points(cx, cy, r, inner=0.45, n=5, rot=-90):
    out = []
    for k in range(2 * n):
        rr = r if k % 2 == 0 else r * inner
        a = math.radians(rot + k * 180 / n)
        out.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return out


def star(cx, cy, r, fill, inner=0.45, n=5, stroke=INK, sw=SW, rot=-90):
    return poly(star_points(cx, cy, r, inner, n, rot), fill, stroke, sw)


def ngon(cx, cy, r, n=72, rot=0.0):
    return [(cx + r * math.cos(rot + 2 * math.pi * k / n), cy + r * math.sin(rot + 2 * math.pi * k / n))
            for k in range(n)]


def ellipse_points(cx, cy, rx, ry, n=72, rot=0):
    c, s = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    out = []
    for k in range(n):
        t = 2 * math.pi * k / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        out.append((cx + x * c - y * s, cy + x * s + y * c))
    return out


def _area(points):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1])) / 2


def clip(subject, window):
    """Sutherland-Hodgman: the part of a polygon inside a convex window."""
    if _area(window) < 0:
        window = window[::-1]
    out = list(subject)
    for (ax, ay), (bx, by) in zip(window, window[1:] + window[:1]):
        if not out:
            break
        src, out = out, []

        def inside(p):
            return (bx - ax) * (p[1] - ay) - (by - ay) * (p[0] - ax) >= 0

        def cross(p, q):
            ex, ey = bx - ax, by - ay
            dx, dy = q[0] - p[0], q[1] - p[1]
            den = ex * dy - ey * dx
            t = -(ex * (p[1] - ay) - ey * (p[0] - ax)) / den if den else 0
            return p[0] + t * dx, p[1] + t * dy

        for i, cur in enumerate(src):
            prev = src[i - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(cross(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(cross(prev, cur))
    return out


def clip_line(p0, p1, window):
    """The part of a segment inside a convex window, or None."""
    if _area(window) < 0:
        window = window[::-1]
    t0, t1 = 0.0, 1.0
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    for (ax, ay), (bx, by) in zip(window, window[1:] + window[:1]):
        nx, ny = -(by - ay), bx - ax  # inward normal
        num = nx * (p0[0] - ax) + ny * (p0[1] - ay)
        den = nx * dx + ny * dy
        if den == 0:
            if num < 0:
                return None
        elif den > 0:
            t0 = max(t0, -num / den)
        else:
            t1 = min(t1, -num / den)
    if t0 >= t1:
        return None
    return [(p0[0] + t0 * dx, p0[1] + t0 * dy), (p0[0] + t1 * dx, p0[1] + t1 * dy)]


def inset(points, d):
    """A convex polygon moved inwards by d (through its centroid)."""
    cx = sum(x for x, _ in points) / len(points)
    cy = sum(y for _, y in points) / len(points)
    out = []
    for x, y in points:
        r = math.hypot(x - cx, y - cy)
        k = max(r - d, 0) / r if r else 0
        out.append((cx + (x - cx) * k, cy + (y - cy) * k))
    return out


def point_at(polyline, s):
    """The point at arc length s along a polyline, and the unit normal there."""
    run = 0.0
    for (x0, y0), (x1, y1) in zip(polyline, polyline[1:]):
        seg = math.hypot(x1 - x0, y1 - y0)
        if seg and (run + seg >= s or (x1, y1) == polyline[-1]):
            t = min(max((s - run) / seg, 0), 1)
            return (x0 + t * (x1 - x0), y0 + t * (y1 - y0)), (-(y1 - y0) / seg, (x1 - x0) / seg)
        run += seg
    raise ValueError('empty polyline')


def along(centre, width, start, end, step=2.0):
    """The band of a polyline from arc length start to end, width wide, as a polygon."""
    n = max(1, math.ceil((end - start) / step))
    left, right = [], []
    for k in range(n + 1):
        (x, y), (nx, ny) = point_at(centre, start + (end - start) * k / n)
        left.append((x + nx * width / 2, y + ny * width / 2))
        right.append((x - nx * width / 2, y - ny * width / 2))
    return left + right[::-1]


def length(polyline):
    return sum(math.hypot(x1 - x0, y1 - y0) for (x0, y0), (x1, y1) in zip(polyline, polyline[1:]))


def teardrop(cx, cy, s, fill, stroke=INK, sw=SW, rot=0):
    """A drop with its point up, round part of radius s centred at (cx, cy)."""
    d = (f'M {cx:.1f},{cy - 2.1 * s:.1f} C {cx + 0.5 * s:.1f},{cy - 1.2 * s:.1f} {cx + s:.1f},{cy - 0.6 * s:.1f} '
         f'{cx + s:.1f},{cy:.1f} A {s:.1f} {s:.1f} 0 0 1 {cx - s:.1f},{cy:.1f} '
         f'C {cx - s:.1f},{cy - 0.6 * s:.1f} {cx - 0.5 * s:.1f},{cy - 1.2 * s:.1f} {cx:.1f},{cy - 2.1 * s:.1f} Z')
    body = path(d, fill, stroke, sw)
    return group(body, f'rotate({rot} {cx:.1f} {cy:.1f})') if rot else body


def flame(cx, cy, s):
    """A candle flame standing on (cx, cy)."""
    return teardrop(cx, cy - s, s, YELLOW, INK, 3) + teardrop(cx, cy - 0.8 * s, 0.5 * s, ORANGE, None, 0)


def leaf(cx, cy, length_, width, rot, fill, veins=True):
    """A pointed leaf from its stalk end (cx, cy) pointing along rot degrees."""
    h = length_
    w = width / 2
    d = (f'M 0,0 C {w * 0.9:.1f},{-h * 0.15:.1f} {w * 1.2:.1f},{-h * 0.6:.1f} 0,{-h:.1f} '
         f'C {-w * 1.2:.1f},{-h * 0.6:.1f} {-w * 0.9:.1f},{-h * 0.15:.1f} 0,0 Z')
    body = path(d, fill)
    if veins:
        vc = darken(fill, 0.3)
        body += line([(0, -h * 0.08), (0, -h * 0.82)], vc, 2.5)
        for k, reach in ((0.26, 0.6), (0.44, 0.55), (0.62, 0.38)):
            body += line([(0, -h * k), (w * reach, -h * (k + 0.1))], vc, 2)
            body += line([(0, -h * k), (-w * reach, -h * (k + 0.1))], vc, 2)
    return group(body, f'translate({cx:.1f},{cy:.1f}) rotate({rot + 90:g})')


def svg(body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n{body}</svg>\n')
