#!/usr/bin/env python3
"""Draws Brivanta's two icons and writes them as .ico files.

brivanta.ico: the application, a white "B" on a blue rounded square.
document.ico: a Brivanta document, a page with a folded corner, text lines
and the blue "B" badge.
Each file holds 32x32 and 16x16 images, 32-bit BGRA with an AND mask. The
shapes are described in a 32-unit square and sampled 4x4 per pixel.

usage: make_icons.py OUTPUT_FOLDER
"""
import os
import struct
import sys

BLUE_TOP = (0x3A, 0x78, 0xC8)
BLUE_BOTTOM = (0x1F, 0x3A, 0x68)
WHITE = (0xFF, 0xFF, 0xFF)
PAGE_EDGE = (0x70, 0x78, 0x88)
FOLD = (0xD8, 0xDE, 0xE8)
LINE = (0x9A, 0xA8, 0xC0)
ACCENT = (0xF0, 0x9A, 0x2A)


def in_rect(x, y, x0, y0, x1, y1):
    return x0 <= x < x1 and y0 <= y < y1


def in_rounded_rect(x, y, x0, y0, x1, y1, r):
    if not in_rect(x, y, x0, y0, x1, y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_bowl(x, y, x0, y0, x1, y1, r):
    """A "D" shape: a rectangle whose right end is a half disc of radius r
    centred on (x1, (y0 + y1) / 2)."""
    cy = (y0 + y1) / 2
    if in_rect(x, y, x0, y0, x1, y1):
        return True
    return x >= x1 and (x - x1) ** 2 + (y - cy) ** 2 <= r * r


def in_letter_b(x, y, left, top, scale):
    """The letter B, 14 x 18 units at scale 1, with its top-left corner at
    (left, top)."""
    u = (x - left) / scale
    v = (y - top) / scale
    stem = in_rect(u, v, 0, 0, 4, 18)
    upper = in_bowl(u, v, 0, 0, 8, 9, 4.5) and not in_bowl(u, v, 4, 3, 8, 6, 1.5)
    lower = in_bowl(u, v, 0, 8, 9, 18, 5) and not in_bowl(u, v, 4, 11, 9, 15, 2)
    return stem or upper or lower


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def application_sample(x, y, small=False):
    if not in_rounded_rect(x, y, 1, 1, 31, 31, 6):
        return None
    if in_letter_b(x, y, 9.5, 7, 1.0):
        return WHITE
    if in_rect(x, y, 5, 26.5, 27, 28):
        return ACCENT
    return mix(BLUE_TOP, BLUE_BOTTOM, y / 32)


def document_sample(x, y, small=False):
    # The page's top-right corner is folded over along the line x - y = 18.
    if not in_rect(x, y, 5, 1, 27, 31) or x - y > 18:
        return None
    if in_rounded_rect(x, y, 3, 17, 17, 31, 3):
        # At 16 pixels the letter would be a smudge: the badge stays plain.
        if not small and in_letter_b(x, y, 6.5, 19.5, 0.5):
            return WHITE
        return mix(BLUE_TOP, BLUE_BOTTOM, (y - 17) / 14)
    if not in_rect(x, y, 6, 2, 26, 30) or x - y > 16.6:
        return PAGE_EDGE
    if x >= 19 and y <= 9:  # the folded flap, its left and bottom edges outlined
        return PAGE_EDGE if (x < 19.8 or y > 8.2) else FOLD
    for top in ((10, 14, 18, 22, 26) if small else (11, 15, 19, 23, 27)):
        left = 19 if top >= 18 else 9
        if in_rect(x, y, left, top, 23, top + (2 if small else 1.6)):
            return LINE
    return WHITE


def render(sample, size):
    """Returns rows of (r, g, b, a), top row first."""
    grid = 4
    unit = 32 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(grid):
                for sx in range(grid):
                    colour = sample((px + (sx + 0.5) / grid) * unit, (py + (sy + 0.5) / grid) * unit)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / covered) for c in acc) + (round(255 * covered / grid ** 2),))
        rows.append(row)
    return rows


def dib(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + pixels + bytes(mask)


def ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for rows in images:
        blob = dib(rows)
        size = len(rows)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        data += blob
    return directory + entries + data


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, sample in (("brivanta.ico", application_sample), ("document.ico", document_sample)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(ico([render(sample, 32), render(lambda x, y: sample(x, y, small=True), 16)]))


if __name__ == "__main__":
    main()
