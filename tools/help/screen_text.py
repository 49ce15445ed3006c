#!/usr/bin/env python3
"""Reads what the Quorvin window shows, so the help recordings can type what a learner sees.

  screen_text.py CACHE slots WINDOW
      The four big targets of a letter drill, e.g. "R J - U": "-" for a slot that is still
      showing a hit (drawn in the hit colour), "?" for an empty slot.
  screen_text.py CACHE line WINDOW X Y W H PIXELS upper|lower
      The Latin letters at the start of a text line in the client rectangle W x H at X,Y
      (drawn PIXELS high), up to the first "(" or the first shape that is no letter,
      e.g. "cao" from "cao(糙)".

The window is grabbed with ImageMagick's import. Glyph pictures are drawn once from the font
the trainer uses for these labels (Noto Serif CJK SC) and kept in the folder CACHE. Only the
standard library is used. With SCREEN_TEXT_DEBUG set, `line` tells on stderr how it read each
glyph.
"""

import json
import os
import subprocess
import sys

FONT = "Noto-Serif-CJK-SC"
BACKGROUND = "#f0f0f0"
INK = "#3a8fc8"
UPPER = [chr(c) for c in range(ord("A"), ord("Z") + 1)]
LOWER = [chr(c) for c in range(ord("a"), ord("z") + 1)]


