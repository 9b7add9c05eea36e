"""A rounded geometric stroke font, just the letters of the product's name.

Glyphs are centre lines in units of the cap height, y up from the baseline; they are drawn
as strokes with round caps and joins, so the stroke ratio is part of the design.
"""

import math

from .canvas import Shape, segment_distance

X_HEIGHT = 0.72
TRACKING = 0.085
SPACE = 0.30


def _arc(cx, cy, r, a0, a1):
    steps = max(6, int(abs(a1 - a0) / 5))
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def _round(s):
    h = s / 2.0
    r = (X_HEIGHT - s) / 2.0
    return h, r, 2 * r + s


def _glyph_H(s):
    h, w = s / 2.0, 0.80
    return w, [[(h, h), (h, 1 - h)], [(w - h, h), (w - h, 1 - h)], [(h, 0.5), (w - h, 0.5)]]


def _glyph_B(s):
    h, w, m = s / 2.0, 0.64, 0.545
    rb = (m - h) / 2.0
    rt = (1 - h - m) / 2.0
    xb = w - h - rb
    xt = xb - 0.05
    top = [(h, 1 - h), (xt, 1 - h)] + _arc(xt, (1 - h + m) / 2, rt, 90, -90) + [(h, m)]
    bottom = [(h, m), (xb, m)] + _arc(xb, (m + h) / 2, rb, 90, -90) + [(h, h)]
    return w, [[(h, h), (h, 1 - h)], top, bottom]


def _glyph_r(s):
    h, r = s / 2.0, 0.25
    cy = X_HEIGHT - h - r
    end = 62
    w = h + r + r * math.cos(math.radians(end)) + h
    return w, [[(h, h), (h, X_HEIGHT - h)], _arc(h + r, cy, r, 180, end)]


def _glyph_e(s):
    h, r, w = _round(s)
    cy = X_HEIGHT / 2.0
    return w, [[(h, cy), (w - h, cy)] + _arc(h + r, cy, r, 0, 318)]


def _glyph_n(s):
    h, w = s / 2.0, 0.60
    r = (w - s) / 2.0
    cy = X_HEIGHT - h - r
    return w, [[(h, h), (h, X_HEIGHT - h)], _arc(h + r, cy, r, 180, 0) + [(w - h, h)]]


def _glyph_l(s):
    h = s / 2.0
    return s, [[(h, h), (h, 1.02 - h)]]


def _glyph_o(s):
    h, r, w = _round(s)
    return w, [_arc(h + r, X_HEIGHT / 2.0, r, 0, 360)]


def _glyph_a(s):
    h, r, w = _round(s)
    return w, [_arc(h + r, X_HEIGHT / 2.0, r, 0, 360), [(w - h, h), (w - h, X_HEIGHT - h)]]


def _glyph_v(s):
    h, w = s / 2.0, 0.62
    return w, [[(h, X_HEIGHT - h), (w / 2.0, h), (w - h, X_HEIGHT - h)]]


def _glyph_w(s):
    h, w = s / 2.0, 0.94
    return w, [[(h, X_HEIGHT - h), (w * 0.27, h), (w / 2.0, X_HEIGHT - h - 0.06),
                (w * 0.73, h), (w - h, X_HEIGHT - h)]]


GLYPHS = {
    "H": _glyph_H, "B": _glyph_B, "r": _glyph_r, "e": _glyph_e, "n": _glyph_n,
    "l": _glyph_l, "o": _glyph_o, "a": _glyph_a, "v": _glyph_v, "w": _glyph_w,
}


def _strokes_shape(lines, width):
    segs = [(a, b) for line in lines for a, b in zip(line, line[1:])]
    h = width / 2.0

    def sdf(x, y):
        return min(segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - h

    xs = [p[0] for line in lines for p in line]
    ys = [p[1] for line in lines for p in line]
    return Shape((min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h), sdf)


def text_width(text, cap, ratio, tracking=TRACKING):
    total = 0.0
    for i, ch in enumerate(text):
        total += SPACE if ch == " " else GLYPHS[ch](ratio)[0]
        if i + 1 < len(text):
            total += tracking
    return total * cap


def text_shapes(text, x, baseline, cap, ratio, tracking=TRACKING):
    """One shape per glyph of the text, its left edge at x, on the given baseline (px)."""
    shapes = []
    for ch in text:
        if ch == " ":
            x += (SPACE + tracking) * cap
            continue
        width, lines = GLYPHS[ch](ratio)
        placed = [[(x + px * cap, baseline - py * cap) for px, py in line] for line in lines]
        shapes.append(_strokes_shape(placed, ratio * cap))
        x += (width + tracking) * cap
    return shapes
