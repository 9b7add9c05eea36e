"""The shared look of the page icons and notices: one palette, one outline weight, one
light from above, one soft shadow."""

from .canvas import mix, vertical

INK = (46, 56, 74)
WHITE = (255, 255, 255)
BLUE = ((118, 182, 246), (44, 112, 204), (26, 74, 152))
STEEL = ((246, 248, 251), (204, 210, 219), (150, 158, 171))
DARK = ((104, 112, 128), (62, 68, 82), (36, 40, 50))
GREEN = ((140, 214, 120), (62, 162, 72), (34, 112, 48))
PCB = ((70, 170, 104), (36, 128, 78), (22, 92, 56))
GOLD = ((252, 226, 134), (226, 174, 56), (168, 118, 26))
RED = ((246, 112, 96), (214, 58, 46), (160, 32, 26))
ORANGE = ((255, 222, 104), (248, 178, 36), (200, 120, 10))
WOOD = ((240, 210, 160), (214, 170, 110), (170, 124, 70))
SKIN = ((252, 222, 194), (238, 190, 152), (206, 150, 112))
HAIR = ((120, 84, 56), (88, 58, 38), (60, 38, 24))

OUTLINE = 1.1


def grad(shape, ramp):
    """Light-from-above paint for a shape: the ramp's light end at its top."""
    y0, y1 = shape.bbox[1], shape.bbox[3]
    return vertical(y0, y1, ramp[0], ramp[2] if len(ramp) > 2 else ramp[-1])


def soft_grad(shape, ramp):
    y0, y1 = shape.bbox[1], shape.bbox[3]
    return vertical(y0, y1, ramp[0], ramp[1])


def body(c, shape, ramp, line=None, paint=None):
    """A solid object: outlined, filled with a top-lit gradient of its ramp."""
    edge = line if line is not None else mix(ramp[2], INK, 0.55)
    c.fill(shape, edge)
    inner = shape.grow(-OUTLINE)
    c.fill(inner, paint if paint is not None else grad(shape, ramp))


def shadow(c, shape, dx=0.8, dy=1.6, opacity=0.22, soft=1.6):
    c.fill(shape.move(dx, dy), (0, 0, 0), opacity, soft=soft)


def shine(c, shape, opacity=0.35):
    """A highlight line just inside the top edge of a body."""
    band = shape.grow(-OUTLINE) - shape.grow(-OUTLINE).move(0, 1.0)
    c.fill(band, WHITE, opacity)


def grey_out(colour):
    """Drained, faded look for an absent device."""
    lum = 0.3 * colour[0] + 0.59 * colour[1] + 0.11 * colour[2]
    return tuple(lum * 0.55 + 255 * 0.45 for _ in range(3))
