"""The window's skin: one grey frame around the white page area, cut into the four skin
pictures, plus the highlight bar, its mark, the page corners, the colour spectrum and the
spectrum arrow.

Skin pixels are pure grey. At run time each channel becomes g + tint + shine - 244
(clamped), so a level g shows as the chosen hue at brightness g + 11 + shine; levels below
about 220 keep the hue fully saturated, which is why the frame lives between 150 and 215.
"""

import math

from .canvas import Canvas, box, clamp, polygon

WIDTH, HEIGHT = 777, 553
MENU_WIDTH = 170
PAGE = (170, 31, 746, 522)  # the white page area: x0, y0, x1, y1 (exclusive)
BAND_TOP, BAND_HEIGHT, BANDS = 49, 35, 13


def _noise(x, y, seed):
    """Deterministic hash noise in [-1, 1)."""
    n = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 32768.0 - 1.0


def _edge_distance(x, y):
    """Distance from the point to the page area's rectangle (0 inside)."""
    x0, y0, x1, y1 = PAGE
    dx = max(x0 - x, 0.0, x - x1)
    dy = max(y0 - y, 0.0, y - y1)
    return math.hypot(dx, dy)


def _rim(d):
    """A soft inset edge: the frame darkens in the two pixels that meet the page."""
    if d < 1.0:
        return -12.0
    if d < 2.0:
        return -5.0
    return 0.0


def _separator(x, y):
    """Faint engraved lines between the menu bands, fading out towards both ends."""
    if x >= MENU_WIDTH or y < BAND_TOP - 1 or y > BAND_TOP + BAND_HEIGHT * BANDS:
        return 0.0
    offset = (y - BAND_TOP) % BAND_HEIGHT
    if offset not in (0, BAND_HEIGHT - 1):
        return 0.0
    fade = clamp(min((x - 12) / 28.0, (156 - x) / 28.0))
    return fade * (7.0 if offset == 0 else -9.0)


def _base(x, y):
    g = 197.0 - 27.0 * y / (HEIGHT - 1)
    g += 1.3 * _noise(0, y, 7) + 0.7 * _noise(x, y, 11)  # brushed, barely visible
    if x == 0 or y == 0:
        g += 12.0
    elif x == 1 or y == 1:
        g += 5.0
    if x == WIDTH - 1 or y == HEIGHT - 1:
        g -= 14.0
    return g + _separator(x, y)


def frame_grey(x, y):
    """Grey level of the frame at pixel (x, y)."""
    return _base(x, y) + _rim(_edge_distance(x + 0.5, y + 0.5))


def _grey_rows(x0, y0, w, h):
    rows = []
    for y in range(y0, y0 + h):
        row = []
        for x in range(x0, x0 + w):
            v = int(clamp(round(frame_grey(x, y)), 0, 255))
            row.append((v, v, v))
        rows.append(row)
    return rows


def skin_pictures():
    return {
        "SkinMenu": _grey_rows(0, 0, MENU_WIDTH, HEIGHT),
        "SkinTop": _grey_rows(170, 0, 576, 31),
        "SkinBottom": _grey_rows(170, 522, 576, 31),
        "SkinRight": _grey_rows(746, 0, 31, HEIGHT),
    }


def corner(index):
    """Corner 1..4: top-left, top-right, bottom-right, bottom-left of the page area.

    Plain page white. Only the five skin pictures are tinted at run time; a corner shown as
    it is can hold no frame colour, or a grey notch would show against every tinted frame.
    The page therefore meets the frame square, and the frame's own rim draws the edge.
    """
    if index not in (1, 2, 3, 4):
        raise ValueError("corner index %r" % (index,))
    return [[(255, 255, 255)] * 4 for _ in range(4)]


def bar():
    """The highlight bar: a brighter, gently domed band with a lit top and a shadowed foot."""
    rows = []
    for y in range(35):
        g = 239.0 - 24.0 * y / 34.0
        if y == 0:
            g = 252.0
        elif y == 1:
            g = 246.0
        elif y == 33:
            g = 204.0
        elif y == 34:
            g = 162.0
        row = []
        for x in range(170):
            v = g
            if x == 0 and 0 < y < 34:
                v += 6.0
            v = int(clamp(round(v), 0, 255))
            row.append((v, v, v))
        rows.append(row)
    return rows


def bar_mark():
    """A white tab at the bar's right end that opens it into the page, with a dark pointer
    aimed at the entry's name. The mark is never tinted, so no pixel of it tries to match
    the bar's colour."""
    c = Canvas(7, 13)
    c.fill(box(0, 0, 7, 13), (255, 255, 255))
    # The pointer's back edge sits on a pixel boundary, so no half-grey column shows.
    c.fill(polygon([(1.0, 6.5), (6.0, 2.0), (6.0, 11.0)]), (84, 84, 84))
    return [[(v, v, v) for v, _, _ in row] for row in c.on_background()]


def spectrum():
    """211 x 11: black top and bottom rows, nine rows of a saturated hue sweep with key
    colours every 35 columns (red, yellow, green, cyan, blue, magenta, red)."""
    keys = [(255, 0, 0), (255, 255, 0), (0, 255, 0), (0, 255, 255), (0, 0, 255), (255, 0, 255),
            (255, 0, 0)]
    sweep = []
    for col in range(211):
        k, step = divmod(col, 35)
        if k == 6:
            sweep.append(keys[6])
            continue
        a, b = keys[k], keys[k + 1]
        # Round half up; 255 * step / 35 never lands on a half anyway.
        sweep.append(tuple(math.floor(ca + (cb - ca) * step / 35.0 + 0.5) for ca, cb in zip(a, b)))
    black = [(0, 0, 0)] * 211
    return [black] + [list(sweep) for _ in range(9)] + [black]


def arrow():
    """9 x 5: a solid up-pointing arrow, black on white, its tip on the centre column."""
    rows = []
    for y in range(5):
        rows.append([(0, 0, 0) if abs(x - 4) <= y else (255, 255, 255) for x in range(9)])
    return rows
