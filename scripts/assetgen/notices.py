"""The 35 x 35 notice pictures beside a page's note, and the 16 x 16 report pictures."""

from .canvas import Canvas, box, circle, ellipse, polygon, radial, stroke, vertical
from .style import BLUE, GREEN, ORANGE, WHITE, WOOD, body, shadow


def _badge(c, ramp):
    disc = circle(17.5, 17, 15)
    shadow(c, disc, dx=0.5, dy=1.2, opacity=0.2, soft=1.4)
    body(c, disc, ramp, line=ramp[2],
         paint=radial(14, 10, 23, [(0.0, ramp[0]), (0.55, ramp[1]), (1.0, ramp[2])]))
    c.fill(ellipse(17.5, 10, 11, 6.5) & disc.grow(-2), WHITE, 0.2)


def warning():
    c = Canvas(35, 35)
    tri = polygon([(17.5, 5.5), (30, 28.5), (5, 28.5)]).grow(2.6)
    shadow(c, tri, dx=0.5, dy=1.2, opacity=0.2, soft=1.4)
    body(c, tri, ORANGE, line=(176, 104, 8))
    c.fill(stroke([(17.5, 12.5), (17.5, 21)], 3.4), (70, 46, 10))
    c.fill(circle(17.5, 26, 1.95), (70, 46, 10))
    return c.on_background()


def info():
    c = Canvas(35, 35)
    _badge(c, BLUE)
    c.fill(circle(17.5, 10.6, 2.3), WHITE)
    c.fill(box(15.5, 14.8, 19.5, 25.5, 1), WHITE)
    c.fill(box(14, 14.8, 19.5, 16.8, 0.8), WHITE)
    c.fill(box(14, 23.6, 21, 25.6, 0.8), WHITE)
    return c.on_background()


def ok():
    c = Canvas(35, 35)
    _badge(c, GREEN)
    check = stroke([(10.5, 17.5), (15.5, 22.5), (25, 11.5)], 3.6)
    c.fill(check.move(0, 0.8), (0, 0, 0), 0.18)
    c.fill(check, WHITE)
    return c.on_background()


def made():
    """Report done: a bold green check."""
    c = Canvas(16, 16)
    check = stroke([(2.8, 8.6), (6.2, 12), (13.2, 4.2)], 2.9)
    c.fill(check.grow(0.75), GREEN[2])
    c.fill(check, vertical(4, 13, GREEN[0], GREEN[1]))
    return c.on_background()


def making():
    """Report in progress: an hourglass with sand running down."""
    c = Canvas(16, 16)
    outline = [(4.2, 2.5), (11.8, 2.5), (8.9, 8), (11.8, 13.5), (4.2, 13.5), (7.1, 8)]
    glass = polygon(outline).grow(0.4)
    c.fill(glass, (120, 136, 160))
    c.fill(glass.grow(-0.8), (236, 242, 250))
    c.fill(polygon([(5.6, 3.6), (10.4, 3.6), (8, 7.8)]) & box(0, 5, 16, 16), ORANGE[1])
    c.fill(polygon([(8, 10), (10.9, 12.7), (5.1, 12.7)]), ORANGE[1])
    c.fill(stroke([(8, 8), (8, 11)], 0.8), ORANGE[2])
    for y in (1.2, 13.2):
        bar = box(3, y, 13, y + 1.9, 0.6)
        c.fill(bar, WOOD[2])
        c.fill(bar.grow(-0.45), WOOD[1])
    return c.on_background()
