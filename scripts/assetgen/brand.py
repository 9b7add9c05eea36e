"""The product's mark and everything built from it: the menu logo, the About logo, the
window icon, and the hand cursor."""

from . import font
from .canvas import Canvas, box, circle, ellipse, linear, stroke, vertical

BRAND_TOP = (86, 170, 250)
BRAND_MID = (38, 118, 222)
BRAND_LOW = (22, 74, 168)
BRAND_EDGE = (16, 52, 120)
WORD_DARK = (24, 64, 138)
WORD_GREY = (112, 120, 134)


def emblem(c, x, y, size, edge=True):
    """The mark: a blue rounded tile with a white H whose bar rises like a signal trace."""
    r = size * 0.22
    tile = box(x, y, x + size, y + size, r)
    paint = linear(0, y, 0, y + size, [(0.0, BRAND_TOP), (0.55, BRAND_MID), (1.0, BRAND_LOW)])
    if edge:
        c.fill(tile, BRAND_EDGE)
        c.fill(tile.grow(-max(0.8, size / 40.0)), paint)
    else:
        c.fill(tile, paint)
    # A soft gloss over the upper half.
    gloss = ellipse(x + size * 0.5, y - size * 0.18, size * 0.78, size * 0.55) & tile.grow(-size / 30.0)
    c.fill(gloss, (255, 255, 255), 0.16)
    w = max(1.6, size * 0.13)
    left, right = x + size * 0.30, x + size * 0.70
    top, bottom = y + size * 0.24, y + size * 0.76
    mid = y + size * 0.5
    glyph = (stroke([(left, top), (left, bottom)], w)
             | stroke([(right, top), (right, bottom)], w)
             | stroke([(left, mid + size * 0.06), (x + size * 0.46, mid + size * 0.06),
                       (x + size * 0.53, mid - size * 0.07), (right, mid - size * 0.07)], w * 0.85))
    c.fill(glyph.move(0, size * 0.02), BRAND_EDGE, 0.35)
    c.fill(glyph, (255, 255, 255))


def menu_logo():
    """20 x 20, square-edged so it sits cleanly on any skin colour."""
    c = Canvas(20, 20)
    c.fill(box(0, 0, 20, 20), (200, 200, 200))
    emblem(c, 0, 0, 20)
    return c.on_background((188, 188, 188))


def logo():
    """295 x 72 on white: the mark, then the maker's name above the product's name."""
    c = Canvas(295, 72)
    c.fill(ellipse(35, 67.5, 26, 2.6), (0, 0, 0), 0.12, soft=2.5)
    emblem(c, 6, 6, 58)
    x = 80
    for shape in font.text_shapes("Brenlow", x + 1, 22, 13, 0.17, tracking=0.16):
        c.fill(shape, WORD_GREY)
    paint = vertical(28, 62, (40, 104, 196), WORD_DARK)
    for shape in font.text_shapes("Harvala", x, 62, 33, 0.20):
        c.fill(shape, paint)
    return c.on_background()


def window_icon_images():
    images = []
    for size in (16, 32, 48):
        c = Canvas(size, size)
        if size >= 32:
            c.fill(box(1, 2, size - 1, size, size * 0.22), (0, 0, 0), 0.18, soft=1.0)
            emblem(c, 1, 1, size - 2)
        else:
            emblem(c, 0, 0, size)
        images.append(c.with_alpha())
    return images


# The hand: '#' outline, 'o' fill, '.' see-through; the fingertip is the hotspot.
_HAND = [
    "......##..........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo###.......",
    ".....#oo#oo###....",
    ".....#oo#oo#oo##..",
    ".....#oo#oo#oo#o#.",
    ".##..#oo#oo#oo#oo#",
    "#oo#.#oooooooooo#",
    "#ooo##ooooooooooo#",
    ".#ooo#ooooooooooo#",
    "..#oooooooooooooo#",
    "..#oooooooooooooo#",
    "...#ooooooooooooo#",
    "...#oooooooooooo#.",
    "....#ooooooooooo#.",
    "....#ooooooooooo#.",
    ".....#ooooooooo#..",
    ".....#ooooooooo#..",
    ".....###########..",
]
HAND_HOTSPOT = (6, 0)


def cursor():
    rows = []
    for y in range(32):
        line = _HAND[y] if y < len(_HAND) else ""
        row = []
        for x in range(32):
            ch = line[x] if x < len(line) else "."
            if ch == "#":
                row.append((0, 0, 0, 255))
            elif ch == "o":
                row.append((255, 255, 255, 255))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows
