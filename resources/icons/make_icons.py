#!/usr/bin/env python3
"""Draws the three fill method icons of the hatch dialog (32 x 32, 32-bit .ico).

  scan/paint:        a brush stroke dragged over a shape hatches what it covers
  smart area check:  a picked point inside walls hatches the area around it
  regular:           a selected outline is hatched whole

Run from the repository root: python3 resources/icons/make_icons.py
"""
import struct

SIZE = 32
CLEAR = (0, 0, 0, 0)
INK = (20, 20, 20, 255)
PAPER = (255, 255, 255, 255)
HATCH = (40, 90, 200, 255)
PICK = (210, 30, 30, 255)
STROKE = (250, 200, 60, 255)
GRIP = (40, 160, 60, 255)


class Icon:
    def __init__(self):
        self.px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def put(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def outline(self, pts, c):
        for (a, b) in zip(pts, pts[1:] + pts[:1]):
            self.line(a[0], a[1], b[0], b[1], c)

    def fill(self, inside, colour, hatch=None, rising=True):
        for y in range(SIZE):
            for x in range(SIZE):
                if inside(x + 0.5, y + 0.5):
                    on_line = hatch is not None and ((x + (SIZE - y)) if rising else (x + y)) % 4 == 0
                    self.put(x, y, hatch if on_line else colour)

    def write(self, path):
        rows = b"".join(bytes((b, g, r, a)) for row in reversed(self.px) for (r, g, b, a) in row)
        mask = bytes(4 * SIZE)  # all opaque where alpha says so; 32-bit rows of bits
        bmp = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0)
        image = bmp + rows + mask
        head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
        with open(path, "wb") as f:
            f.write(head + image)


def in_polygon(pts):
    def inside(x, y):
        c = False
        for (a, b) in zip(pts, pts[1:] + pts[:1]):
            if (a[1] > y) != (b[1] > y) and x < a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1]):
                c = not c
        return c
    return inside


def scan_icon():
    icon = Icon()
    shape = [(3, 5), (28, 5), (28, 27), (3, 27)]
    icon.fill(in_polygon(shape), PAPER)
    # The band the cursor was dragged along: hatched where it covers the shape.
    band = lambda x, y: abs(y - (22 - 0.55 * x)) < 4.5 and in_polygon(shape)(x, y)
    icon.fill(band, STROKE, HATCH, rising=False)
    icon.outline(shape, INK)
    # The cursor at the end of the stroke.
    arrow = [(23, 6), (23, 15), (25, 13), (27, 17), (28, 16), (26, 12), (29, 12)]
    icon.fill(in_polygon(arrow), PAPER)
    icon.outline(arrow, INK)
    return icon


def smart_icon():
    icon = Icon()
    walls = [(3, 4), (28, 4), (28, 27), (3, 27)]
    icon.fill(in_polygon(walls), PAPER)
    # The area around the picked point, bounded by the walls and a partition.
    area = [(4, 5), (17, 5), (17, 16), (27, 16), (27, 26), (4, 26)]
    icon.fill(in_polygon(area), PAPER, HATCH)
    icon.outline(walls, INK)
    icon.line(17, 4, 17, 16, INK)
    icon.line(17, 16, 24, 16, INK)
    # The picked point.
    icon.line(7, 20, 15, 20, PICK)
    icon.line(11, 16, 11, 24, PICK)
    for d in (-1, 1):
        icon.put(11 + d, 20 + d, PICK)
        icon.put(11 - d, 20 + d, PICK)
    return icon


def regular_icon():
    icon = Icon()
    shape = [(5, 26), (9, 6), (26, 9), (27, 25)]
    icon.fill(in_polygon(shape), PAPER, HATCH)
    icon.outline(shape, INK)
    # Grips of the selected outline.
    for (x, y) in shape:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                icon.put(x + dx, y + dy, GRIP)
    return icon


if __name__ == "__main__":
    scan_icon().write("resources/icons/method_scan.ico")
    smart_icon().write("resources/icons/method_smart.ico")
    regular_icon().write("resources/icons/method_regular.ico")
