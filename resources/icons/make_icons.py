#!/usr/bin/env python3
"""Draws Almanark's three icons and writes them as .ico files.

Almanark.ico  the program: a wall-calendar page on two rings, red header.
Document.ico  calendar documents: a page with a folded corner and a calendar.
EventFile.ico event files: a page with a folded corner, a list and a star.

Each file holds 16x16, 32x32 and 48x48 images, 32-bit with alpha and an AND
mask. The small sizes are laid out on whole pixels of their own so that they
stay crisp; edges are antialiased by 4x4 supersampling.

Usage: make_icons.py [output folder]   (default: this script's folder)
"""

import math
import os
import struct
import sys

SUB = 4  # supersamples per pixel and axis

BORDER = (0x4A, 0x4A, 0x52, 255)
PAPER = (0xFF, 0xFF, 0xFF, 255)
PAPER_SHADE = (0xE6, 0xE9, 0xEE, 255)
FOLD = (0xD2, 0xD6, 0xDD, 255)
RED = (0xD2, 0x32, 0x2B, 255)
RED_DARK = (0x9E, 0x1F, 0x1A, 255)
CELL = (0xB4, 0xBA, 0xC4, 255)
RING = (0x3C, 0x3C, 0x44, 255)
RING_LIGHT = (0x9A, 0x9A, 0xA6, 255)
HOLE = (0x5E, 0x14, 0x10, 255)
INK = (0x5A, 0x62, 0x70, 255)
BULLET = (0x2F, 0x6F, 0xC8, 255)
GOLD = (0xFF, 0xC4, 0x1E, 255)
GOLD_EDGE = (0xB0, 0x6E, 0x00, 255)
SHADOW = (0, 0, 0, 60)


class Canvas:
    """Premultiplied RGBA floats, composited with "over"."""

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, inside, color, bbox=None):
        """Fills the region where inside(x, y) holds, x and y in pixels."""
        s = self.size
        x0, y0, x1, y1 = bbox if bbox else (0, 0, s, s)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(s, int(math.ceil(x1))), min(s, int(math.ceil(y1)))
        r, g, b, a = (c / 255.0 for c in color)
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = 0
                for j in range(SUB):
                    sy = py + (j + 0.5) / SUB
                    for i in range(SUB):
                        if inside(px + (i + 0.5) / SUB, sy):
                            hits += 1
                if hits:
                    k = a * hits / (SUB * SUB)
                    d = self.px[py * s + px]
                    d[0] = r * k + d[0] * (1 - k)
                    d[1] = g * k + d[1] * (1 - k)
                    d[2] = b * k + d[2] * (1 - k)
                    d[3] = k + d[3] * (1 - k)

    def rect(self, x0, y0, x1, y1, color):
        self.fill(lambda x, y: x0 <= x < x1 and y0 <= y < y1, color, (x0, y0, x1, y1))

    def round_rect(self, x0, y0, x1, y1, r, color):
        def inside(x, y):
            if not (x0 <= x < x1 and y0 <= y < y1):
                return False
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

        self.fill(inside, color, (x0, y0, x1, y1))

    def polygon(self, pts, color):
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]

        def inside(x, y):
            hit = False
            n = len(pts)
            for k in range(n):
                ax, ay = pts[k]
                bx, by = pts[(k + 1) % n]
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    hit = not hit
            return hit

        self.fill(inside, color, (min(xs), min(ys), max(xs), max(ys)))

    def pixels_bgra(self):
        """Straight (not premultiplied) BGRA rows, top row first."""
        out = []
        for r, g, b, a in self.px:
            if a <= 0.0:
                out.append((0, 0, 0, 0))
                continue
            out.append(tuple(min(255, int(round(c / a * 255))) for c in (b, g, r)) +
                       (int(round(a * 255)),))
        return out


def star(cx, cy, r_out, r_in):
    pts = []
    for k in range(10):
        r = r_out if k % 2 == 0 else r_in
        ang = -math.pi / 2 + k * math.pi / 5
        pts.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
    return pts


# --- Application: wall calendar on rings --------------------------------------

