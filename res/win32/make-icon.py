#!/usr/bin/env python3
"""Draws the application icon of the Windows program: a mouse pointer
clicking, with ripples around its tip, on a rounded blue tile.

Writes ondrave-clicker.ico (16, 24, 32, 48 and 64 pixels, 32-bit colour with
alpha) next to this script. The icon is committed; run this again only to
change the picture. Needs nothing beyond Python's standard library.
"""
import math
import os
import struct

SIZES = (16, 24, 32, 48, 64)
SAMPLES = 4  # per axis, for smooth edges

TILE = (30, 90, 200)
RIPPLE = (255, 210, 40)
POINTER = (255, 255, 255)
OUTLINE = (20, 30, 60)

# The pointer in unit coordinates, its tip at the ripples' centre.
TIP = (0.36, 0.32)
ARROW = [(0.36, 0.32), (0.36, 0.88), (0.50, 0.75), (0.60, 0.95), (0.70, 0.90),
         (0.60, 0.70), (0.79, 0.70)]
OUTLINE_WIDTH = 0.045
RINGS = ((0.13, 0.035), (0.23, 0.035))  # radius, half thickness


def inside_rounded_square(x, y, margin=0.03, radius=0.18):
    lo, hi = margin + radius, 1 - margin - radius
    cx, cy = min(max(x, lo), hi), min(max(y, lo), hi)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_polygon(x, y, points):
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def distance_to_edges(x, y, points):
    best = math.inf
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def colour_at(x, y):
    """The colour of one sample, or None outside the tile."""
    if inside_polygon(x, y, ARROW):
        return OUTLINE if distance_to_edges(x, y, ARROW) < OUTLINE_WIDTH * 0.6 else POINTER
    if distance_to_edges(x, y, ARROW) < OUTLINE_WIDTH * 0.6:
        return OUTLINE
    if not inside_rounded_square(x, y):
        return None
    ring_distance = math.hypot(x - TIP[0], y - TIP[1])
    if any(abs(ring_distance - r) <= w for r, w in RINGS):
        return RIPPLE
    return TILE


def render(size):
    """Rows of (b, g, r, a) from the top, averaged over the samples."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        covered += 1
                        total = [t + v for t, v in zip(total, c)]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                r, g, b = (round(t / covered) for t in total)
                row.append((b, g, r, round(255 * covered / SAMPLES ** 2)))
        rows.append(row)
    return rows


def bitmap_entry(size):
    """One icon image: BITMAPINFOHEADER, colour rows bottom-up, AND mask."""
    rows = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes(c for pixel in row for c in pixel) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def main():
    images = [bitmap_entry(size) for size in SIZES]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'ondrave-clicker.ico')
    with open(path, 'wb') as f:
        f.write(directory + b''.join(images))


if __name__ == '__main__':
    main()
