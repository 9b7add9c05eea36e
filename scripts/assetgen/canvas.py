"""A small anti-aliased vector canvas.

Shapes are signed distance functions (negative inside, in pixels). A pixel whose centre is
further than a pixel's half diagonal from the edge is wholly in or out; the rest are
supersampled 4 x 4 and averaged. Colours are composited premultiplied, so a canvas can be
flattened onto white for a BMP or kept with its alpha for an icon.
"""

import math

SS = 4
_OFFSETS = [(i + 0.5) / SS - 0.5 for i in range(SS)]
_HALF_DIAG = 0.75


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


class Shape:
    def __init__(self, bbox, sdf):
        self.bbox = bbox
        self.sdf = sdf

    def __or__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(_bbox_union(self.bbox, other.bbox), lambda x, y: min(a(x, y), b(x, y)))

    def __and__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(_bbox_meet(self.bbox, other.bbox), lambda x, y: max(a(x, y), b(x, y)))

    def __sub__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(self.bbox, lambda x, y: max(a(x, y), -b(x, y)))

    def grow(self, d):
        f = self.sdf
        x0, y0, x1, y1 = self.bbox
        return Shape((x0 - d, y0 - d, x1 + d, y1 + d), lambda x, y: f(x, y) - d)

    def outline(self, width):
        """The band of the given width centred on the edge."""
        f, h = self.sdf, width / 2.0
        x0, y0, x1, y1 = self.bbox
        return Shape((x0 - h, y0 - h, x1 + h, y1 + h), lambda x, y: abs(f(x, y)) - h)

    def move(self, dx, dy):
        f = self.sdf
        x0, y0, x1, y1 = self.bbox
        return Shape((x0 + dx, y0 + dy, x1 + dx, y1 + dy), lambda x, y: f(x - dx, y - dy))

    def rotate(self, degrees, cx, cy):
        """Turned about (cx, cy); positive turns clockwise on screen (y points down)."""
        f = self.sdf
        c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

        def sdf(x, y):
            dx, dy = x - cx, y - cy
            return f(cx + dx * c + dy * s, cy - dx * s + dy * c)

        x0, y0, x1, y1 = self.bbox
        pts = [(x0, y0), (x1, y0), (x0, y1), (x1, y1)]
        turned = [(cx + (px - cx) * c - (py - cy) * s, cy + (px - cx) * s + (py - cy) * c)
                  for px, py in pts]
        xs, ys = [p[0] for p in turned], [p[1] for p in turned]
        return Shape((min(xs), min(ys), max(xs), max(ys)), sdf)


