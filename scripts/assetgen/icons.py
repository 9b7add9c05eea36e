"""The 48 x 48 page icons, drawn on white."""

import colorsys
import math

from .canvas import (Canvas, arc_points, box, circle, ellipse, linear, polygon, radial, stroke,
                     turned, vertical)
from .style import (BLUE, DARK, GOLD, GREEN, HAIR, INK, ORANGE, PCB, RED, SKIN, STEEL, WHITE,
                    WOOD, body, grad, grey_out, shadow, shine)

SIZE = 48


def _ground(c, cx, y, rx):
    c.fill(ellipse(cx, y, rx, 2.2), (0, 0, 0), 0.16, soft=2.0)


def summary(c):
    board = box(9, 6, 39, 45, 3.5)
    shadow(c, board)
    body(c, board, BLUE)
    paper = box(12.5, 10.5, 35.5, 42, 1.2)
    c.fill(paper, (226, 232, 240))
    c.fill(paper.grow(-0.8), vertical(10, 42, WHITE, (246, 248, 251)))
    clip = box(17, 3, 31, 11.5, 2.5)
    body(c, clip, STEEL)
    c.fill(box(21.5, 5, 26.5, 7.5, 1.25), INK)
    bullets = [BLUE[1], GREEN[1], ORANGE[1], BLUE[1], GREEN[1]]
    for i, colour in enumerate(bullets):
        y = 17 + i * 5.0
        c.fill(circle(17.2, y, 1.6), colour)
        end = 31.5 if i % 2 == 0 else 28.0
        c.fill(stroke([(21, y), (end, y)], 1.6), (150, 160, 176))


def user(c):
    _ground(c, 24, 45, 16)
    shoulders = box(6.5, 28, 41.5, 52, 12) & box(0, 0, 48, 45)
    body(c, shoulders, BLUE)
    shine(c, shoulders, 0.3)
    collar = polygon([(19, 28.5), (29, 28.5), (24, 35)])
    c.fill(collar, WHITE)
    neck = box(20.5, 24, 27.5, 30, 2)
    c.fill(neck, SKIN[2])
    head = circle(24, 16.5, 9.5)
    c.fill(head.grow(1.4), WHITE)
    body(c, head, SKIN, paint=radial(21, 13, 13, [(0.0, SKIN[0]), (1.0, SKIN[1])]))
    fringe = box(0, 0, 48, 14.5) | circle(17, 12, 4.5)
    hair = (circle(24, 16.5, 9.5) & fringe) - circle(30, 22, 9.6)
    c.fill(hair.grow(-0.6), grad(hair, HAIR))


def computer(c):
    _ground(c, 22, 44.5, 20)
    screen = box(2.5, 8, 32, 31, 2)
    body(c, screen, DARK)
    c.fill(box(5, 10.5, 29.5, 27.5, 0.6),
           linear(5, 10, 29, 28, [(0.0, (132, 196, 250)), (1.0, (36, 100, 196))]))
    c.fill(polygon([(5, 10.5), (17, 10.5), (9, 27.5), (5, 27.5)]), WHITE, 0.16)
    c.fill(box(14, 31, 20.5, 37), DARK[1])
    body(c, box(9.5, 36.5, 25, 40, 1.5), STEEL)
    tower = box(29, 4, 45.5, 44, 2.5)
    shadow(c, tower, dx=-1.2, dy=0.8, opacity=0.3)
    body(c, tower, STEEL)
    shine(c, tower)
    for y in (9, 14):
        c.fill(box(32, y, 42.5, y + 3.2, 0.8), DARK[1])
        c.fill(box(33.5, y + 1.2, 41, y + 2), DARK[0])
    for i in range(4):
        c.fill(stroke([(33, 24 + i * 2.4), (41.5, 24 + i * 2.4)], 1.0), STEEL[2])
    c.fill(circle(37.25, 38, 2.6), INK)
    led = radial(36.6, 37.3, 2.4, [(0.0, (150, 235, 140)), (1.0, GREEN[1])])
    c.fill(circle(37.25, 38, 1.7), led)


