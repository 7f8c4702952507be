#!/usr/bin/env python3
"""Draws every picture of the game as RGBA PNG files.

Usage: draw_pictures.py [output_dir [icons_dir]]
       (default: the folder of this script, and ../icons beside it)

Each picture is a list of shapes given in 1x pixel coordinates.  They are
rendered twice: NAME.png at 1x and NAME@2x.png at 2x for high-DPI screens.
At 1x the shapes are point-sampled and outlined morphologically so the
edges and 1px outlines stay crisp; at 2x the same shapes are anti-aliased
from their signed distance, which keeps the two sizes looking alike.
The program icon is also drawn on its own at each desktop icon size.

Only the standard library is used so anyone can regenerate the files, and
the output is byte-for-byte deterministic.
"""

import math
import os
import struct
import sys
import zlib

# Outline width in 1x pixels as drawn at 2x: slightly finer than a doubled
# 1x outline, which looks heavy on a high-DPI screen.
OUTLINE_2X = 0.8


# --------------------------------------------------------------------------
# Shapes: signed distance functions (negative inside) with a bounding box.

class Shape:
    def __init__(self, f, bbox):
        self.f = f
        self.bbox = bbox  # (x0, y0, x1, y1) in 1x coordinates

    def __or__(self, other):
        a, b = self.f, other.f
        return Shape(lambda x, y: min(a(x, y), b(x, y)),
                     _bbox_union(self.bbox, other.bbox))

    def __and__(self, other):
        a, b = self.f, other.f
        return Shape(lambda x, y: max(a(x, y), b(x, y)),
                     _bbox_inter(self.bbox, other.bbox))

    def __sub__(self, other):
        a, b = self.f, other.f
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.bbox)

    def grow(self, d):
        """Offsets the outline outwards by d (inwards when negative)."""
        f = self.f
        x0, y0, x1, y1 = self.bbox
        m = max(d, 0)
        return Shape(lambda x, y: f(x, y) - d, (x0 - m, y0 - m, x1 + m, y1 + m))


