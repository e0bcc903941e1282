#!/usr/bin/env python3
"""Draws every bitmap of the program into res/images/ as Windows .bmp files.

Button glyphs (two 16 x 16 images side by side: normal, disabled), the spin
button's arrows, the media player's button images and the splash picture.
Output is deterministic: the same script always writes the same bytes.
Usage: make_images.py [output folder]   (default res/images)
"""
import math
import os
import struct
import sys

# The standard 16-colour palette, as (R, G, B), in its usual order.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

# One letter per palette colour, for the pixel maps below.
COLOURS = {
    '.': (128, 128, 0),    # olive: the transparent background of every glyph
    'k': (0, 0, 0), 'r': (128, 0, 0), 'g': (0, 128, 0), 'n': (0, 0, 128),
    'p': (128, 0, 128), 't': (0, 128, 128), 's': (192, 192, 192), 'd': (128, 128, 128),
    'R': (255, 0, 0), 'G': (0, 255, 0), 'Y': (255, 255, 0), 'B': (0, 0, 255),
    'M': (255, 0, 255), 'C': (0, 255, 255), 'w': (255, 255, 255),
}
BACK = COLOURS['.']
BLACK, WHITE, GREY = COLOURS['k'], COLOURS['w'], COLOURS['d']


# ---------------------------------------------------------------- writing

def write_bmp(path, pixels, bits):
    """Writes rows of (R, G, B) pixels (top row first) as a 4- or 24-bit .bmp."""
    height, width = len(pixels), len(pixels[0])
    rows = []
    for row in reversed(pixels):  # bottom-up
        if bits == 4:
            idx = [PALETTE.index(c) for c in row] + [0]
            data = bytes((idx[i] << 4) | (idx[i + 1] if i + 1 < width else 0)
                         for i in range(0, width, 2))
        else:
            data = b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in row)
        rows.append(data + b"\0" * (-len(data) % 4))
    image = b"".join(rows)
    palette = b""
    if bits == 4:
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image),
                       3780, 3780, 16 if bits == 4 else 0, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + palette + image)


# ---------------------------------------------------------------- drawing

def canvas(width, height, colour=BACK):
    return [[colour] * width for _ in range(height)]


def from_map(lines):
    """A pixel map written as strings of colour letters (see COLOURS)."""
    return [[COLOURS[ch] for ch in line] for line in lines]


def seg_dist(px, py, ax, ay, bx, by):
    """Distance from point p to the segment a-b."""
    dx, dy = bx - ax, by - ay
    n = dx * dx + dy * dy
    t = 0.0 if n == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / n))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def poly_dist(px, py, points):
    return min(seg_dist(px, py, *points[i], *points[i + 1]) for i in range(len(points) - 1))


