#!/usr/bin/env python3
"""Draws Hidewell's pictures and writes them as .ico files (32x32 and 16x16, 32-bit).

NotGot: a closed folder (nothing hidden). Got: the folder open with a window inside
(windows hidden). Hidewell: the program icon, a window dropping into a tray.
Run from the repository root: tools/make-icons.py
"""
import struct

def canvas(n):
    return [[(0, 0, 0, 0)] * n for _ in range(n)]

def rect(img, x0, y0, x1, y1, c):
    """Fills [x0,x1) x [y0,y1) in 32-unit coordinates, scaled to the canvas."""
    n = len(img); s = n / 32.0
    for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
        for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
            if 0 <= x < n and 0 <= y < n:
                img[y][x] = c

def poly(img, pts, c):
    """Fills a polygon given in 32-unit coordinates (even-odd, pixel centres)."""
    n = len(img); s = n / 32.0
    for y in range(n):
        for x in range(n):
            px, py = (x + 0.5) / s, (y + 0.5) / s
            inside = False
            for i in range(len(pts)):
                (ax, ay), (bx, by) = pts[i], pts[i - 1]
                if (ay > py) != (by > py) and px < (bx - ax) * (py - ay) / (by - ay) + ax:
                    inside = not inside
            if inside:
                img[y][x] = c

DARK = (120, 80, 0, 255); BACK = (235, 170, 40, 255); FRONT = (255, 210, 80, 255)
EDGE = (90, 60, 0, 255); BLUE = (40, 90, 200, 255); WHITE = (250, 250, 250, 255)
GREY = (110, 110, 110, 255); GREEN = (40, 160, 60, 255)

def closed_folder(n):
    img = canvas(n)
    rect(img, 2, 6, 13, 10, EDGE); rect(img, 3, 7, 12, 10, BACK)
    rect(img, 2, 9, 30, 27, EDGE); rect(img, 3, 10, 29, 26, FRONT)
    rect(img, 3, 10, 29, 12, BACK)
    return img

def open_folder(n):
    img = canvas(n)
    rect(img, 2, 6, 13, 10, EDGE); rect(img, 3, 7, 12, 10, BACK)
    rect(img, 2, 9, 28, 27, EDGE); rect(img, 3, 10, 27, 26, BACK)
    # the window inside
    rect(img, 8, 3, 25, 19, GREY); rect(img, 9, 4, 24, 7, BLUE); rect(img, 9, 7, 24, 18, WHITE)
    # the open front flap
    poly(img, [(6, 15), (31, 15), (27, 28), (1, 28)], EDGE)
    poly(img, [(7, 16), (29.5, 16), (26, 27), (2.5, 27)], FRONT)
    return img

def program(n):
    img = canvas(n)
    rect(img, 3, 2, 24, 17, GREY); rect(img, 4, 3, 23, 6, BLUE); rect(img, 4, 6, 23, 16, WHITE)
    poly(img, [(20, 12), (28, 12), (28, 18), (31, 18), (24, 25), (17, 18), (20, 18)], GREEN)
    rect(img, 1, 25, 31, 31, EDGE); rect(img, 2, 26, 30, 30, (60, 60, 70, 255))
    rect(img, 22, 27, 25, 29, FRONT)
    return img

def ico(images):
    head = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for img in images:
        n = len(img)
        bmp = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
        for row in reversed(img):
            bmp += b''.join(struct.pack('BBBB', b, g, r, a) for (r, g, b, a) in row)
        stride = ((n + 31) // 32) * 4
        for row in reversed(img):
            bits = bytearray(stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            bmp += bytes(bits)
        entries += struct.pack('<BBBBHHII', n % 256, n % 256, 0, 0, 1, 32, len(bmp), offset)
        blobs += bmp
        offset += len(bmp)
    return head + entries + blobs

for name, draw in (('NotGot', closed_folder), ('Got', open_folder), ('Hidewell', program)):
    with open('resources/%s.ico' % name, 'wb') as f:
        f.write(ico([draw(32), draw(16)]))
