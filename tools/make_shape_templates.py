#!/usr/bin/env python3
"""Draws the shape library templates of data/shapes/.

Each template holds complex shapes: closed chains of cubic segments written as
anchor, control, control, anchor, ... (3 points per segment, the last segment
ending back on point 0). Run from the repository root:
    python3 tools/make_shape_templates.py
"""
import math
import os

KAPPA = 0.5522847498  # control distance of a quarter circle of radius 1


def rgba(r, g, b, a=255):
    word = r | g << 8 | b << 16 | a << 24
    return word - (1 << 32) if word >= 1 << 31 else word


class Chain:
    """Builds the point list of one closed chain, starting at an anchor."""

    def __init__(self, start):
        self.points = [start]

    def curve(self, c1, c2, end):
        self.points += [c1, c2, end]

    def line(self, end):
        sx, sy = self.points[-1]
        ex, ey = end
        self.curve((sx + (ex - sx) / 3, sy + (ey - sy) / 3),
                   (sx + 2 * (ex - sx) / 3, sy + 2 * (ey - sy) / 3), end)

    def arc(self, centre, radius, a0, a1):
        """Circular arc from angle a0 to a1 (radians), at most 90 degrees."""
        cx, cy = centre
        k = 4 / 3 * math.tan((a1 - a0) / 4) * radius
        p1 = (cx + radius * math.cos(a1), cy + radius * math.sin(a1))
        p0 = (cx + radius * math.cos(a0), cy + radius * math.sin(a0))
        self.curve((p0[0] - k * math.sin(a0), p0[1] + k * math.cos(a0)),
                   (p1[0] + k * math.sin(a1), p1[1] - k * math.cos(a1)), p1)

    def closed(self):
        """The points with the final anchor dropped: it wraps to point 0."""
        first, last = self.points[0], self.points[-1]
        assert abs(first[0] - last[0]) < 1e-6 and abs(first[1] - last[1]) < 1e-6
        return [(round(x), round(y)) for x, y in self.points[:-1]]


def polygon(vertices):
    chain = Chain(vertices[0])
    for v in vertices[1:] + vertices[:1]:
        chain.line(v)
    return chain.closed()


def ellipse(rx, ry):
    chain = Chain((rx, 0))
    quads = [((rx, ry * KAPPA), (rx * KAPPA, ry), (0, ry)),
             ((-rx * KAPPA, ry), (-rx, ry * KAPPA), (-rx, 0)),
             ((-rx, -ry * KAPPA), (-rx * KAPPA, -ry), (0, -ry)),
             ((rx * KAPPA, -ry), (rx, -ry * KAPPA), (rx, 0))]
    for c1, c2, end in quads:
        chain.curve(c1, c2, end)
    return chain.closed()


def star(spikes, outer, inner):
    vertices = []
    for i in range(spikes * 2):
        angle = -math.pi / 2 + i * math.pi / spikes
        r = outer if i % 2 == 0 else inner
        vertices.append((r * math.cos(angle), r * math.sin(angle)))
    return polygon(vertices)


def heart(scale):
    # Two lobes meeting in a dip at the top and a point at the bottom.
    s = scale
    chain = Chain((0, -30 * s))
    chain.curve((0, -33 * s), (-5 * s, -45 * s), (-25 * s, -45 * s))
    chain.curve((-55 * s, -45 * s), (-55 * s, -7.5 * s), (-55 * s, -7.5 * s))
    chain.curve((-55 * s, 10 * s), (-35 * s, 32 * s), (0, 50 * s))
    chain.curve((35 * s, 32 * s), (55 * s, 10 * s), (55 * s, -7.5 * s))
    chain.curve((55 * s, -7.5 * s), (55 * s, -45 * s), (25 * s, -45 * s))
    chain.curve((10 * s, -45 * s), (0, -33 * s), (0, -30 * s))
    return chain.closed()


def arrow():
    return polygon([(-140, -30), (40, -30), (40, -80), (150, 0),
                    (40, 80), (40, 30), (-140, 30)])


def speech_bubble():
    w, h, r = 130, 80, 30  # half width, half height, corner radius
    chain = Chain((-w + r, -h))
    chain.line((w - r, -h))
    chain.arc((w - r, -h + r), r, -math.pi / 2, 0)
    chain.line((w, h - r))
    chain.arc((w - r, h - r), r, 0, math.pi / 2)
    chain.line((-20, h))
    chain.curve((-35, h + 25), (-60, h + 45), (-85, h + 55))  # the tail
    chain.curve((-70, h + 35), (-62, h + 15), (-60, h))
    chain.line((-w + r, h))
    chain.arc((-w + r, h - r), r, math.pi / 2, math.pi)
    chain.line((-w, -h + r))
    chain.arc((-w + r, -h + r), r, math.pi, 3 * math.pi / 2)
    return chain.closed()