def system(c):
    back = box(13, 4, 45, 30, 2.5)
    shadow(c, back)
    body(c, back, STEEL)
    c.fill(box(14.1, 5.1, 43.9, 10, 1.5), vertical(5, 10, (200, 208, 220), (168, 178, 194)))
    win = box(3, 12, 37, 43, 2.5)
    shadow(c, win, opacity=0.28)
    body(c, win, BLUE, line=BLUE[2])
    c.fill(box(4.1, 19, 35.9, 41.9, 1.5), WHITE)
    c.fill(box(4.1, 19, 35.9, 20), (206, 216, 230))
    for i, colour in enumerate(((255, 255, 255), (255, 255, 255), RED[1])):
        x = 24 + i * 4.0
        c.fill(box(x, 14.2, x + 3, 17.2, 0.6), colour, 0.95)
    c.fill(box(6.5, 22, 13.5, 39.5, 0.8), vertical(22, 40, (222, 234, 250), (196, 216, 244)))
    for i in range(4):
        y = 23.5 + i * 4.2
        c.fill(stroke([(16.5, y), (33 - 4 * (i % 2), y)], 1.5), (150, 162, 180))
    c.fill(box(16, 39, 33.5, 40, 0.5), (222, 228, 236))


def processor(c):
    pins = GOLD
    for i in range(6):
        p = 14 + i * 4.0
        for shape in (box(p - 1.1, 5, p + 1.1, 12), box(p - 1.1, 36, p + 1.1, 43),
                      box(5, p - 1.1, 12, p + 1.1), box(36, p - 1.1, 43, p + 1.1)):
            c.fill(shape, pins[2])
            c.fill(shape.grow(-0.5), pins[1])
    chip = box(10, 10, 38, 38, 2.5)
    shadow(c, chip, opacity=0.3)
    body(c, chip, DARK, line=INK)
    shine(c, chip, 0.22)
    die = box(16.5, 16.5, 31.5, 31.5, 1.5)
    metal = linear(16, 16, 32, 32, [(0.0, GOLD[0]), (0.6, GOLD[1]), (1.0, GOLD[2])])
    body(c, die, GOLD, paint=metal)
    c.fill(box(18.5, 18.5, 29.5, 29.5, 0.8).outline(0.8), GOLD[2], 0.5)
    c.fill(circle(13.5, 13.5, 1.2), (180, 188, 200))


def memory(c):
    _ground(c, 24, 39.5, 21)
    notches = box(23.3, 34, 25.7, 40, 0.5) | circle(3, 27, 1.8) | circle(45, 27, 1.8)
    board = box(3, 13, 45, 37, 1.5) - notches
    body(c, board, PCB)
    shine(c, board, 0.25)
    for i in range(4):
        x = 6 + i * 9.5
        chip = box(x, 16, x + 7.5, 28, 0.8)
        c.fill(chip.move(0.5, 0.8), (0, 0, 0), 0.25)
        body(c, chip, DARK, line=INK)
        c.fill(box(x + 1.6, 17.4, x + 5.9, 18.4), DARK[0], 0.8)
    for i in range(20):
        x = 4.9 + i * 2.0
        if 22.5 < x < 26.5:
            continue
        c.fill(box(x, 30.5, x + 1.3, 36), GOLD[1])
        c.fill(box(x, 30.5, x + 1.3, 31.3), GOLD[0])


