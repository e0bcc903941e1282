#!/usr/bin/env python3
"""Draws the program icon, a grey rayed disc, as a 32 x 32, 16-colour .ico."""
import math
import struct
import sys

# The standard 16-colour palette, as (R, G, B).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLACK, DARK_GREY, LIGHT_GREY, WHITE = 0, 8, 7, 15


def pixel(x, y):
    """Colour index and transparency of one pixel (y counts from the top)."""
    cx, cy = 15.5, 15.5
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r <= 8.5:
        # Shaded disc: lighter towards the upper left.
        if r > 7.5:
            return DARK_GREY, False
        return (WHITE if dx + dy < -6 else LIGHT_GREY), False
    if r <= 15.5:
        angle = math.degrees(math.atan2(dy, dx)) % 45.0
        if angle < 9 or angle > 36:  # eight rays
            return (DARK_GREY if r > 12.5 else LIGHT_GREY), False
    return BLACK, True


def main(path):
    xor_rows, and_rows = [], []
    for y in range(31, -1, -1):  # bottom-up
        row = bytearray()
        mask = 0
        for x in range(0, 32, 2):
            a, ta = pixel(x, y)
            b, tb = pixel(x + 1, y)
            row.append((a << 4) | b)
        for x in range(32):
            if pixel(x, y)[1]:
                mask |= 1 << (31 - x)
        xor_rows.append(bytes(row))
        and_rows.append(struct.pack(">I", mask))
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/images/MainIcon.ico")
