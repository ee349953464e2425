#!/usr/bin/env python3
"""Draws the Varnel icon (a broom sweeping over a folder) and writes res/Varnel.ico.

Images: 16, 32 and 48 pixels at 256 colours; 16, 32, 48, 64 and 128 pixels at 32 bits per
pixel with alpha. Standard library only, so the icon can be made again anywhere:
    python3 res/make_icon.py [output.ico]
"""
import math
import os
import struct
import sys

# Flat colours of the drawing; the 256-colour images use them exactly.
OUTLINE = (96, 62, 16)
FOLDER_BACK = (214, 160, 44)
FOLDER_FRONT = (252, 204, 88)
FOLDER_LIGHT = (255, 230, 150)
HANDLE = (128, 74, 34)
HANDLE_OUTLINE = (70, 38, 14)
BAND = (40, 90, 170)
BRISTLES = (220, 70, 44)
BRISTLE_LINES = (150, 40, 24)


def quad_along(p, q, width):
    """Rectangle of the given width around the segment p-q."""
    dx, dy = q[0] - p[0], q[1] - p[1]
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return [(p[0] + nx, p[1] + ny), (q[0] + nx, q[1] + ny),
            (q[0] - nx, q[1] - ny), (p[0] - nx, p[1] - ny)]


def inside(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def edge_distance(poly, x, y):
    best = float("inf")
    for i in range(len(poly)):
        ax, ay = poly[i - 1]
        bx, by = poly[i]
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
    return best


# Shapes in painting order: (polygon in unit coordinates, fill, outline colour or None).
HANDLE_START, HANDLE_END = (0.93, 0.05), (0.50, 0.58)
SHAPES = [
    ([(0.05, 0.20), (0.38, 0.20), (0.44, 0.28), (0.95, 0.28), (0.95, 0.86), (0.05, 0.86)],
     FOLDER_BACK, OUTLINE),
    ([(0.05, 0.40), (0.95, 0.40), (0.95, 0.86), (0.05, 0.86)], FOLDER_FRONT, OUTLINE),
    ([(0.09, 0.44), (0.91, 0.44), (0.91, 0.49), (0.09, 0.49)], FOLDER_LIGHT, None),
    (quad_along(HANDLE_START, HANDLE_END, 0.09), HANDLE, HANDLE_OUTLINE),
    ([(0.40, 0.52), (0.60, 0.67), (0.44, 0.97), (0.06, 0.86)], BRISTLES, BRISTLE_LINES),
    (quad_along((0.44, 0.53), (0.60, 0.66), 0.10), BAND, OUTLINE),
]
# Straws inside the bristles, drawn as thin lines on the larger images.
STRAWS = [((0.45, 0.66), (0.32, 0.90)), ((0.51, 0.70), (0.40, 0.93)), ((0.39, 0.62), (0.22, 0.86))]


def sample(x, y, size):
    """Colour (r, g, b, a) of one point; the stroke is about one pixel wide at every size."""
    stroke = max(1.0, size / 32.0) / size
    colour = None
    for poly, fill, outline in SHAPES:
        if inside(poly, x, y):
            colour = outline if outline and edge_distance(poly, x, y) < stroke else fill
    if size >= 32 and colour == BRISTLES:
        for p, q in STRAWS:
            if edge_distance([p, q], x, y) < stroke * 0.6:
                colour = BRISTLE_LINES
    return (colour + (255,)) if colour else (0, 0, 0, 0)


def render(size, smooth):
    """Rows top-down of (r, g, b, a); smooth images are 4x4 supersampled."""
    n = 4 if smooth else 1
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = sample((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size, size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (n * n)
            if acc[3]:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]), round(alpha)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def palette():
    flat = [OUTLINE, FOLDER_BACK, FOLDER_FRONT, FOLDER_LIGHT, HANDLE, HANDLE_OUTLINE, BAND, BRISTLES, BRISTLE_LINES]
    cube = [(r, g, b) for r in range(0, 256, 51) for g in range(0, 256, 51) for b in range(0, 256, 51)]
    colours = [(0, 0, 0)] + flat + [c for c in cube if c not in flat and c != (0, 0, 0)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    return colours[:256]


def nearest(colours, rgb):
    return min(range(len(colours)), key=lambda i: sum((colours[i][k] - rgb[k]) ** 2 for k in range(3)))


def and_mask(rows, size):
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def bitmap_header(size, bpp, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, 0, 0, 0, colours_used, 0)


def image_8bpp(size):
    rows = render(size, smooth=False)
    colours = palette()
    cache = {}
    stride = (size + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3]:
                key = px[:3]
                if key not in cache:
                    cache[key] = nearest(colours, key)
                line[x] = cache[key]
        pixels += line
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    return bitmap_header(size, 8, 256) + pal + bytes(pixels) + and_mask(rows, size)


def image_32bpp(size):
    # Smoothing blurs the one-pixel outlines of the smallest image, so it stays crisp.
    rows = render(size, smooth=size > 16)
    pixels = b"".join(struct.pack("<BBBB", b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    return bitmap_header(size, 32, 0) + pixels + and_mask(rows, size)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "Varnel.ico")
    images = [(s, 8, image_8bpp(s)) for s in (16, 32, 48)] + [(s, 32, image_32bpp(s)) for s in (16, 32, 48, 64, 128)]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, bpp, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(d for _, _, d in images))


if __name__ == "__main__":
    main()