def hard_drive(c):
    _ground(c, 24, 45.5, 17)
    case = box(8, 3, 40, 45, 3)
    body(c, case, STEEL)
    shine(c, case)
    for x, y in ((11, 6), (37, 6), (11, 42), (37, 42)):
        c.fill(circle(x, y, 1.3), STEEL[2])
    platter = circle(24, 19.5, 13)
    c.fill(platter.grow(0.8), STEEL[2])
    c.fill(platter, radial(20, 15, 19, [(0.0, (250, 252, 255)), (0.6, (196, 204, 216)),
                                          (1.0, (160, 170, 186))]))
    for r in (5.5, 9, 11.5):
        c.fill(circle(24, 19.5, r).outline(0.5), (150, 160, 176), 0.35)
    c.fill(circle(24, 19.5, 3.2), DARK[1])
    c.fill(circle(24, 19.5, 1.4), STEEL[1])
    arm = polygon([(32.2, 38.5), (37.6, 35.6), (28.6, 21.4), (26.2, 22.6)])
    c.fill(arm.move(0.6, 1.0), (0, 0, 0), 0.25, soft=0.8)
    body(c, arm, DARK, line=INK)
    c.fill(box(25, 20, 29, 24.2, 0.8), DARK[2])
    c.fill(circle(35, 37.5, 4), INK)
    c.fill(circle(35, 37.5, 3.1), radial(34, 36.5, 4, [(0.0, STEEL[0]), (1.0, STEEL[2])]))
    c.fill(circle(35, 37.5, 1.1), DARK[1])
    c.fill(box(11, 36, 22, 41, 0.8), vertical(36, 41, (120, 130, 146), (92, 100, 116)))


def bios(c):
    _ground(c, 24, 39.5, 18)
    for i in range(7):
        x = 11 + i * 4.3
        for shape in (box(x - 1.2, 10, x + 1.2, 16, 0.4), box(x - 1.2, 32, x + 1.2, 38, 0.4)):
            c.fill(shape, STEEL[2])
            c.fill(shape.grow(-0.55), STEEL[0])
    chip = box(6, 14, 42, 34, 1.8) - circle(6, 24, 3.2)
    body(c, chip, DARK, line=INK)
    shine(c, chip, 0.22)
    label = box(13, 17.5, 37, 30.5, 1)
    c.fill(label, linear(13, 17, 37, 31, [(0.0, (255, 250, 228)), (1.0, (236, 226, 190))]))
    c.fill(box(13, 17.5, 37, 21, 1) & box(13, 17.5, 37, 21), BLUE[1])
    for i in range(2):
        y = 24.2 + i * 3.2
        c.fill(stroke([(16, y), (34 - 6 * i, y)], 1.3), (120, 116, 100))
    c.fill(circle(9.5, 30.5, 1.0), (150, 158, 172))


def display(c):
    screen = box(3, 5, 45, 35, 3)
    shadow(c, screen)
    body(c, screen, DARK, line=INK)
    shine(c, screen, 0.2)
    inner = box(6, 8, 42, 31.5, 0.8)
    c.fill(inner, linear(6, 8, 42, 32, [(0.0, (150, 210, 252)), (0.55, (60, 136, 224)),
                                         (1.0, (28, 80, 170))]))
    hill = inner & (circle(14, 44, 17) | circle(36, 46, 18))
    c.fill(hill, vertical(27, 32, (82, 170, 96), (44, 120, 62)), 0.9)
    c.fill(inner & polygon([(6, 8), (27, 8), (14, 31.5), (6, 31.5)]), WHITE, 0.13)
    c.fill(circle(39.5, 33.3, 0.8), (120, 220, 120))
    neck = polygon([(20, 35), (28, 35), (29.5, 41.5), (18.5, 41.5)])
    body(c, neck, STEEL)
    foot = box(12, 40.5, 36, 44.5, 2)
    body(c, foot, STEEL)


def keyboard_mouse(c):
    _ground(c, 23, 41, 22)
    kb = box(1.5, 13, 37, 37, 2.5)
    shadow(c, kb, opacity=0.18)
    body(c, kb, DARK, line=INK)
    shine(c, kb, 0.25)
    for row in range(3):
        y = 16.5 + row * 4.4
        for col in range(7):
            x = 4.4 + col * 4.4 + (row % 2) * 1.3
            if x + 3.4 > 34.5:
                continue
            _key(c, box(x, y, x + 3.4, y + 3.4, 0.7))
    _key(c, box(11, 29.7, 27.5, 33.1, 0.7))
    mouse = box(32.5, 20, 46, 43, 6.6)
    shadow(c, mouse, dx=-1.0, dy=1.2, opacity=0.3)
    body(c, mouse, STEEL)
    shine(c, mouse, 0.5)
    c.fill(stroke([(33.6, 29.5), (45, 29.5)], 0.9), STEEL[2])
    c.fill(stroke([(39.25, 21), (39.25, 29.5)], 0.9), STEEL[2])
    c.fill(box(38.4, 22.8, 40.1, 27.2, 0.85), DARK[1])