def _bbox_union(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _bbox_inter(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def union(*shapes):
    out = shapes[0]
    for s in shapes[1:]:
        out = out | s
    return out


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r,
                 (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry, angle=0.0):
    """Ellipse, optionally rotated by angle (degrees, clockwise on screen)."""
    ca = math.cos(math.radians(angle))
    sa = math.sin(math.radians(angle))

    def f(x, y):
        dx, dy = x - cx, y - cy
        px = dx * ca + dy * sa
        py = -dx * sa + dy * ca
        k0 = math.hypot(px / rx, py / ry)
        if k0 < 1e-9:
            return -min(rx, ry)
        k1 = math.hypot(px / (rx * rx), py / (ry * ry))
        return k0 * (k0 - 1.0) / k1

    r = max(rx, ry)
    return Shape(f, (cx - r, cy - r, cx + r, cy + r))


def box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx = abs(x - cx) - hx
        qy = abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r

    return Shape(f, (x0, y0, x1, y1))


def _seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def line(ax, ay, bx, by, r):
    return Shape(lambda x, y: _seg_dist(x, y, ax, ay, bx, by) - r,
                 (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def polyline(pts, r):
    segs = list(zip(pts, pts[1:]))

    def f(x, y):
        return min(_seg_dist(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - r

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(f, (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r))


def polygon(pts):
    n = len(pts)
    edges = [(pts[i], pts[(i + 1) % n]) for i in range(n)]

    def f(x, y):
        d = min(_seg_dist(x, y, a[0], a[1], b[0], b[1]) for a, b in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y):
                if x < ax + (y - ay) * (bx - ax) / (by - ay):
                    inside = not inside
        return -d if inside else d

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(f, (min(xs), min(ys), max(xs), max(ys)))


def star(cx, cy, ro, ri, points=5, angle=-90.0):
    pts = []
    for i in range(points * 2):
        a = math.radians(angle + i * 180.0 / points)
        r = ro if i % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


def snap(v):
    """Centre of the 1x pixel containing v: small odd-sized details placed
    there come out symmetric and clean at 1x."""
    return math.floor(v) + 0.5


def bezier(p0, p1, p2, n=12):
    """Points along a quadratic curve (endpoints included)."""
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                    u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return out


def half_plane_below(y0):
    """Everything above the line y = y0 (used to cut shapes flat)."""
    return Shape(lambda x, y: y - y0, (-1e4, -1e4, 1e4, y0))


# --------------------------------------------------------------------------
# Colours and shading helpers.

def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    n = max(len(c1), len(c2))
    a = tuple(c1) + (255,) * (n - len(c1))
    b = tuple(c2) + (255,) * (n - len(c2))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(n))


def ball_shade(cx, cy, rx, ry, dark, mid, light, lx=-0.55, ly=-0.65):
    """Colour function for a lit sphere-ish body, light from upper left."""
    def f(x, y):
        nx, ny = (x - cx) / rx, (y - cy) / ry
        t = nx * lx + ny * ly  # -1 (away from light) .. 1 (towards it)
        if t >= 0:
            return mix(mid, light, t * 1.3)
        return mix(mid, dark, -t * 1.2)
    return f


def column_shade(cx, hw, dark, mid, light):
    """Colour function for a vertical cylinder lit from the left."""
    def f(x, y):
        t = (x - cx) / hw
        if t < -0.1:
            return mix(mid, light, (-t - 0.1) * 1.8)
        return mix(mid, dark, (t + 0.1) * 1.0)
    return f


# --------------------------------------------------------------------------
# Rendering.

class Canvas:
    def __init__(self, w, h, scale, outline=OUTLINE_2X):
        self.w, self.h, self.s = w, h, scale
        self.W, self.H = round(w * scale), round(h * scale)
        self.ow = outline  # outline width when anti-aliased, in 1x pixels
        # premultiplied RGBA, 0..1
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.W * self.H)]

    def _blend(self, i, j, color, cov):
        if cov <= 0:
            return
        a = (color[3] / 255.0 if len(color) > 3 else 1.0) * min(cov, 1.0)
        p = self.px[j * self.W + i]
        k = 1.0 - a
        p[0] = color[0] / 255.0 * a + p[0] * k
        p[1] = color[1] / 255.0 * a + p[1] * k
        p[2] = color[2] / 255.0 * a + p[2] * k
        p[3] = a + p[3] * k

    def draw(self, shape, fill, outline=None):
        """Paints a shape; fill is a colour or a function (x, y) -> colour."""
        s = self.s
        x0, y0, x1, y1 = shape.bbox
        i0 = max(0, int(math.floor(x0 * s)) - 2)
        j0 = max(0, int(math.floor(y0 * s)) - 2)
        i1 = min(self.W, int(math.ceil(x1 * s)) + 2)
        j1 = min(self.H, int(math.ceil(y1 * s)) + 2)
        if i0 >= i1 or j0 >= j1:
            return
        f = shape.f
        colour = fill if callable(fill) else (lambda x, y: fill)
        if s == 1:
            self._draw_crisp(f, colour, outline, i0, j0, i1, j1)
        else:
            self._draw_smooth(f, colour, outline, i0, j0, i1, j1)

    def _draw_crisp(self, f, colour, outline, i0, j0, i1, j1):
        inside = {}
        for j in range(j0, j1):
            for i in range(i0, i1):
                if f(i + 0.5, j + 0.5) < 0:
                    inside[(i, j)] = True
        for (i, j) in sorted(inside):
            if outline is not None and not (
                    (i - 1, j) in inside and (i + 1, j) in inside and
                    (i, j - 1) in inside and (i, j + 1) in inside):
                self._blend(i, j, outline, 1.0)
            else:
                self._blend(i, j, colour(i + 0.5, j + 0.5), 1.0)

    def _draw_smooth(self, f, colour, outline, i0, j0, i1, j1):
        s = self.s
        ow = self.ow
        for j in range(j0, j1):
            y = (j + 0.5) / s
            for i in range(i0, i1):
                x = (i + 0.5) / s
                d = f(x, y)
                cov = 0.5 - d * s
                if cov <= 0:
                    continue
                c = colour(x, y)
                if outline is not None:
                    t = 0.5 - (d + ow) * s
                    if t < 1:
                        c = mix(outline, c, t)
                self._blend(i, j, c, cov)

    def png(self):
        rows = []
        for j in range(self.H):
            row = bytearray([0])
            for i in range(self.W):
                r, g, b, a = self.px[j * self.W + i]
                if a <= 0.0:
                    row += b'\0\0\0\0'
                    continue
                row += bytes((
                    _byte(r / a), _byte(g / a), _byte(b / a), _byte(a)))
            rows.append(bytes(row))
        raw = b''.join(rows)

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack(
                '>I', zlib.crc32(body) & 0xffffffff)

        header = struct.pack('>IIBBBBB', self.W, self.H, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
                chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def _byte(v):
    return max(0, min(255, int(v * 255.0 + 0.5)))


# --------------------------------------------------------------------------
# Palette.

INK = (22, 26, 22)
GREEN_D = (28, 112, 42)
GREEN = (62, 168, 58)
GREEN_L = (136, 214, 92)
RIB = (30, 104, 40)
SPINE = (255, 232, 60)
AREOLE = (255, 250, 205)
GOLD_D = (205, 140, 10)
GOLD = (255, 204, 40)
GOLD_L = (255, 244, 160)
GOLD_INK = (92, 54, 0)
RED_D = (160, 12, 24)
RED = (226, 32, 44)
RED_L = (255, 120, 110)
RED_INK = (70, 0, 8)
WHITE = (255, 255, 255)


# --------------------------------------------------------------------------
# Plants (59 x 56).  Everything stands on the bottom edge, centred on x = 29.5.

PW, PH = 59, 56
PCX = PW / 2


def spine_cluster(parts, x, y, arm):
    """A pale areole with four yellow spines; 45 degree spines from a pixel
    centre stay one clean pixel wide at 1x."""
    x, y = snap(x), snap(y)
    sp = union(*[line(x, y, x + dx * arm, y + dy * arm, 0.36)
                 for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1))])
    parts.append((sp, SPINE, None))
    parts.append((circle(x, y, 0.6), AREOLE, None))


def top_tuft(parts, x, y, arm):
    x, y = snap(x), snap(y)
    sp = union(line(x, y, x, y - arm - 1, 0.36),
               line(x, y, x - arm, y - arm, 0.36),
               line(x, y, x + arm, y - arm, 0.36))
    parts.append((sp, SPINE, None))
    parts.append((circle(x, y, 0.6), AREOLE, None))


def side_spines(parts, x_edge, y, side, arm):
    """Spines sticking out of the silhouette; drawn before the body so the
    body hides their roots."""
    x, y = snap(x_edge - side * 1.0), snap(y)
    sp = union(line(x, y, x + side * (arm + 1.5), y, 0.36),
               line(x, y, x + side * (arm + 1), y - arm - 1, 0.36))
    parts.append((sp, SPINE, None))


def round_cactus(d):
    rx = d / 2
    ry = d / 2 * 0.93
    cut = ry * 0.16
    cx, cy = PCX, PH - ry + cut
    top = cy - ry
    body = ellipse(cx, cy, rx, ry) & half_plane_below(PH)
    inner = body.grow(-1.4)

    def rib_x(off, y):
        return cx + off * math.sqrt(max(0.0, 1 - ((y - cy) / ry) ** 2))

    parts = []
    arm = 1.3
    for fy in {22: (-0.35, 0.2), 34: (-0.45, 0.0, 0.4), 48: (-0.55, -0.15, 0.25)}[d]:
        y = cy + fy * ry
        for side in (-1, 1):
            side_spines(parts, rib_x(side * rx, y), y, side, 1.0)

    parts.append((body, ball_shade(cx, cy, rx, ry, GREEN_D, GREEN, GREEN_L), INK))
    ribs = {22: (-6, 0, 6), 34: (-12, -6, 0, 6, 12),
            48: (-18, -12, -6, 0, 6, 12, 18)}[d]
    for off in ribs:
        pts = [(rib_x(off, y), y) for y in
               (top + (PH - top) * k / 24 for k in range(25))]
        parts.append((polyline(pts, 0.45) & inner, RIB, None))

    # areoles sit on the ribs, staggered so the ball looks evenly dotted
    step = {22: 6, 34: 7, 48: 7}[d]
    for idx, off in enumerate(ribs):
        y = top + 4 + (step // 2 if idx % 2 else 0) + abs(off) * 0.25
        while y < PH - 3:
            x = rib_x(off, y)
            if inner.f(x, y) < -arm:
                spine_cluster(parts, x, y, arm)
            y += step
    top_tuft(parts, cx, top + 1.5, arm + 0.5)
    return parts


def column_cactus(h, w):
    hw = w / 2
    top = PH - h
    capy = top + hw
    body = union(circle(PCX, capy, hw), box(PCX - hw, capy, PCX + hw, PH + 2)) \
        & half_plane_below(PH)
    inner = body.grow(-1.4)

    def rib_x(off, y):
        if y >= capy:
            return PCX + off
        return PCX + off * math.sqrt(max(0.0, 1 - ((y - capy) / hw) ** 2))

    parts = []
    arm = 1.3
    y = capy + 3
    while y < PH - 3:
        for side in (-1, 1):
            side_spines(parts, PCX + side * hw, y, side, 1.0)
        y += 10

    parts.append((body, column_shade(PCX, hw, GREEN_D, GREEN, GREEN_L), INK))
    ribs = {16: (-4, 0, 4), 20: (-5, 0, 5), 24: (-8, -3, 3, 8)}[w]
    for off in ribs:
        pts = [(rib_x(off, top + (capy - top) * k / 16), top + (capy - top) * k / 16)
               for k in range(17)] + [(PCX + off, PH)]
        parts.append((polyline(pts, 0.45) & inner, RIB, None))

    step = {16: 6, 20: 7, 24: 7}[w]
    for idx, off in enumerate(ribs):
        y = capy + (step // 2 if idx % 2 else 0) - 1
        while y < PH - 3:
            x = rib_x(off, y)
            if inner.f(x, y) < -arm:
                spine_cluster(parts, x, y, arm)
            y += step
    top_tuft(parts, PCX, top + 1.5, arm + 0.5)
    return parts


# --------------------------------------------------------------------------
# Pots (59 x 36).  Rim at the top rows.

TW, TH = 59, 36


def tubo1():
    ink = (66, 28, 10)
    dark, mid, light = (150, 66, 30), (204, 104, 52), (236, 150, 96)
    body = polygon([(8, 7), (51, 7), (45.5, 36), (13.5, 36)])
    rim = box(3.5, 0, 55.5, 10, 1.5)
    return [
        (body, column_shade(PCX, 20, dark, mid, light), ink),
        # shadow cast by the rim
        (box(8, 9, 51, 12) & body.grow(-1), (160, 74, 36), None),
        (rim, column_shade(PCX, 27, dark, (216, 116, 62), light), ink),
        (line(6, 2.2, 53, 2.2, 0.5), (242, 168, 118), None),
    ]


def tubo2():
    ink = (6, 30, 36)
    dark, mid, light = (10, 62, 70), (22, 98, 108), (58, 148, 156)
    lace, lace_d = (200, 236, 255), (120, 180, 236)
    body = polygon([(6, 4), (53, 4), (46.5, 36), (12.5, 36)])
    rim = box(3.5, 0, 55.5, 7, 1.5)
    parts = [(body, column_shade(PCX, 22, dark, mid, light), ink)]
    inner = body.grow(-1)
    # lace: a band with a scalloped lower edge, a hole in every scallop
    xs = [PCX + 6 * k for k in range(-4, 5)]
    scallops = union(*[circle(x, 12.5, 3.2) for x in xs])
    parts.append(((box(0, 6, 59, 12.5) | scallops) & inner, lace, None))
    parts.append((union(*[circle(x, 12.5, 0.9) for x in xs]) & inner, lace_d, None))
    parts.append((line(4, 9.5, 55, 9.5, 0.45) & inner, lace_d, None))
    # 2x2 dots at whole-pixel corners, staggered
    for row, y in enumerate((21, 26, 31)):
        for k in range(-4, 5):
            x = round(PCX + 0.5 + 6 * k + (3 if row % 2 else 0))
            if inner.f(x, y) < -2.5:
                parts.append((circle(x, y, 1.0), (255, 220, 60), None))
    parts.append((rim, column_shade(PCX, 27, dark, (28, 112, 122), light), ink))
    parts.append((line(6, 2.5, 53, 2.5, 0.5), (96, 176, 182), None))
    return parts


def tubo3():
    ink = (98, 64, 0)
    dark, mid, light = (222, 164, 16), (252, 210, 46), (255, 240, 140)
    r = 5
    body = polygon([(5 + r, r), (54 - r, r), (49.5 - r, 36 - r), (9.5 + r, 36 - r)]).grow(r)
    return [
        (body, column_shade(PCX, 23, dark, mid, light), ink),
        (line(7.5, 3.5, 51.5, 3.5, 0.5), (238, 184, 30), None),
        (line(14, 9, 15.5, 28, 1.0), (255, 246, 190), None),
    ]


# --------------------------------------------------------------------------
# 32 x 32 icons.

def okan():
    parts = []
    crown = polygon([(5, 26), (3.5, 10), (10.5, 17), (16, 6), (21.5, 17), (28.5, 10), (27, 26)])
    parts.append((crown, ball_shade(16, 14, 14, 14, GOLD_D, GOLD, GOLD_L), GOLD_INK))
    for x, y, r in ((3.5, 9, 2.2), (16, 5, 2.0), (28.5, 9, 2.2)):
        parts.append((circle(x, y, r), ball_shade(x, y, 2.2, 2.2, GOLD_D, GOLD, GOLD_L), GOLD_INK))
    band = box(4, 21, 28, 27, 1)
    parts.append((band, ball_shade(16, 22, 14, 8, GOLD_D, GOLD, GOLD_L), GOLD_INK))
    for x in (8, 24):
        parts.append((circle(x, 24, 1.3), (60, 120, 230), None))
    parts.append((circle(16, 18.5, 4.2), ball_shade(16, 18.5, 4.2, 4.2, RED_D, RED, RED_L), RED_INK))
    parts.append((circle(14.7, 17.2, 1.1), (255, 220, 220), None))
    return parts


def bow():
    parts = []
    shade = ball_shade(16, 12, 16, 16, RED_D, RED, RED_L)
    for sgn in (-1, 1):
        # tail: a ribbon with a V cut at its end
        x0, y0, x1, y1 = 16 + sgn * 0.5, 16.0, 16 + sgn * 7.0, 28.0
        ln = math.hypot(x1 - x0, y1 - y0)
        dx, dy = (x1 - x0) / ln, (y1 - y0) / ln
        nx, ny = -dy, dx
        tail = polygon([(x0 + nx * 1.8, y0 + ny * 1.8), (x1 + nx * 2.8, y1 + ny * 2.8),
                        (x1 - dx * 2.4, y1 - dy * 2.4),
                        (x1 - nx * 2.8, y1 - ny * 2.8), (x0 - nx * 1.8, y0 - ny * 1.8)])
        parts.append((tail, shade, RED_INK))
    for sgn in (-1, 1):
        def X(v, sgn=sgn):
            return 16 + sgn * v
        loop = ellipse(X(11), 12.5, 3.8, 7.6) | \
            polygon([(X(1), 10.5), (X(11), 4.9), (X(11), 20.1), (X(1), 16)])
        parts.append((loop, shade, RED_INK))
        parts.append((ellipse(X(8.2), 12.8, 3.0, 3.8) & loop.grow(-1.5), RED_D, None))
        parts.append((line(X(12), 7.5, X(13.5), 10.5, 0.6) & loop.grow(-1.5), RED_L, None))
    parts.append((box(12, 9, 20, 18, 2), ball_shade(16, 13.5, 4, 5, RED_D, RED, RED_L), RED_INK))
    parts.append((line(14.5, 11.5, 14.5, 15.5, 0.5), RED_L, None))
    return parts


def hana1():
    blue_d, blue, blue_l = (10, 40, 140), (40, 100, 230), (130, 190, 255)
    return [
        (ellipse(16, 16, 11.5, 14.5), ball_shade(16, 16, 11.5, 14.5, GOLD_D, GOLD, GOLD_L), GOLD_INK),
        (ellipse(16, 16, 8.5, 11.5), ball_shade(16, 16, 8.5, 11.5, blue_d, blue, blue_l, 0.5, 0.6), (14, 28, 90)),
        (ellipse(16, 16, 4.5, 6.5), ball_shade(16, 16, 4.5, 6.5, blue_d, blue, blue_l), None),
        (ellipse(12.5, 10.5, 1.8, 3.0, 25), (235, 245, 255), None),
        (circle(19.5, 22, 0.9), (200, 230, 255), None),
    ]


def hana2():
    ink = (40, 20, 0)
    pts = [(5, 4), (27, 4)] + bezier((27, 15), (27, 24), (16, 29.5))[0:] + \
        bezier((16, 29.5), (5, 24), (5, 15))
    shield = polygon(pts)
    inner = shield.grow(-2.2)

    def split(x, y):
        if x < 16:
            return mix((200, 24, 36), (236, 60, 60), (16 - x) / 14)
        return mix((30, 70, 200), (20, 40, 150), (x - 16) / 14)
    return [
        (shield, ball_shade(16, 14, 14, 16, GOLD_D, GOLD, GOLD_L), ink),
        (inner, split, (90, 50, 0)),
        (star(16, 15.5, 6.8, 2.8), (255, 240, 120), ink),
    ]


def pale1():
    pink_d, pink, pink_l = (214, 110, 160), (255, 178, 212), (255, 244, 250)
    ink = (110, 30, 70)
    cx, cy, rx, ry = 16, 8, 11.5, 17.5
    # walk the lower half of an ellipse and drop a pearl every `gap` pixels
    pts, prev, acc = [], None, 0.0
    for k in range(2001):
        a = math.radians(90 - 104 * k / 2000)
        p = (cx + rx * math.cos(a), cy + ry * math.sin(a))
        if prev:
            acc += math.hypot(p[0] - prev[0], p[1] - prev[1])
        prev = p
        if acc >= 5.0:
            pts.append(p)
            acc = 0.0
    pts = pts[:6]
    parts = [(polyline([(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
                        for a in range(-14, 195, 4)], 0.4), (150, 60, 100), None)]
    # one side's pearls and their mirror images; the big one hangs centred
    for x, y in reversed(pts):
        x, y = snap(x), snap(y)
        for px in (x, 32 - x):
            parts.append((circle(px, y, 2.5), ball_shade(px, y, 2.5, 2.5, pink_d, pink, pink_l), ink))
            parts.append((circle(px - 1, y - 1, 0.6), WHITE, None))
    y = cy + ry + 0.5
    parts.append((circle(16, y, 3.0), ball_shade(16, y, 3, 3, pink_d, pink, pink_l), ink))
    parts.append((circle(15, y - 1, 0.75), WHITE, None))
    return parts


def pale2():
    parts = []
    cx, cy, rx, ry = 16, 4, 11, 14.5
    link_ink = (120, 72, 0)

    def at(deg):
        t = math.radians(deg)
        return cx + rx * math.cos(t), cy + ry * math.sin(t)

    # 1x: too small for open links, so a gold strand with a dark edge and
    # alternating light and dark beads reads as chain
    path = [at(d) for d in range(-8, 189, 2)]
    parts.append((polyline(path, 1.05), link_ink, None, (1,)))
    parts.append((polyline(path, 0.5), GOLD, None, (1,)))
    for k, d in enumerate(range(-6, 187, 8)):
        x, y = at(d)
        parts.append((circle(snap(x), snap(y), 0.45), GOLD_L if k % 2 else GOLD_D, None, (1,)))

    # 2x: real links, alternately seen flat and edge-on
    n = 15
    for k in range(n):
        t = -6 + 192 * k / (n - 1)
        x, y = at(t)
        if abs(x - cx) < 1.5 and y > 15:
            continue  # the pendant's loop hangs here
        tr = math.radians(t)
        ang = math.degrees(math.atan2(ry * math.cos(tr), -rx * math.sin(tr)))
        # links are thinner than an outline, so edge them with a slightly
        # larger dark copy instead
        if k % 2 == 0:
            ring = ellipse(x, y, 2.1, 1.45, ang) - ellipse(x, y, 1.0, 0.45, ang)
            parts.append((ring.grow(0.4), link_ink, None, (2,)))
            parts.append((ring, GOLD, None, (2,)))
        else:
            link = ellipse(x, y, 1.8, 0.75, ang)
            parts.append((link.grow(0.4), link_ink, None, (2,)))
            parts.append((link, GOLD_D, None, (2,)))
    # pendant: gold teardrop with a red stone
    drop = union(circle(16, 24.5, 5.2), polygon([(16, 16.5), (20.2, 22), (11.8, 22)]))
    parts.append((circle(16, 17.5, 2.2) - circle(16, 17.5, 0.8), GOLD, GOLD_INK))
    parts.append((drop, ball_shade(16, 23, 6, 7, GOLD_D, GOLD, GOLD_L), GOLD_INK))
    parts.append((circle(16, 24.8, 2.9), ball_shade(16, 24.8, 2.9, 2.9, RED_D, RED, RED_L), RED_INK))
    parts.append((circle(15.1, 23.8, 0.8), (255, 220, 220), None))
    return parts


def flower(petal_d, petal, petal_l, ink):
    parts = []
    cx, cy = 16, 16.5
    for k in range(5):
        a = -90 + 72 * k
        ra = math.radians(a)
        px, py = cx + 7.6 * math.cos(ra), cy + 7.6 * math.sin(ra)

        def shade(x, y, cx=cx, cy=cy):
            t = math.hypot(x - cx, y - cy) / 13
            return mix(petal_d, petal_l, t * 1.3) if t < 0.5 else mix(petal_l, petal, (t - 0.5) * 2)
        parts.append((ellipse(px, py, 7.2, 5.6, a), shade, ink))
    for k in range(5):
        ra = math.radians(-90 + 72 * k)
        parts.append((line(cx + 4.5 * math.cos(ra), cy + 4.5 * math.sin(ra),
                           cx + 9.5 * math.cos(ra), cy + 9.5 * math.sin(ra), 0.4), petal_d, None, (2,)))
    parts.append((circle(cx, cy, 4.3), ball_shade(cx, cy, 4.3, 4.3, (232, 150, 0), (255, 210, 40), (255, 246, 150)), (120, 70, 0)))
    for dx, dy in ((-1.3, -0.6), (1.3, -0.6), (0, 1.4)):
        parts.append((circle(cx + dx, cy + dy, 0.55), (200, 110, 0), None))
    return parts


def flower1():
    return flower((232, 70, 140), (255, 150, 196), (255, 214, 232), (112, 14, 60))


def flower2():
    return flower((20, 170, 210), (70, 220, 245), (200, 250, 255), (0, 70, 100))


# --------------------------------------------------------------------------
# Program and button icons (32 x 32).

def icon():
    parts = []
    cx, cy, r = 16, 13.5, 9.5
    body = circle(cx, cy, r) & half_plane_below(21)
    parts.append((body, ball_shade(cx, cy, r, r, GREEN_D, GREEN, GREEN_L), INK))
    inner = body.grow(-1.2)
    for off in (-7.5, -2.5, 2.5, 7.5):
        pts = []
        for k in range(13):
            y = cy - r + (21 - (cy - r)) * k / 12
            pts.append((cx + off * math.sqrt(max(0.0, 1 - ((y - cy) / r) ** 2)), y))
        parts.append((polyline(pts, 0.42) & inner, RIB, None))
    for x, y in ((13.5, 8.5), (18.5, 8.5), (8.5, 13.5), (23.5, 13.5), (13.5, 17.5), (18.5, 17.5)):
        spine_cluster(parts, x, y, 1.0)
    top_tuft(parts, cx, cy - r + 1.2, 1.5)
    pot = polygon([(7.5, 20), (24.5, 20), (22, 30.5), (10, 30.5)]).grow(1)
    parts.append((pot, column_shade(16, 10, (222, 164, 16), (252, 210, 46), (255, 240, 140)), (98, 64, 0)))
    parts.append((line(8, 22.5, 24, 22.5, 0.45), (226, 170, 24), None))
    return parts


def small_icon(n):
    """The program icon redrawn for n = 16..24 pixels, laid out in whole
    pixels of that size so its edges stay sharp: fewer ribs, and the spines
    become single bright pixels.  Returns parts in 1x (32 x 32) coordinates."""
    k = 32 / n

    def px(x0, y0, x1, y1):
        return box(x0 * k, y0 * k, x1 * k, y1 * k)

    cx = n // 2  # even n: the ball is symmetric about a pixel edge
    pot_top = round(n * 0.625)
    r = pot_top / 2 + 0.2
    cy = pot_top - r + round(n * 0.06) + 0.3
    body = ellipse(cx * k, cy * k, r * k, r * k) & half_plane_below(pot_top * k)
    inner = body.grow(-k)
    parts = [(px(cx - 1, cy - r - 1, cx + 1, cy - r + 1), SPINE, None)]
    parts.append((body, ball_shade(cx * k, cy * k, r * k, r * k, GREEN_D, GREEN, GREEN_L), INK))
    ribs = (1.5,) if n < 20 else (1.5, 4.5)
    upper, lower, middle = round(cy - r * 0.5), round(cy + r * 0.4), round(cy) - 1
    for off in ribs:
        for sgn in (-1, 1):
            x = cx + sgn * off
            parts.append((px(x - 0.5, 0, x + 0.5, n) & inner, RIB, None))
            # areoles: up and down the inner ribs, halfway on the outer ones
            for y in ((upper, lower) if off == ribs[0] else (middle,)):
                parts.append((px(x - 0.5, y, x + 0.5, y + 1), AREOLE, None))
    edge = math.floor(cx - r)
    for x in (edge - 1, n - edge - 1):
        parts.append((px(x, middle, x + 2, middle + 1), SPINE, None))
    inset = round(n * 0.19)
    foot = round(n * 0.31)
    pot = polygon([(inset * k, pot_top * k), ((n - inset) * k, pot_top * k),
                   ((n - foot) * k, n * k), (foot * k, n * k)])
    parts.append((pot, column_shade(16, 10, (222, 164, 16), (252, 210, 46), (255, 240, 140)),
                  (98, 64, 0)))
    rim = pot_top + 2 + (n > 20)
    parts.append((px(0, rim, n, rim + 1) & pot.grow(-k), (226, 170, 24), None))
    return parts


def water():
    parts = []
    ink = (18, 40, 70)
    dark, mid, light = (40, 90, 160), (80, 144, 214), (170, 212, 250)
    # handle behind the body
    handle = (circle(24, 16, 6.5) - circle(24, 16, 4.2)) & box(22, 8, 32, 24)
    parts.append((handle, column_shade(27, 5, dark, mid, light), ink))
    spout = polygon([(14, 27), (14, 20.5), (7.6, 10.8), (4, 13.6)])
    parts.append((spout, column_shade(9, 5, dark, mid, light), ink))
    parts.append((ellipse(5.2, 11.2, 2.2, 4.0, 55), mid, ink))
    body = polygon([(13.5, 13), (26.5, 13), (27.5, 29.5), (12.5, 29.5)]).grow(0.6)
    parts.append((body, column_shade(20, 8, dark, mid, light), ink))
    parts.append((ellipse(20, 13, 6.6, 2.0), (36, 70, 120), ink))
    parts.append((line(13.5, 18.5, 26.5, 18.5, 0.5), dark, None))
    parts.append((line(15.5, 21.5, 15.5, 26.5, 0.5), (200, 230, 255), None))
    drop_c, drop_l = (40, 116, 226), (190, 230, 255)
    for i, j in ((1, 15), (4, 21), (0, 26)):
        # a smooth teardrop where there is room, a hand-placed one at 1x
        x, y = i + 2, j + 3.2
        drop = circle(x, y, 1.8) | polygon([(x, y - 3.8), (x + 1.5, y - 1.0), (x - 1.5, y - 1.0)])
        parts.append((drop, drop_c, None, (2,)))
        parts.append((ellipse(x - 0.8, y - 0.2, 0.45, 0.8), drop_l, None, (2,)))
        pixels = box(i + 1, j + 1, i + 2, j + 2) | box(i, j + 2, i + 3, j + 5)
        parts.append((pixels, drop_c, None, (1,)))
        parts.append((box(i, j + 3, i + 1, j + 4), drop_l, None, (1,)))
        parts.append((box(i + 2, j + 4, i + 3, j + 5), (26, 84, 180), None, (1,)))
    return parts


def talk():
    ink = (24, 24, 30)
    balloon = ellipse(16, 14, 14, 11) | polygon([(7, 19), (13.5, 23), (4, 30)])
    return [
        (balloon, ball_shade(16, 14, 14, 11, (216, 222, 232), WHITE, WHITE), ink),
        (polygon([(14, 6), (18, 6), (17, 17), (15, 17)]).grow(0.4), RED, RED_INK),
        (circle(16, 20.8, 1.8), RED, RED_INK),
    ]


def door():
    ink = (46, 22, 8)
    dark, mid, light = (118, 62, 26), (164, 98, 48), (204, 140, 80)
    frame = box(6, 1, 28, 31)
    opening = box(9, 4, 25, 31)
    panel = polygon([(9, 4), (20, 2.5), (20, 32), (9, 31)])
    return [
        (frame - opening, (132, 80, 40), ink),
        (opening, (30, 16, 10), ink),
        (panel, column_shade(10, 8, dark, mid, light), ink),
        (polygon([(11, 7.3), (18, 6.4), (18, 15.5), (11, 15.8)]), (140, 80, 36), (110, 58, 22)),
        (polygon([(11, 18.5), (18, 18.3), (18, 28.7), (11, 28.2)]), (140, 80, 36), (110, 58, 22)),
        (circle(17.8, 17.2, 1.5), ball_shade(17.8, 17.2, 1.5, 1.5, GOLD_D, GOLD, GOLD_L), GOLD_INK),
    ]


# --------------------------------------------------------------------------

PICTURES = {
    'morvick1': (PW, PH, lambda: round_cactus(22)),
    'morvick12': (PW, PH, lambda: round_cactus(34)),
    'morvick13': (PW, PH, lambda: round_cactus(48)),
    'morvick2': (PW, PH, lambda: column_cactus(26, 16)),
    'morvick22': (PW, PH, lambda: column_cactus(40, 20)),
    'morvick23': (PW, PH, lambda: column_cactus(54, 24)),
    'tubo1': (TW, TH, tubo1),
    'tubo2': (TW, TH, tubo2),
    'tubo3': (TW, TH, tubo3),
    'okan': (32, 32, okan),
    'ribon': (32, 32, bow),
    'hana1': (32, 32, hana1),
    'hana2': (32, 32, hana2),
    'pale1': (32, 32, pale1),
    'pale2': (32, 32, pale2),
    'flower1': (32, 32, flower1),
    'flower2': (32, 32, flower2),
    'icon': (32, 32, icon),
    'water': (32, 32, water),
    'talk': (32, 32, talk),
    'decorate': (32, 32, bow),
    'door': (32, 32, door),
}


def render(w, h, parts, scale):
    """parts: (shape, fill, outline[, scales]) painted in order; the optional
    scales tuple keeps a detail to the sizes it suits (some things need a
    hand-placed pixel version at 1x)."""
    c = Canvas(w, h, scale)
    for part in parts:
        shape, fill, outline = part[:3]
        if len(part) > 3 and scale not in part[3]:
            continue
        c.draw(shape, fill, outline)
    return c.png()


# Sizes of the program icon installed for the desktop (hicolor theme).
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def app_icon(n):
    """The program icon drawn at n x n pixels.  32 is the crisp 1x picture;
    smaller sizes get their own simpler drawing; bigger ones are anti-aliased
    with an outline that thickens slower than the picture, so it never turns
    heavy."""
    if n == 32:
        return render(32, 32, icon(), 1)
    s = n / 32
    if n < 32:
        parts, outline = small_icon(n), 1 / s
    else:
        parts, outline = icon(), min(OUTLINE_2X, OUTLINE_2X * (2 / s) ** (1 / 3))
    c = Canvas(32, 32, s, outline)
    for shape, fill, ink in parts:
        c.draw(shape, fill, ink)
    return c.png()


def main():
    """Writes the pictures into output_dir, the program icons into
    icons_dir (default: ../icons beside this script's folder)."""
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else here
    icons = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, '..', 'icons')
    os.makedirs(out, exist_ok=True)
    for name, (w, h, make) in PICTURES.items():
        parts = make()
        for scale, suffix in ((1, ''), (2, '@2x')):
            with open(os.path.join(out, name + suffix + '.png'), 'wb') as fh:
                fh.write(render(w, h, parts, scale))
    os.makedirs(icons, exist_ok=True)
    for n in ICON_SIZES:
        with open(os.path.join(icons, '%d.png' % n), 'wb') as fh:
            fh.write(app_icon(n))


if __name__ == '__main__':
    main()
