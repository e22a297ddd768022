#!/usr/bin/env python3
"""Draws the skin's bitmaps (24-bit BMP, white is transparent) into components/skin/res."""
import math
import os
import struct
import sys

WHITE = (255, 255, 255)


def write_bmp(path, pixels):
    h = len(pixels)
    w = len(pixels[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def canvas(w, h):
    return [[WHITE] * w for _ in range(h)]


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def lighten(c, n):
    return tuple(max(0, min(255, x + n)) for x in c)


def app_icon():
    # A draw ball: a shaded blue disc with a white spot and a yellow ring.
    n = 32
    px = canvas(n, n)
    cx = cy = 15.5
    for y in range(n):
        for x in range(n):
            d = math.hypot(x - cx, y - cy)
            if d <= 15:
                shade = math.hypot(x - 11, y - 10) / 22
                c = mix((90, 160, 255), (10, 40, 150), min(1, shade))
                if 11 <= d <= 13:
                    c = (250, 200, 40)
                if math.hypot(x - 10, y - 9) < 3.2:
                    c = (240, 248, 255)
                px[y][x] = c
    # The figure six in the middle, so the icon reads at 20 pixels.
    six = ["  ### ", " #    ", " #### ", " #   #", " #   #", "  ### "]
    for j, row in enumerate(six):
        for i, ch in enumerate(row):
            if ch == "#":
                for dy in range(2):
                    for dx in range(2):
                        px[10 + 2 * j + dy][10 + 2 * i + dx] = (255, 255, 255 - 1)
    return px


CAPTION = (31, 75, 142)
CAPTION_END = (75, 122, 191)
BORDER = (216, 220, 231)


def top_corner(mirror):
    # The rounded top corner of the caption: a quarter disc over the caption gradient.
    w, h, r = 16, 28, 15
    px = canvas(w, h)
    for y in range(h):
        for x in range(w):
            inside = y >= r or math.hypot(x - r, y - r) <= r
            if inside:
                c = mix(CAPTION, CAPTION_END, abs(y - h / 2) / (h / 2))
                if math.hypot(x - r, y - r) > r - 1.5 and y < r:
                    c = lighten(c, 60)
                px[y][x] = c
    if mirror:
        px = [list(reversed(row)) for row in px]
    return px


def bottom_corner(w, h, mirror):
    px = canvas(w, h)
    r = min(w, h) - 1
    for y in range(h):
        for x in range(w):
            d = math.hypot(x - r, y - (h - 1 - r))
            if y <= h - 1 - r or d <= r:
                c = BORDER if d < r - 2 or y <= h - 1 - r else lighten(BORDER, -70)
                px[y][x] = c
    if mirror:
        px = [list(reversed(row)) for row in px]
    return px


def button(kind, state):
    n = 15
    base = {"UP": (60, 110, 190), "HL": (95, 145, 225), "DOWN": (30, 70, 140)}[state]
    if kind == "CLOSE":
        base = {"UP": (200, 60, 40), "HL": (235, 95, 70), "DOWN": (150, 35, 25)}[state]
    px = canvas(n, n)
    for y in range(n):
        for x in range(n):
            corner = min(x, n - 1 - x) + min(y, n - 1 - y)
            if corner == 0:
                continue
            c = mix(lighten(base, 40), base, y / (n - 1))
            if state == "DOWN":
                c = mix(base, lighten(base, 30), y / (n - 1))
            if x in (0, n - 1) or y in (0, n - 1):
                c = lighten(base, -50)
            px[y][x] = c
    glyph = (250, 250, 250)
    s = 1 if state == "DOWN" else 0
    if kind == "MIN":
        for x in range(4, 10):
            for y in (10, 11):
                px[y + s][x + s] = glyph
    elif kind == "MAX":
        for x in range(4, 11):
            px[4 + s][x + s] = px[5 + s][x + s] = px[10 + s][x + s] = glyph
        for y in range(4, 11):
            px[y + s][4 + s] = px[y + s][10 + s] = glyph
    else:
        for i in range(4, 11):
            for d in (0, 1):
                if i + d <= 10:
                    px[i + s][i + d + s] = glyph
                    px[i + s][14 - i - d + s] = glyph
    return px


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "components", "skin", "res")
    os.makedirs(out, exist_ok=True)
    write_bmp(os.path.join(out, "AppIcon.bmp"), app_icon())
    write_bmp(os.path.join(out, "ZebTOPLEFT.bmp"), top_corner(False))
    write_bmp(os.path.join(out, "ZebTOPRIGHT.bmp"), top_corner(True))
    write_bmp(os.path.join(out, "ZebBTMLEFT.bmp"), bottom_corner(14, 13, False))
    write_bmp(os.path.join(out, "ZebBTMRGHT.bmp"), bottom_corner(15, 16, True))
    for kind in ("MIN", "MAX", "CLOSE"):
        for state in ("UP", "HL", "DOWN"):
            write_bmp(os.path.join(out, f"Zeb{kind}{state}BTN.bmp"), button(kind, state))


main()