def read_pnm(data):
    """(width, height, channels, pixel bytes) of a binary PGM or PPM."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    if maxval != 255:
        raise SystemExit(f"unexpected PNM depth {maxval}")
    channels = {b"P5": 1, b"P6": 3}[magic]
    pixels = data[pos + 1:pos + 1 + width * height * channels]
    return width, height, channels, pixels


def run(command, stdin=None):
    return subprocess.run(command, input=stdin, stdout=subprocess.PIPE, check=True).stdout


def grab(window, geometry=None, scale=None, grey=False):
    picture = run(["import", "-window", window, "ppm:-"])
    options = []
    if geometry:
        options += ["-crop", geometry, "+repage"]
    if scale:
        options += ["-scale", scale]
    if grey:
        options += ["-colorspace", "gray", "-depth", "8", "pgm:-"]
    else:
        options += ["-depth", "8", "ppm:-"]
    return read_pnm(run(["convert", "ppm:-"] + options, stdin=picture))


def ink_grid(width, height, pixels, paper, full):
    """Rows of ink amounts 0..1 from grey pixels: paper is the background's grey, full the
    grey of solid ink."""
    span = float(paper - full)
    return [[min(1.0, max(0.0, (paper - pixels[y * width + x]) / span)) for x in range(width)]
            for y in range(height)]


def grey_of(colour):
    return read_pnm(run(["convert", "xc:" + colour, "-colorspace", "gray", "-depth", "8",
                         "pgm:-"]))[3][0]


def render(text, pixels, scale=None):
    command = ["convert", "-background", BACKGROUND, "-fill", INK, "-font", FONT,
               "-pointsize", str(pixels), "label:" + text]
    if scale:
        command += ["-scale", scale]
    return read_pnm(run(command + ["-colorspace", "gray", "-depth", "8", "pgm:-"]))


def trim(grid, threshold=0.25):
    rows = [y for y, row in enumerate(grid) if max(row) > threshold]
    if not rows:
        return None
    cols = [x for x in range(len(grid[0])) if max(row[x] for row in grid) > threshold]
    return [row[cols[0]:cols[-1] + 1] for row in grid[rows[0]:rows[-1] + 1]]


def shrink(grid, width=12, height=16):
    """Area average of a trimmed glyph into width x height cells."""
    h, w = len(grid), len(grid[0])
    cells = []
    for cy in range(height):
        y0, y1 = cy * h / height, (cy + 1) * h / height
        for cx in range(width):
            x0, x1 = cx * w / width, (cx + 1) * w / width
            total = area = 0.0
            for y in range(int(y0), min(h, int(y1) + 1)):
                wy = min(y + 1, y1) - max(y, y0)
                if wy <= 0:
                    continue
                for x in range(int(x0), min(w, int(x1) + 1)):
                    wx = min(x + 1, x1) - max(x, x0)
                    if wx <= 0:
                        continue
                    total += grid[y][x] * wx * wy
                    area += wx * wy
            cells.append(total / area if area else 0.0)
    return cells


def cached(cache, name, make):
    path = os.path.join(cache, name + ".json")
    if os.path.exists(path):
        with open(path) as f:
            return json.load(f)
    value = make()
    os.makedirs(cache, exist_ok=True)
    with open(path + ".new", "w") as f:
        json.dump(value, f)
    os.replace(path + ".new", path)
    return value


# Big targets: the letter labels are 200 pixels high; a quarter of that is plenty to tell
# the capitals apart.
SLOT_COLUMNS = [(0, 240), (240, 480), (480, 720), (720, 961)]
SLOT_ROWS = (140, 430)


def big_templates(paper, full):
    templates = {}
    for letter in UPPER:
        w, h, _, px = render(letter, 200, "25%")
        glyph = trim(ink_grid(w, h, px, paper, full))
        templates[letter] = [len(glyph[0]) / len(glyph), shrink(glyph)]
    return templates


def slots(cache, window):
    paper, full = grey_of(BACKGROUND), grey_of(INK)
    templates = cached(cache, "big", lambda: big_templates(paper, full))
    top, bottom = SLOT_ROWS
    w, h, _, rgb = grab(window, f"961x{bottom - top}+0+{top}", "25%")
    grey = bytes((rgb[i] * 299 + rgb[i + 1] * 587 + rgb[i + 2] * 114) // 1000
                 for i in range(0, len(rgb), 3))
    grid = ink_grid(w, h, grey, paper, full)
    answer = []
    for left, right in SLOT_COLUMNS:
        l, r = left // 4, min(w, right // 4)
        part = [row[l:r] for row in grid]
        glyph = trim(part)
        if glyph is None:
            answer.append("?")
            continue
        # A hit is drawn red, the targets blue: compare the two channels where the ink is.
        red = blue = 0
        for y in range(h):
            for x in range(l, r):
                if grid[y][x] > 0.5:
                    i = (y * w + x) * 3
                    red += rgb[i]
                    blue += rgb[i + 2]
        if red > blue:
            answer.append("-")
            continue
        ratio, cells = len(glyph[0]) / len(glyph), shrink(glyph)

        def distance(item):
            t_ratio, t_cells = item[1]
            return sum((a - b) ** 2 for a, b in zip(cells, t_cells)) + 20 * (ratio - t_ratio) ** 2

        answer.append(min(templates.items(), key=distance)[0])
    return " ".join(answer)


# Text lines: the line is cut into glyphs at blank columns; each glyph is known by its shape,
# its width against its height and where its top and bottom lie. The labels' vertical place
# is found as the one shift that fits all glyphs best.
def segments(grid, threshold=0.5):
    """(first column, last column + 1) of the runs of inked columns."""
    width = len(grid[0])
    inked = [max(row[x] for row in grid) > threshold for x in range(width)]
    runs, x = [], 0
    while x < width:
        if inked[x]:
            start = x
            while x < width and inked[x]:
                x += 1
            runs.append((start, x))
        else:
            x += 1
    return runs


def describe(grid, left, right, threshold=0.3):
    """(top, bottom, ratio, cells) of the glyph in columns left..right-1, or None."""
    part = [row[left:right] for row in grid]
    rows = [y for y, row in enumerate(part) if max(row) > threshold]
    if not rows:
        return None
    glyph = trim(part, threshold)
    if glyph is None:
        return None
    return [rows[0], rows[-1] + 1, len(glyph[0]) / len(glyph), shrink(glyph, 8, 12)]


def line_templates(pixels, letters, paper, full):
    templates = {}
    for letter in letters + ["("]:
        w, h, _, px = render(letter, pixels)
        grid = ink_grid(w, h, px, paper, full)
        runs = segments(grid)
        templates[letter] = describe(grid, runs[0][0], runs[-1][1])
    return templates


# What reading a run of ink as two touching letters costs beyond their own distances: a good
# match of one glyph lies well under it, a wrong one far over it.
SPLIT_COST = 0.05


def distance(glyph, template, shift, pixels):
    top, bottom, ratio, cells = glyph
    t_top, t_bottom, t_ratio, t_cells = template
    shape = sum((a - b) ** 2 for a, b in zip(cells, t_cells)) / len(cells)
    place = ((top - shift - t_top) ** 2 + (bottom - shift - t_bottom) ** 2) / pixels ** 2
    return shape + 0.5 * (ratio - t_ratio) ** 2 + 4 * place


def line(cache, window, x, y, width, height, pixels, case):
    paper, full = grey_of(BACKGROUND), grey_of(INK)
    letters = UPPER if case == "upper" else LOWER
    templates = cached(cache, f"line{pixels}{case}",
                       lambda: line_templates(pixels, letters, paper, full))
    w, h, _, px = grab(window, f"{width}x{height}+{x}+{y}", grey=True)
    grid = ink_grid(w, h, px, paper, full)
    runs = segments(grid)[:8]  # a code, or a spelling and its bracket, comes first
    glyphs = [g for g in (describe(grid, l, r) for l, r in runs) if g]
    if not glyphs:
        return ""

    def best(glyph, shift):
        return min((distance(glyph, t, shift, pixels), k) for k, t in templates.items())

    # The shift that fits the whole glyphs best; then each run is read either as one glyph or,
    # where two letters touch, as two.
    shift = min(range(-12, 13), key=lambda sh: sum(best(g, sh)[0] for g in glyphs))
    text = []
    for l, r in runs:
        whole = describe(grid, l, r)
        if whole is None:
            continue
        d, letter = best(whole, shift)
        choice = (d, [letter])
        for cut in range(l + 3, r - 2) if d > 2 * SPLIT_COST else ():
            left, right = describe(grid, l, cut), describe(grid, cut, r)
            if left is None or right is None:
                continue
            (dl, kl), (dr, kr) = best(left, shift), best(right, shift)
            if dl + dr + SPLIT_COST < choice[0]:
                choice = (dl + dr + SPLIT_COST, [kl, kr])
        if os.environ.get("SCREEN_TEXT_DEBUG"):
            print(l, r, shift, round(d, 3), letter, round(choice[0], 3), choice[1], file=sys.stderr)
        text += choice[1]
        if "(" in choice[1]:
            break
    return "".join(text).split("(")[0]


def main(argv):
    if len(argv) >= 3 and argv[1] == "slots":
        print(slots(argv[0], argv[2]))
    elif len(argv) == 9 and argv[1] == "line":
        x, y, w, h, pixels = (int(v) for v in argv[3:8])
        print(line(argv[0], argv[2], x, y, w, h, pixels, argv[8]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
