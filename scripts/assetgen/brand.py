"""The product's mark and everything built from it: the menu logo, the About logo, the
window icon, and the hand cursor."""

from . import font
from .canvas import Canvas, box, ellipse, linear, vertical

BRAND_TOP = (86, 170, 250)
BRAND_MID = (38, 118, 222)
BRAND_LOW = (22, 74, 168)
BRAND_EDGE = (16, 52, 120)
WORD_DARK = (24, 64, 138)
WORD_GREY = (112, 120, 134)


def emblem(c, x, y, size, edge=True):
    """The mark: a blue rounded tile with a white H."""
    r = size * 0.22
    tile = box(x, y, x + size, y + size, r)
    paint = linear(0, y, 0, y + size, [(0.0, BRAND_TOP), (0.55, BRAND_MID), (1.0, BRAND_LOW)])
    if edge:
        c.fill(tile, BRAND_EDGE)
        c.fill(tile.grow(-max(0.8, size / 40.0)), paint)
    else:
        c.fill(tile, paint)
    gloss = ellipse(x + size * 0.5, y - size * 0.18, size * 0.78, size * 0.55)
    gloss = gloss & tile.grow(-size / 30.0)
    c.fill(gloss, (255, 255, 255), 0.16)
    emblem_glyph(c, x, y, size)


def emblem_glyph(c, x, y, size):
    """The white H of the mark for a tile of the given size at (x, y), snapped to whole
    pixels so it stays crisp down to 16 x 16."""
    sw = max(2, round(size * 0.14))
    lx = round(size * 0.27)
    top = round(size * 0.24)
    bottom = size - top
    bar_top = (size - sw) // 2
    cap = sw * 0.3 if size > 24 else 0.0
    glyph = (box(x + lx, y + top, x + lx + sw, y + bottom, cap)
             | box(x + size - lx - sw, y + top, x + size - lx, y + bottom, cap)
             | box(x + lx, y + bar_top, x + size - lx, y + bar_top + sw))
    c.fill(glyph.move(0, max(1.0, size * 0.025)), BRAND_EDGE, 0.35)
    c.fill(glyph, (255, 255, 255))


def menu_logo():
    """20 x 20, square-edged so it sits cleanly on any skin colour."""
    c = Canvas(20, 20)
    paint = linear(0, 0, 0, 20, [(0.0, BRAND_TOP), (0.55, BRAND_MID), (1.0, BRAND_LOW)])
    c.fill(box(0, 0, 20, 20), BRAND_EDGE)
    c.fill(box(1, 1, 19, 19), paint)
    c.fill(box(1, 1, 19, 2), (255, 255, 255), 0.25)
    emblem_glyph(c, 0, 0, 20)
    return c.on_background()


def logo():
    """295 x 72 on white: the mark, then the maker's name above the product's name."""
    c = Canvas(295, 72)
    c.fill(ellipse(35, 67.5, 26, 2.6), (0, 0, 0), 0.12, soft=2.5)
    emblem(c, 6, 6, 58)
    x = 80
    for shape in font.text_shapes("Brenlow", x + 1.5, 19, 12.5, 0.17, tracking=0.2):
        c.fill(shape, WORD_GREY)
    paint = vertical(25, 63, (44, 110, 204), WORD_DARK)
    for shape in font.text_shapes("Harvala", x, 63, 38, 0.20):
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
    ".....##..........",
    "....#oo#.........",
    "....#oo#.........",
    "....#oo#.........",
    "....#oo#.........",
    "....#oo###.......",
    "....#oo#oo###....",
    "....#oo#oo#oo###.",
    "....#oo#oo#oo#oo#",
    "....#oo#oo#oo#oo#",
    ".##.#oo#oo#oo#oo#",
    "#oo##oo#oo#oo#oo#",
    "#ooo#ooooooooooo#",
    ".#oo#ooooooooooo#",
    ".#oooooooooooooo#",
    "..#ooooooooooooo#",
    "..#oooooooooooo#.",
    "...#ooooooooooo#.",
    "...#ooooooooooo#.",
    "....#oooooooooo#.",
    "....#ooooooooo#..",
    ".....#oooooooo#..",
    ".....##########..",
]
HAND_HOTSPOT = (5, 0)


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