def _key(c, key):
    c.fill(key.move(0, 0.6), DARK[2])
    c.fill(key, vertical(key.bbox[1], key.bbox[3], WHITE, (226, 231, 238)))


def _usb_stick(c):
    angle, cx, cy = -38.0, 24.0, 25.0

    def put(shape):
        return shape.rotate(angle, cx, cy)

    def paint(shape, ramp):
        return turned(grad(shape, ramp), angle, cx, cy)

    plug = box(33, 19.5, 45, 30.5, 1)
    c.fill(put(plug), STEEL[2])
    c.fill(put(plug.grow(-1)), paint(plug, STEEL))
    for y in (22, 26):
        c.fill(put(box(37.5, y, 40.5, y + 2.5, 0.4)), INK)
    stick = box(5, 16, 35, 34, 4)
    c.fill(put(stick).move(0.8, 1.8), (0, 0, 0), 0.22, soft=1.6)
    c.fill(put(stick), BLUE[2])
    c.fill(put(stick.grow(-1.1)), paint(stick, BLUE))
    grip = box(11, 19.5, 29, 30.5, 2.5)
    c.fill(put(grip), (32, 88, 172))
    c.fill(put(grip.grow(-0.8)), paint(grip, ((70, 140, 226), (50, 118, 210), (40, 100, 190))))
    c.fill(put(circle(8.5, 25, 1.8)), WHITE)
    c.fill(put(circle(31.5, 25, 1.1)), (130, 240, 130))


def _cross_badge(c):
    disc = circle(36.5, 36.5, 9)
    c.fill(disc.grow(1.5), WHITE)
    body(c, disc, RED)
    mark = stroke([(33, 33), (40, 40)], 2.6) | stroke([(40, 33), (33, 40)], 2.6)
    c.fill(mark, WHITE)


def removable(c, present):
    _usb_stick(c)
    if not present:
        c.map(grey_out)
        _cross_badge(c)


def _disc(c):
    disc = circle(24, 24, 20.5)
    shadow(c, disc, opacity=0.2)

    def sheen(x, y):
        # Iridescence: hues run twice round the disc, strongest on two opposite diagonals.
        a = math.atan2(y - 24, x - 24)
        hue = colorsys.hsv_to_rgb((a / math.pi + 1.0) % 1.0, 0.55, 1.0)
        k = 0.55 * math.sin(2 * a + 0.6) ** 2
        base = 212 + 30 * (1 - math.hypot(x - 24, y - 24) / 21)
        return tuple(base + (255 * h - base) * k for h in hue)

    c.fill(disc, (150, 158, 172))
    c.fill(disc.grow(-0.9), sheen)
    for a0 in (-70, 110):
        wedge = polygon([(24, 24)] + arc_points(24, 24, 30, 30, a0, a0 + 35))
        c.fill(disc.grow(-0.9) & wedge, WHITE, 0.45)
    c.fill(circle(24, 24, 8), (200, 206, 216))
    c.fill(circle(24, 24, 7.2), (232, 236, 242))
    c.fill(circle(24, 24, 5.2).outline(0.7), (170, 178, 190))
    c.fill(circle(24, 24, 3.2), (150, 158, 172))
    c.fill(circle(24, 24, 2.4), WHITE)


def disc(c, present):
    _disc(c)
    if not present:
        c.map(grey_out)
        _cross_badge(c)