APP = {
    # page box, header bottom, ring x positions and width, ring top/bottom,
    # grid origin, cell size, step, columns, rows, the marked cell
    16: dict(page=(1, 2, 15, 15), head=6, rings=(4, 10), ring_w=2, ring_y=(0, 5),
             grid=(3, 8), cell=1, step=2, cols=6, rows=3, mark=(3, 1), shadow=1),
    32: dict(page=(3, 4, 29, 30), head=12, rings=(9, 21), ring_w=2, ring_y=(1, 9),
             grid=(6, 15), cell=2, step=3, cols=7, rows=4, mark=(4, 2), shadow=1),
    48: dict(page=(4, 6, 44, 45), head=18, rings=(13, 32), ring_w=3, ring_y=(1, 13),
             grid=(8, 22), cell=3, step=5, cols=7, rows=4, mark=(4, 2), shadow=2),
}


def draw_app(size):
    L = APP[size]
    c = Canvas(size)
    x0, y0, x1, y1 = L["page"]
    sh = L["shadow"]
    r = 1.0 if size < 32 else 2.0
    c.round_rect(x0 + sh, y0 + sh, x1 + sh, y1 + sh, r, SHADOW)
    c.round_rect(x0, y0, x1, y1, r, BORDER)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, PAPER)
    # A faint lower edge gives the page some thickness.
    c.rect(x0 + 1, y1 - 2, x1 - 1, y1 - 1, PAPER_SHADE)
    c.rect(x0 + 1, y0 + 1, x1 - 1, L["head"], RED)
    if size >= 32:
        c.rect(x0 + 1, L["head"] - 1, x1 - 1, L["head"], RED_DARK)
    gx, gy = L["grid"]
    for row in range(L["rows"]):
        for col in range(L["cols"]):
            color = RED if (col, row) == L["mark"] else CELL
            cx, cy = gx + col * L["step"], gy + row * L["step"]
            c.rect(cx, cy, cx + L["cell"], cy + L["cell"], color)
    rt, rb = L["ring_y"]
    w = L["ring_w"]
    for rx in L["rings"]:
        if size >= 32:
            # The punched hole the ring runs through.
            c.round_rect(rx - 1, rb - 3, rx + w + 1, rb, 1.0, HOLE)
        c.round_rect(rx, rt, rx + w, rb - 1, w / 2.0, RING)
        if w >= 2:
            c.rect(rx, rt + 1, rx + 1, rb - 2, RING_LIGHT)
    return c


# --- Documents: page with folded corner --------------------------------------

PAGE = {
    # left, top, right, bottom, fold size
    16: (2, 0, 15, 16, 4),
    32: (5, 1, 28, 31, 7),
    48: (8, 2, 41, 46, 10),
}


def draw_page(c, size):
    x0, y0, x1, y1, f = PAGE[size]
    c.polygon([(x0 + 1, y0 + 1), (x1 - f + 1, y0 + 1), (x1 + 1, y0 + f + 1), (x1 + 1, y1 + 1),
               (x0 + 1, y1 + 1)], SHADOW)
    c.polygon([(x0, y0), (x1 - f, y0), (x1, y0 + f), (x1, y1), (x0, y1)], BORDER)
    c.polygon([(x0 + 1, y0 + 1), (x1 - f - 0.4, y0 + 1), (x1 - 1, y0 + f + 0.4), (x1 - 1, y1 - 1),
               (x0 + 1, y1 - 1)], PAPER)
    c.polygon([(x1 - f, y0), (x1, y0 + f), (x1 - f, y0 + f)], BORDER)
    c.polygon([(x1 - f + 1, y0 + 2.4), (x1 - 2.4, y0 + f - 1), (x1 - f + 1, y0 + f - 1)], FOLD)


DOC = {
    # header box, grid origin, cell, step, columns, rows, marked cell
    16: dict(head=(5, 5, 12, 7), grid=(5, 8), cell=1, step=2, cols=4, rows=4, mark=(2, 1)),
    32: dict(head=(8, 10, 25, 14), grid=(8, 16), cell=2, step=3, cols=6, rows=5, mark=(3, 2)),
    48: dict(head=(13, 15, 36, 21), grid=(13, 24), cell=3, step=4, cols=6, rows=5, mark=(3, 2)),
}