def cloud():
    # Puffs: anchors on an ellipse, each segment bulging outward.
    rx, ry, n = 140, 70, 9
    anchors = []
    for i in range(n):
        angle = math.pi / 2 + 2 * math.pi * i / n
        anchors.append((rx * math.cos(angle), ry * math.sin(angle) * (0.8 if i == 0 else 1)))
    chain = Chain(anchors[0])
    for i in range(n):
        a, b = anchors[i], anchors[(i + 1) % n]
        chord = math.hypot(b[0] - a[0], b[1] - a[1])
        mid_angle = math.pi / 2 + 2 * math.pi * (i + 0.5) / n
        out = (math.cos(mid_angle), math.sin(mid_angle))
        bulge = chord * (0.55 if out[1] < 0.5 else 0.3)  # flatter at the bottom
        chain.curve((a[0] + out[0] * bulge, a[1] + out[1] * bulge),
                    (b[0] + out[0] * bulge, b[1] + out[1] * bulge), b)
    return chain.closed()


def drop():
    chain = Chain((0, -110))
    chain.curve((20, -70), (70, -20), (70, 25))
    chain.curve((70, 65), (38, 90), (0, 90))
    chain.curve((-38, 90), (-70, 65), (-70, 25))
    chain.curve((-70, -20), (-20, -70), (0, -110))
    return chain.closed()


def shadow_fx():
    # A soft drop shadow below the shape, on.
    return (6, 8, rgba(0, 0, 0, 80), 80, 0, 0, 10, 5, 5, 100, 0, 0, 1)


def outline_fx(colour):
    # A line around the shape, above it, on.
    return (0, 0, colour, 255, 1, 1, 4, 5, 5, 100, 0, 0, 1)


def document(name, shapes):
    lines = ["gen, ,0.13,", "obj,%s,0,0,100,100,0,0,0" % name]
    for index, (shape_name, colour, points, fx_list) in enumerate(shapes):
        alpha = (colour >> 24) & 0xFF
        lines.append("shape,%d,%d,%s,%d,0,10,5,5,0,5,5,,320,260,"
                     % (index, colour, shape_name, alpha))
        for k, fx in enumerate(fx_list):
            lines.append("shapefx,%d,%s" % (k, ",".join(str(v) for v in fx)))
        for l, (x, y) in enumerate(points):
            lines.append("pt,%d,%d,%d," % (l, x, y))
    return "\r\n".join(lines) + "\r\n"


TEMPLATES = {
    "1-defaut.txt": ("Circle", [("Circle", rgba(220, 220, 120),
                                 ellipse(80, 80), [outline_fx(rgba(120, 110, 40))])]),
    "2-star.txt": ("Star", [("Star", rgba(255, 200, 40), star(5, 120, 50),
                             [shadow_fx(), outline_fx(rgba(170, 100, 0))])]),
    "3-heart.txt": ("Heart", [("Heart", rgba(220, 30, 60), heart(2.2),
                               [shadow_fx(), outline_fx(rgba(120, 0, 30))])]),
    "4-arrow.txt": ("Arrow", [("Arrow", rgba(40, 150, 230), arrow(),
                               [shadow_fx(), outline_fx(rgba(10, 60, 120))])]),
    "5-speech-bubble.txt": ("Bubble", [("Bubble", rgba(255, 255, 255), speech_bubble(),
                                        [shadow_fx(), outline_fx(rgba(40, 40, 40))])]),
    "6-cloud.txt": ("Cloud", [("Cloud", rgba(235, 240, 250), cloud(),
                               [shadow_fx(), outline_fx(rgba(110, 130, 160))])]),
    "7-drop.txt": ("Drop", [("Drop", rgba(60, 160, 240), drop(),
                             [shadow_fx(), outline_fx(rgba(20, 80, 150))]),
                            ("Shine", rgba(255, 255, 255, 150), [(x * 0.3 - 32, y * 0.3 + 5) for x, y in ellipse(40, 90)],
                             [(0, 0, rgba(255, 120, 0), 255, 0, 0, 10, 5, 5, 100, 0, 0, 0)])]),
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "shapes")
    os.makedirs(folder, exist_ok=True)
    for file_name, (object_name, shapes) in TEMPLATES.items():
        rounded = [(n, c, [(round(x), round(y)) for x, y in pts], fx) for n, c, pts, fx in shapes]
        with open(os.path.join(folder, file_name), "w", newline="") as out:
            out.write(document(object_name, rounded))


if __name__ == "__main__":
    main()