def other_hardware(c):
    speaker = polygon([(3, 11), (10, 11), (19, 3), (19, 31), (10, 23), (3, 23)])
    shadow(c, speaker)
    body(c, speaker, DARK, line=INK)
    c.fill(box(4.2, 12.2, 9.5, 21.8, 0.5), DARK[0], 0.6)
    for r, op in ((6.5, 1.0), (11.5, 0.8), (16.5, 0.6)):
        c.fill(stroke(arc_points(20, 17, r, r, -40, 40), 2.4), BLUE[1], op)
    batt = box(18, 30, 41, 43, 2)
    shadow(c, batt)
    body(c, batt, STEEL)
    c.fill(box(41, 33.5, 44, 39.5, 1), STEEL[2])
    charge = box(20.5, 32.5, 34.5, 40.5, 1)
    c.fill(charge, grad(charge, GREEN))
    c.fill(box(20.5, 32.5, 34.5, 34, 1), WHITE, 0.3)
    c.fill(stroke([(27.5, 34), (25.5, 37), (29.5, 37), (27.5, 40)], 1.2), WHITE, 0.9)


def customise(c):
    palette = (ellipse(23, 25, 20.5, 16.5) - circle(15, 32, 3.6)
               - ellipse(3.5, 30, 4.5, 3.2))
    shadow(c, palette)
    body(c, palette, WOOD)
    shine(c, palette, 0.4)
    c.fill(circle(15, 32, 3.6).outline(1.1), WOOD[2])
    blobs = [((13, 20), RED), ((21, 14), ORANGE), ((30, 15), GREEN), ((36.5, 22), BLUE),
             ((33, 30.5), ((226, 150, 240), (168, 84, 196), (120, 50, 150)))]
    for (x, y), ramp in blobs:
        blob = circle(x, y, 3.4)
        c.fill(blob.move(0.3, 0.8), (0, 0, 0), 0.18)
        paint = radial(x - 1.2, y - 1.2, 4.5, [(0.0, ramp[0]), (0.7, ramp[1]), (1.0, ramp[2])])
        c.fill(blob, paint)
    brush = stroke([(27, 45), (40, 34)], 3.2)
    c.fill(brush.move(0.6, 1), (0, 0, 0), 0.2)
    c.fill(brush, vertical(33, 46, (90, 110, 150), (50, 60, 90)))
    ferrule = stroke([(40, 34), (42.3, 32)], 3.6)
    c.fill(ferrule, (200, 206, 216))
    tip = polygon([(41.5, 30.2), (44.3, 33.2), (47.5, 27.5)])
    c.fill(tip, BLUE[1])


def about(c):
    disc = circle(24, 24, 19.5)
    shadow(c, disc)
    body(c, disc, BLUE, line=BLUE[2], paint=radial(20, 14, 28, [(0.0, BLUE[0]), (0.55, BLUE[1]),
                                                               (1.0, BLUE[2])]))
    c.fill(ellipse(24, 15, 14, 9) & disc.grow(-2), WHITE, 0.18)
    c.fill(circle(24, 14.5, 2.9), WHITE)
    c.fill(box(21.3, 20.5, 26.7, 35, 1.3), WHITE)
    c.fill(box(19.5, 20.5, 26.7, 23, 1), WHITE)
    c.fill(box(19.5, 32.5, 28.5, 35, 1), WHITE)


PAGE_ICONS = {
    "Sec1": summary,
    "Sec2": user,
    "Sec3": computer,
    "Sec4": system,
    "Sec5": processor,
    "Sec6": memory,
    "Sec7": hard_drive,
    "Sec8": bios,
    "Sec9": display,
    "Sec10": keyboard_mouse,
    "Sec11a": lambda c: removable(c, True),
    "Sec11b": lambda c: removable(c, False),
    "Sec12a": lambda c: disc(c, True),
    "Sec12b": lambda c: disc(c, False),
    "Sec13": other_hardware,
    "IOpc": customise,
    "IAC": about,
}


def page_icon(name):
    c = Canvas(SIZE, SIZE)
    PAGE_ICONS[name](c)
    return c.on_background()