def draw_document(size):
    L = DOC[size]
    c = Canvas(size)
    draw_page(c, size)
    hx0, hy0, hx1, hy1 = L["head"]
    c.rect(hx0, hy0, hx1, hy1, RED)
    gx, gy = L["grid"]
    for row in range(L["rows"]):
        for col in range(L["cols"]):
            color = RED if (col, row) == L["mark"] else CELL
            cx, cy = gx + col * L["step"], gy + row * L["step"]
            c.rect(cx, cy, cx + L["cell"], cy + L["cell"], color)
    return c


EVENTS = {
    # bullet x, line x range, line ys, bullet size, line height, star centre and radii
    16: dict(bx=5, lx=(7, 12), ys=(4, 7, 10), b=1, h=1, star=None),
    32: dict(bx=8, lx=(12, 22), ys=(9, 14, 19, 24), b=2, h=2, star=(21.5, 22.5, 9.0, 3.9)),
    48: dict(bx=12, lx=(17, 33), ys=(13, 20, 27, 34), b=3, h=2, star=(32.0, 34.0, 13.0, 5.6)),
}


def draw_eventfile(size):
    L = EVENTS[size]
    c = Canvas(size)
    draw_page(c, size)
    lx0, lx1 = L["lx"]
    for k, y in enumerate(L["ys"]):
        c.rect(L["bx"], y, L["bx"] + L["b"], y + L["b"], BULLET)
        # Lines of different lengths read as text.
        end = lx1 - (k % 2) * max(1, (lx1 - lx0) // 4)
        c.rect(lx0, y + (L["b"] - L["h"]) // 2, end, y + (L["b"] - L["h"]) // 2 + L["h"], INK)
    if L["star"] is None:
        pixel_art(c, 7, 7, SMALL_STAR, GOLD, GOLD_EDGE)
        return c
    sx, sy, ro, ri = L["star"]
    c.polygon(star(sx, sy, ro, ri), GOLD_EDGE)
    c.polygon(star(sx, sy, ro - 2.6, ri - 1.05), GOLD)
    return c


# Too small for an antialiased outline to read: drawn pixel by pixel.
SMALL_STAR = (
    "...#...",
    "...#...",
    "#######",
    ".#####.",
    "..###..",
    ".##.##.",
    ".#...#.",
)


def pixel_art(c, x0, y0, rows, fill, edge):
    """Draws '#' cells in fill and the cells around them (4-neighbours) in edge."""
    cells = {(x, y) for y, row in enumerate(rows) for x, ch in enumerate(row) if ch == "#"}
    border = set()
    for x, y in cells:
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if (x + dx, y + dy) not in cells:
                border.add((x + dx, y + dy))
    for x, y in border:
        c.rect(x0 + x, y0 + y, x0 + x + 1, y0 + y + 1, edge)
    for x, y in cells:
        c.rect(x0 + x, y0 + y, x0 + x + 1, y0 + y + 1, fill)


# --- ICO writer ---------------------------------------------------------------


def dib(canvas):
    """BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, then the AND mask."""
    s = canvas.size
    px = canvas.pixels_bgra()
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = bytearray()
    for y in range(s - 1, -1, -1):
        for x in range(s):
            rows += bytes(px[y * s + x])
    mask_stride = ((s + 31) // 32) * 4
    mask = bytearray()
    for y in range(s - 1, -1, -1):
        line = bytearray(mask_stride)
        for x in range(s):
            if px[y * s + x][3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(rows) + bytes(mask)


def write_ico(path, canvases):
    images = [dib(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        s = c.size
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, draw in (("Almanark.ico", draw_app), ("Document.ico", draw_document),
                       ("EventFile.ico", draw_eventfile)):
        write_ico(os.path.join(folder, name), [draw(s) for s in (16, 32, 48)])


if __name__ == "__main__":
    main()