def _bbox_union(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _bbox_meet(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def circle(cx, cy, r):
    return Shape((cx - r, cy - r, cx + r, cy + r), lambda x, y: math.hypot(x - cx, y - cy) - r)


def ellipse(cx, cy, rx, ry):
    k = min(rx, ry)
    return Shape(
        (cx - rx, cy - ry, cx + rx, cy + ry),
        lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k,
    )


def box(x0, y0, x1, y1, r=0.0):
    """Axis-aligned rectangle from (x0, y0) to (x1, y1) with corner radius r."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return Shape((x0, y0, x1, y1), sdf)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    return math.hypot(px - ax - dx * t, py - ay - dy * t)


def stroke(points, width, closed=False):
    """A polyline of the given width with round caps and joins."""
    pts = list(points)
    if closed:
        pts.append(pts[0])
    segs = list(zip(pts, pts[1:])) or [(pts[0], pts[0])]
    h = width / 2.0

    def sdf(x, y):
        return min(segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - h

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape((min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h), sdf)


def arc_points(cx, cy, rx, ry, a0, a1, steps=None):
    """Points along an elliptic arc; angles in degrees, 0 = east, 90 = south (screen)."""
    if steps is None:
        steps = max(4, int(abs(a1 - a0) / 6))
    out = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        out.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return out


def polygon(points):
    """A filled polygon (even-odd), exact distance to its edges."""
    pts = list(points)
    n = len(pts)

    def sdf(x, y):
        d = float("inf")
        inside = False
        j = n - 1
        for i in range(n):
            (xi, yi), (xj, yj) = pts[i], pts[j]
            d = min(d, segment_distance(x, y, xj, yj, xi, yi))
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return -d if inside else d

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape((min(xs), min(ys), max(xs), max(ys)), sdf)


def linear(x0, y0, x1, y1, stops):
    """A paint that runs through colour stops [(t, colour) ...] from (x0,y0) to (x1,y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1.0

    def paint(x, y):
        return _at_stop(stops, ((x - x0) * dx + (y - y0) * dy) / length2)

    return paint


def vertical(y0, y1, top, bottom):
    return linear(0, y0, 0, y1, [(0.0, top), (1.0, bottom)])


def radial(cx, cy, r, stops):
    def paint(x, y):
        return _at_stop(stops, math.hypot(x - cx, y - cy) / r)

    return paint


def turned(paint, degrees, cx, cy):
    """A paint given in a shape's own frame, for a shape turned by rotate() the same way."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def at(x, y):
        dx, dy = x - cx, y - cy
        return paint(cx + dx * c + dy * s, cy - dx * s + dy * c)

    return at


def _at_stop(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        # Premultiplied r, g, b (0..255) and alpha (0..1) per pixel.
        self.rgb = [[(0.0, 0.0, 0.0)] * width for _ in range(height)]
        self.alpha = [[0.0] * width for _ in range(height)]

    def _pixels(self, bbox, pad):
        x0, y0, x1, y1 = bbox
        ys = range(max(0, math.floor(y0 - pad)), min(self.height, math.ceil(y1 + pad)))
        xs = range(max(0, math.floor(x0 - pad)), min(self.width, math.ceil(x1 + pad)))
        for py in ys:
            for px in xs:
                yield px, py

    def coverage(self, shape, px, py):
        f = shape.sdf
        cx, cy = px + 0.5, py + 0.5
        d = f(cx, cy)
        if d > _HALF_DIAG:
            return 0.0
        if d < -_HALF_DIAG:
            return 1.0
        hits = sum(1 for oy in _OFFSETS for ox in _OFFSETS if f(cx + ox, cy + oy) < 0)
        return hits / float(SS * SS)

    def fill(self, shape, paint, opacity=1.0, soft=0.0):
        """Paints the shape; soft > 0 blurs its edge over that many pixels (shadows)."""
        for px, py in self._pixels(shape.bbox, soft + 1):
            if soft > 0:
                t = clamp((soft - shape.sdf(px + 0.5, py + 0.5)) / (2.0 * soft))
                cov = t * t * (3 - 2 * t)
            else:
                cov = self.coverage(shape, px, py)
            if cov > 0:
                colour = paint(px + 0.5, py + 0.5) if callable(paint) else paint
                self.blend(px, py, colour, cov * opacity)

    def blend(self, px, py, colour, a):
        r, g, b = self.rgb[py][px]
        k = 1.0 - a
        self.rgb[py][px] = (r * k + colour[0] * a, g * k + colour[1] * a, b * k + colour[2] * a)
        self.alpha[py][px] = self.alpha[py][px] * k + a

    def erase(self, shape):
        """Cuts the shape out, leaving transparency (for see-through holes)."""
        for px, py in self._pixels(shape.bbox, 1):
            k = 1.0 - self.coverage(shape, px, py)
            if k < 1.0:
                r, g, b = self.rgb[py][px]
                self.rgb[py][px] = (r * k, g * k, b * k)
                self.alpha[py][px] *= k

    def map(self, fn):
        """Replaces each pixel's straight colour by fn(colour)."""
        for py in range(self.height):
            for px in range(self.width):
                a = self.alpha[py][px]
                if a > 0:
                    straight = tuple(v / a for v in self.rgb[py][px])
                    self.rgb[py][px] = tuple(v * a for v in fn(straight))

    def on_background(self, bg=(255, 255, 255)):
        rows = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                a = self.alpha[py][px]
                over = zip(self.rgb[py][px], bg)
                row.append(tuple(_byte(c + bgc * (1.0 - a)) for c, bgc in over))
            rows.append(row)
        return rows

    def with_alpha(self):
        rows = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                a = self.alpha[py][px]
                ab = _byte(a * 255)
                if ab == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append(tuple(_byte(c / a) for c in self.rgb[py][px]) + (ab,))
            rows.append(row)
        return rows


def _byte(v):
    return int(clamp(math.floor(v + 0.5), 0, 255))
