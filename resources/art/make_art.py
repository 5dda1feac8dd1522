#!/usr/bin/env python3
"""Draws the installer's artwork as 16-colour BMP and ICO files.

    make_art.py OUTDIR

computer.bmp     107 x 170 picture of a computer with diskettes on teal
browse.bmp       32 x 16 folder-tree glyph: normal and disabled side by side
                 (the bottom-left pixel's colour is the transparent one)
splash.ico       32 x 32 icon of the splash window
BrivantaSetup.ico  the program's icon, 32 x 32 and 16 x 16
"""
import os
import struct
import sys

# The standard 16-colour palette, by index.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = -1  # transparent (icons only)


class Canvas:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def dot(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def bevel(self, x0, y0, x1, y1, face, light, shade):
        """A raised box: light top-left edges, shaded bottom-right edges."""
        self.rect(x0, y0, x1, y1, face)
        self.line(x0, y0, x1, y0, light)
        self.line(x0, y0, x0, y1, light)
        self.line(x0, y1, x1, y1, shade)
        self.line(x1, y0, x1, y1, shade)

    def blit(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                if other.px[y][x] != CLEAR:
                    self.dot(ox + x, oy + y, other.px[y][x])


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def pixel_rows_4bpp(canvas):
    """Bottom-up rows of 4-bit indices, each padded to 4 bytes."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    out = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            c = max(canvas.px[y][x], 0)
            row[x // 2] |= c << 4 if x % 2 == 0 else c
        out += row
    return bytes(out)


def mask_rows(canvas):
    """Bottom-up AND mask: 1 where transparent, rows padded to 4 bytes."""
    stride = ((canvas.width + 31) // 32) * 4
    out = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            if canvas.px[y][x] == CLEAR:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 2835, 2835, 16, 0)


def write_bmp(path, canvas):
    bits = pixel_rows_4bpp(canvas)
    offset = 14 + 40 + 64
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset))
        f.write(info_header(canvas.width, canvas.height, len(bits)))
        f.write(palette_bytes())
        f.write(bits)


def write_ico(path, canvases):
    images = []
    for c in canvases:
        xor, mask = pixel_rows_4bpp(c), mask_rows(c)
        images.append(info_header(c.width, c.height * 2, len(xor) + len(mask)) + palette_bytes() + xor + mask)
    offset = 6 + 16 * len(images)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        for c, data in zip(canvases, images):
            f.write(struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 16, 0, 1, 4, len(data), offset))
            offset += len(data)
        for data in images:
            f.write(data)


def diskette(body, label):
    """A 3.5-inch diskette, 26 x 28."""
    d = Canvas(26, 28, body)
    d.line(0, 0, 25, 0, GRAY)
    d.line(0, 0, 0, 27, GRAY)
    d.line(25, 0, 25, 27, BLACK)
    d.line(0, 27, 25, 27, BLACK)
    d.rect(7, 1, 18, 9, SILVER)     # metal shutter
    d.rect(14, 2, 16, 8, GRAY)      # its window
    d.rect(4, 13, 21, 26, WHITE)    # paper label
    for y in (16, 19, 22):
        d.line(6, y, 19, y, label)
    d.dot(2, 25, BLACK)             # write-protect hole
    return d


def computer_picture():
    c = Canvas(107, 170, TEAL)
    # Monitor: case, screen with a few lines of text, stand.
    c.bevel(14, 6, 92, 80, SILVER, WHITE, GRAY)
    c.line(15, 79, 91, 79, GRAY)
    c.line(91, 7, 91, 79, GRAY)
    c.rect(21, 13, 85, 68, BLACK)
    c.rect(23, 15, 83, 66, NAVY)
    for i, (x1, col) in enumerate([(70, AQUA), (58, WHITE), (76, AQUA), (50, WHITE), (66, AQUA)]):
        y = 20 + i * 7
        c.rect(27, y, x1, y + 2, col)
    c.rect(27, 57, 31, 60, WHITE)   # cursor
    c.rect(76, 73, 80, 75, LIME)    # power light
    c.rect(26, 73, 40, 74, GRAY)    # badge
    c.rect(40, 81, 66, 84, GRAY)
    c.rect(34, 85, 72, 88, SILVER)
    c.line(34, 88, 72, 88, GRAY)
    # System unit with two drive slots and its lights.
    c.bevel(4, 90, 102, 122, SILVER, WHITE, GRAY)
    c.line(5, 121, 101, 121, GRAY)
    c.line(101, 91, 101, 121, GRAY)
    for y in (97, 108):
        c.bevel(56, y, 96, y + 8, SILVER, GRAY, WHITE)
        c.rect(62, y + 3, 90, y + 4, BLACK)
        c.rect(92, y + 6, 94, y + 6, GRAY)
    c.rect(10, 113, 13, 115, LIME)
    c.rect(17, 113, 20, 115, RED)
    c.bevel(10, 98, 26, 106, SILVER, WHITE, GRAY)
    # Diskettes fanned out in front.
    c.blit(diskette(BLUE, NAVY), 6, 134)
    c.blit(diskette(BLACK, GRAY), 40, 130)
    c.blit(diskette(RED, MAROON), 74, 136)
    return c


def install_icon(size):
    """A monitor with a green arrow coming down into it; 32 or 16 pixels."""
    c = Canvas(size, size, CLEAR)
    if size == 32:
        c.bevel(2, 8, 29, 26, SILVER, WHITE, GRAY)
        c.line(2, 26, 29, 26, BLACK)
        c.line(29, 8, 29, 26, BLACK)
        c.rect(5, 11, 26, 23, NAVY)
        c.rect(7, 13, 20, 14, AQUA)
        c.rect(7, 17, 16, 18, AQUA)
        c.rect(11, 27, 20, 28, GRAY)
        c.rect(7, 29, 24, 30, SILVER)
        c.line(7, 30, 24, 30, BLACK)
        # Arrow: shaft and head.
        c.rect(19, 0, 24, 12, GREEN)
        c.rect(20, 0, 23, 12, LIME)
        for i in range(6):
            c.line(16 + i, 12 + i, 27 - i, 12 + i, GREEN if i == 0 else LIME)
            c.dot(16 + i, 12 + i, GREEN)
            c.dot(27 - i, 12 + i, GREEN)
    else:
        c.bevel(1, 4, 14, 12, SILVER, WHITE, GRAY)
        c.line(1, 12, 14, 12, BLACK)
        c.rect(3, 6, 12, 10, NAVY)
        c.rect(5, 13, 10, 13, GRAY)
        c.rect(3, 14, 12, 15, SILVER)
        c.rect(9, 0, 11, 6, LIME)
        for i in range(3):
            c.line(7 + i, 6 + i, 13 - i, 6 + i, LIME)
    return c


def folder(c, x, y, face, edge):
    """A closed folder, 7 x 5 with its tab, top-left at x, y."""
    c.rect(x, y, x + 2, y, edge)
    c.rect(x, y + 1, x + 6, y + 4, edge)
    c.rect(x + 1, y + 2, x + 5, y + 3, face)
    c.dot(x + 1, y + 1, face)


def browse_glyph():
    """A folder with two sub-folders on a dotted tree; normal, then disabled."""
    g = Canvas(32, 16, FUCHSIA)
    for index, (face, edge, line) in enumerate([(YELLOW, BLACK, GRAY), (SILVER, GRAY, GRAY)]):
        ox = index * 16
        for y in range(6, 15, 2):
            g.dot(ox + 3, y, line)
        for x in range(5, 8, 2):
            g.dot(ox + x, 8, line)
            g.dot(ox + x, 14, line)
        folder(g, ox + 1, 0, face, edge)
        folder(g, ox + 8, 6, face, edge)
        folder(g, ox + 8, 11, face, edge)
    g.dot(0, 15, FUCHSIA)
    return g


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "computer.bmp"), computer_picture())
    write_bmp(os.path.join(out, "browse.bmp"), browse_glyph())
    write_ico(os.path.join(out, "splash.ico"), [install_icon(32)])
    write_ico(os.path.join(out, "BrivantaSetup.ico"), [install_icon(32), install_icon(16)])


if __name__ == "__main__":
    main()