def outline(img, shape, colour):
    """Draws colour on the pixels of the shape (a set of (x, y)) that touch its edge."""
    for (x, y) in shape:
        if any((x + dx, y + dy) not in shape for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            img[y][x] = colour


def mask(width, height, inside):
    return {(x, y) for y in range(height) for x in range(width) if inside(x + 0.5, y + 0.5)}


def fill(img, shape, colour):
    for (x, y) in shape:
        img[y][x] = colour


def is_dark(c):
    return 0.30 * c[0] + 0.59 * c[1] + 0.11 * c[2] < 170


def embossed(img, keep=is_dark):
    """The greyed, engraved look of a disabled glyph: each kept pixel becomes dark
    grey with a white echo one pixel down and right; the rest is background."""
    h, w = len(img), len(img[0])
    shape = {(x, y) for y in range(h) for x in range(w) if img[y][x] != BACK and keep(img[y][x])}
    out = canvas(w, h)
    for (x, y) in shape:
        if x + 1 < w and y + 1 < h:
            out[y + 1][x + 1] = WHITE
    fill(out, shape, GREY)
    return out


def glyph_pair(img):
    """Normal and disabled image side by side, 32 x 16."""
    assert len(img) == 16 and all(len(row) == 16 for row in img), "glyphs are 16 x 16"
    dis = embossed(img)
    assert img[15][0] == BACK, "bottom-left pixel must be the transparent colour"
    return [a + b for a, b in zip(img, dis)]


# ---------------------------------------------------------------- button glyphs

def alarm_clock():
    return from_map([
        "..kk........kk..",
        ".kRRk.kkkk.kRRk.",
        "kRRRk..kk..kRRRk",
        "kRRk..kkkk..kRRk",
        ".kk.kkRRRRkk.kk.",
        "...kRRwwwwRRk...",
        "...kRwwwkwwRk...",
        "..kRwwwwkwwwRk..",
        "..kRwwwwkwwwRk..",
        "..kRwwwwkkkwRk..",
        "..kRwwwwwwwwRk..",
        "...kRwwwwwwRk...",
        "...kRRwwwwRRk...",
        "....kkRRRRkk....",
        "....k.kkkk.k....",
        "...k........k...",
    ])


def prohibition():
    img = from_map([
        "................",
        "................",
        "................",
        "......kkkk......",
        "......kkkk......",
        "......kkkk......",
        ".......kk.......",
        ".......kk.......",
        ".......kk.......",
        ".......kk.......",
        "................",
        "......kkkk......",
        "......kkkk......",
        "................",
        "................",
        "................",
    ])
    c = 7.5
    ring = mask(16, 16, lambda x, y: 6.0 <= math.hypot(x - c, y - c) <= 7.9)
    bar = mask(16, 16, lambda x, y: math.hypot(x - c, y - c) < 6.4
               and abs((x - c) - (y - c)) < 1.0)
    fill(img, ring | bar, COLOURS['R'])
    return img


def paper_with_rays():
    return from_map([
        ".......nn.......",
        ".n.....nn.....n.",
        "..n..........n..",
        "....kkkkkk......",
        "....kwwwwkk.....",
        "....kwwwwkwk....",
        "....kwwwwkkk....",
        ".nn.kwddddwk.nn.",
        ".nn.kwwwwwwk.nn.",
        "....kwddddwk....",
        "....kwwwwwwk....",
        "....kwddddwk....",
        "....kkkkkkkk....",
        "..n..........n..",
        ".n.....nn.....n.",
        ".......nn.......",
    ])


def run_glyph():
    return from_map([
        "................",
        "kkkkkkkkkkkkkkkk",
        "kwwwwwwwwwwwwwdk",
        "kw............dk",
        "kw...n........dk",
        "kw...nn.......dk",
        "kw...nnnn.....dk",
        "kw...nnnnn....dk",
        "kw...nnnnnn...dk",
        "kw...nnnnn....dk",
        "kw...nnnn.....dk",
        "kw...nn.......dk",
        "kw...n........dk",
        "kwddddddddddddd" + "k",
        "kkkkkkkkkkkkkkkk",
        "................",
    ])


def crescent_moon():
    img = canvas(16, 16)
    moon = mask(16, 16, lambda x, y: math.hypot(x - 7.0, y - 8.0) <= 6.8
                and math.hypot(x - 10.5, y - 6.0) > 5.8)
    fill(img, moon, COLOURS['Y'])
    outline(img, moon, COLOURS['k'])
    for x, y in ((12, 2), (14, 5), (11, 6)):  # small stars
        img[y][x] = COLOURS['Y']
    return img


def sun():
    return from_map([
        ".......RR.......",
        ".......RR.......",
        "..RR...RR...RR..",
        "..RRR......RRR..",
        "...R..rrrr..R...",
        ".....rYYYYr.....",
        "....rYYYYYYr....",
        "RRR.rYYYYYYr.RRR",
        "RRR.rYYYYYYr.RRR",
        "....rYYYYYYr....",
        ".....rYYYYr.....",
        "...R..rrrr..R...",
        "..RRR......RRR..",
        "..RR...RR...RR..",
        ".......RR.......",
        ".......RR.......",
    ])


def check_mark():
    img = canvas(16, 16)
    stroke = [(2.5, 8.0), (6.0, 12.0), (13.5, 3.0)]
    thick = mask(16, 16, lambda x, y: poly_dist(x, y, stroke) <= 1.9)
    fill(img, thick, COLOURS['R'])
    outline(img, thick, COLOURS['r'])
    return img


# ---------------------------------------------------------------- spin arrows

def spin_arrow(up):
    """9 x 6: a black triangle on olive, rows 1 to 4 as the spin button fixes them."""
    img = canvas(9, 6)
    spans = [(4, 4), (3, 5), (2, 6), (1, 7)]
    if not up:
        spans.reverse()
    for row, (a, b) in enumerate(spans, start=1):
        for x in range(a, b + 1):
            img[row][x] = BLACK
    return img


# ---------------------------------------------------------------- media player buttons

def tri_right(x0, yc, half):
    """Triangle pointing right: left edge at x0 over rows yc - half to yc + half."""
    return lambda px, py: 0 <= int(px) - x0 <= half - abs(int(py) - yc)


def tri_left(x1, yc, half):
    """Triangle pointing left: right edge at x1 over rows yc - half to yc + half."""
    return lambda px, py: 0 <= x1 - int(px) <= half - abs(int(py) - yc)


def rect(x0, y0, x1, y1):
    return lambda px, py: x0 <= int(px) <= x1 and y0 <= int(py) <= y1


def union(*parts):
    return lambda px, py: any(p(px, py) for p in parts)


# (button, size of enabled and coloured image, size of disabled image, shape, colour)
MEDIA_BUTTONS = [
    ("Play", (17, 16), (17, 16), lambda w: tri_right(6, 7, 5), 'g'),
    ("Pause", (13, 16), (12, 16), lambda w: union(rect(3, 3, 4, 11), rect(w - 5, 3, w - 4, 11)), 't'),
    ("Stop", (17, 16), (17, 16), lambda w: rect(4, 3, 12, 11), 'r'),
    ("Next", (21, 16), (21, 16),
     lambda w: union(tri_right(4, 7, 4), tri_right(9, 7, 4), rect(14, 3, 15, 11)), 'n'),
    ("Prev", (20, 16), (20, 16),
     lambda w: union(rect(4, 3, 5, 11), tri_left(10, 7, 4), tri_left(15, 7, 4)), 'n'),
    ("Step", (21, 16), (21, 16), lambda w: union(tri_right(7, 7, 4), rect(12, 3, 13, 11)), 'B'),
    ("Back", (21, 16), (21, 16), lambda w: union(rect(7, 3, 8, 11), tri_left(13, 7, 4)), 'B'),
    ("Record", (13, 13), (13, 13), lambda w: lambda x, y: math.hypot(x - 6.0, y - 6.0) <= 4.3, 'R'),
    ("Eject", (19, 16), (19, 16),
     lambda w: union(lambda x, y: 3 <= int(y) <= 8 and abs(int(x) - 9) <= int(y) - 3,
                     rect(4, 10, 14, 11)), 'p'),
]


def media_images(size, dsize, shape, colour):
    """Enabled (black), disabled (embossed grey) and coloured images of one button."""
    (w, h), (dw, dh) = size, dsize
    enabled = canvas(w, h)
    fill(enabled, mask(w, h, shape(w)), BLACK)
    coloured = canvas(w, h)
    body = mask(w, h, shape(w))
    fill(coloured, body, COLOURS[colour])
    if colour == 'R':
        outline(coloured, body, COLOURS['r'])
    solid = canvas(dw, dh)
    fill(solid, mask(dw, dh, shape(dw)), BLACK)
    return enabled, embossed(solid), coloured


# ---------------------------------------------------------------- splash picture

def lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def ramp(stops, t):
    t = max(0.0, min(1.0, t))
    for i in range(len(stops) - 1):
        (t0, c0), (t1, c1) = stops[i], stops[i + 1]
        if t <= t1:
            return lerp(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


SKY = [(0.0, (14, 8, 46)), (0.35, (62, 24, 112)), (0.6, (168, 46, 118)),
       (0.82, (236, 108, 64)), (1.0, (255, 196, 92))]


def swirl(x, y):
    """The swirling background: a dawn-coloured spiral, darker towards the edges."""
    cx, cy = 120.0, 86.0
    dx, dy = x - cx, (y - cy) * 1.25
    r = math.hypot(dx, dy)
    phase = 3 * math.atan2(dy, dx) - 5.0 * math.log(r + 12.0)
    t = 0.52 + 0.30 * math.sin(phase) + 0.28 * math.exp(-r / 45.0) - r / 260.0
    t -= 0.25 * max(0.0, (y - 130) / 50.0)
    return ramp(SKY, t)


def arc(cx, cy, r, a0, a1, steps=20):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


# Stroke letters on a grid with the ascender at y 0, x-height at 4, baseline at 10
# (y grows downwards); each is (advance, list of polylines).
LETTERS = {
    'D': (7.0, [[(0, 0), (0, 10)], [(0, 0), (2, 0)] + arc(2, 5, 5, -90, 90) + [(0, 10)]]),
    'a': (6.0, [arc(3, 7, 3, 0, 360, 28), [(6, 4), (6, 10)]]),
    'w': (7.0, [[(0, 4), (1.75, 10), (3.5, 5.5), (5.25, 10), (7, 4)]]),
    'n': (5.5, [[(0, 4), (0, 10)], [(0, 6.5)] + arc(2.75, 6.75, 2.75, 180, 360) + [(5.5, 10)]]),
    'b': (6.0, [[(0, 0), (0, 10)], arc(3, 7, 3, 0, 360, 28)]),
    'e': (6.0, [[(0.1, 7), (6, 7)] + arc(3, 7, 3, 0, -315, 26)]),
    'l': (0.0, [[(0, 0), (0, 10)]]),
}


def text_strokes(word, scale, left, top, gap):
    """Polylines of the word in pixels, with the index of the letter of each."""
    strokes, x = [], 0.0
    for i, ch in enumerate(word):
        advance, lines = LETTERS[ch]
        for line in lines:
            strokes.append((i, [(left + (x + px) * scale, top + py * scale) for px, py in line]))
        x += advance + gap
    return strokes


def cover(d, radius):
    """Anti-aliased coverage of a pixel at distance d from a stroke of that radius."""
    return max(0.0, min(1.0, radius - d + 0.5))


def splash():
    w, h = 240, 180
    img = [[swirl(x + 0.5, y + 0.5) for x in range(w)] for y in range(h)]
    word, gap, margin = "Dawnbell", 2.2, 16.0
    width = sum(LETTERS[c][0] for c in word) + gap * (len(word) - 1)
    scale = (w - 2 * margin) / width
    left, top = margin, 40.0
    strokes = text_strokes(word, scale, left, top, gap)
    core, rim, shadow = 3.0, 4.6, 4.6
    boxes = []
    for _, line in strokes:
        xs, ys = [p[0] for p in line], [p[1] for p in line]
        boxes.append((min(xs) - 9, min(ys) - 9, max(xs) + 12, max(ys) + 12))
    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            near = [s for s, b in zip(strokes, boxes) if b[0] <= px <= b[2] and b[1] <= py <= b[3]]
            if not near:
                continue
            d = min(poly_dist(px, py, line) for _, line in near)
            ds = min(poly_dist(px - 3, py - 3, line) for _, line in near)
            c = img[y][x]
            c = lerp(c, (10, 4, 30), 0.65 * cover(ds, shadow))
            c = lerp(c, (40, 10, 20), cover(d, rim))
            k = cover(d, core)
            if k > 0:
                t = (py - top) / (10 * scale)
                face = ramp([(0.0, (255, 250, 190)), (0.35, (255, 214, 60)),
                             (0.7, (250, 120, 30)), (1.0, (220, 40, 40))], t)
                dh = min(poly_dist(px + 1.2, py + 1.2, line) for _, line in near)
                face = lerp(face, (255, 255, 240), 0.55 * cover(dh, 1.0) * (1 - t))
                c = lerp(c, face, k)
            img[y][x] = c
    return [[tuple(int(round(v)) for v in p) for p in row] for row in img]


# ---------------------------------------------------------------- all of it

def main(folder):
    os.makedirs(folder, exist_ok=True)
    out = lambda name: os.path.join(folder, name)
    glyphs = [("SetBtnGlyph", alarm_clock), ("CancelBtnGlyph", prohibition),
              ("FindFileGlyph", paper_with_rays), ("RunBtnGlyph", run_glyph),
              ("SnoozeBtnGlyph", crescent_moon), ("AwakeBtnGlyph", sun),
              ("OkBtnGlyph", check_mark)]
    for name, draw in glyphs:
        write_bmp(out(name + ".bmp"), glyph_pair(draw()), 4)
    write_bmp(out("SpinUp.bmp"), spin_arrow(True), 4)
    write_bmp(out("SpinDown.bmp"), spin_arrow(False), 4)
    write_bmp(out("MonthSelUp.bmp"), spin_arrow(True), 24)
    write_bmp(out("MonthSelDown.bmp"), spin_arrow(False), 24)
    for name, size, dsize, shape, colour in MEDIA_BUTTONS:
        images = media_images(size, dsize, shape, colour)
        for state, img in zip(("Enabled", "Disabled", "Colored"), images):
            write_bmp(out("Mp%s%s.bmp" % (name, state)), img, 4)
    write_bmp(out("Splash.bmp"), splash(), 24)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/images")
