#!/usr/bin/python3
"""A board of the skin as the game lays it out, with some tiles, to judge the pictures together.

Usage: mockup.py SKIN_FOLDER [OUTPUT.png]  (default /tmp/<skin>-board.png)
Cells at 18 + 28 (x - 1), tiles one pixel inside, letters as the game writes them on "cap": the
letter in bold 9 points at (5, 5), its value in 6 points at (16, 13), in the skin's colours.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

from contact_sheet import find
from palette import FONT, FONT_BOLD

LAYOUT = [
    "500200050002005",
    "030004000400030",
    "003000202000300",
    "200300020003002",
    "000030000030000",
    "040004000400040",
    "002000202000200",
    "500200060002005",
    "002000202000200",
    "040004000400040",
    "000030000030000",
    "200300020003002",
    "003000202000300",
    "030004000400030",
    "500200050002005",
]
SPOTS = {"0": "spot-wt", "2": "spot-gr", "3": "spot-bl", "4": "spot-yl", "5": "spot-rd",
         "6": "spot-bk"}
# (x, y, letter, value, set): set 1 new tiles, 2 committed.
TILES = [(5 + k, 8, ch, v, 2) for k, (ch, v) in enumerate(zip("КВОРИМ", (5, 1, 1, 2, 1, 2)))]
TILES += [(8, 4 + k, ch, v, 1) for k, (ch, v) in enumerate(zip("QUO", (10, 1, 1)))]
TILES += [(9, 7 + k, ch, v, 2) for k, (ch, v) in enumerate(zip("ЖЩЫ", (8, 10, 4)))]
TILES += [(3 + k, 12, ch, v, 1) for k, (ch, v) in enumerate(zip("WAXY", (4, 1, 8, 4)))]


def colours(skin):
    table = {}
    path = find(skin, "colors") or os.path.join(skin, "colors.txt")
    if os.path.exists(path):
        for line in open(path, encoding="latin-1"):
            key, _, value = line.strip().partition("=")
            if value.isdigit():
                v = int(value)
                table[key.lower()] = (v & 255, (v >> 8) & 255, (v >> 16) & 255)
    new = table.get("ingamenewletters", (255, 255, 0))
    used = table.get("ingameplayercolor1", (0, 255, 0))
    return new, used


def main():
    skin = sys.argv[1].rstrip("/")
    out = sys.argv[2] if len(sys.argv) > 2 else f"/tmp/{os.path.basename(skin)}-board.png"
    load = lambda name: Image.open(find(skin, name)).convert("RGB")
    dim = len(LAYOUT)
    table = load("background").crop((0, 0, 28 * dim + 32 + 80, 28 * dim + 32 + 80))
    bl = bt = 40
    board = table.crop((bl, bt, bl + 28 * dim + 32, bt + 28 * dim + 32))
    for y, row in enumerate(LAYOUT):
        for x, kind in enumerate(row):
            board.paste(load(SPOTS[kind]), (18 + 28 * x, 18 + 28 * y))
    # The frame starts at the last cell's edge; the board picture cuts its outer pixels.
    edge = 18 + 28 * dim
    for x in range(dim):
        board.paste(load("border-h"), (18 + 28 * x, edge))
    for y in range(dim):
        board.paste(load("border-v"), (edge, 18 + 28 * y))
    for corner in ((edge, 0), (0, edge), (edge, edge)):
        board.paste(load("border"), corner)
    new, used = colours(skin)
    letter_font = ImageFont.truetype(FONT_BOLD, 12)
    value_font = ImageFont.truetype(FONT, 8)
    for x, y, letter, value, kind in TILES:
        face = load("cap")
        draw = ImageDraw.Draw(face)
        ink = new if kind == 1 else used
        draw.text((5 if value < 10 else 4, 5), letter, font=letter_font, fill=ink)
        draw.text((16 if value < 10 else 13, 13), str(value), font=value_font, fill=ink)
        board.paste(face, (28 * x - 9, 28 * y - 9))
    board.paste(load("cap_uni"), (28 * 12 - 9, 28 * 3 - 9))
    table.paste(board, (bl, bt))
    big = table.resize((table.width * 2, table.height * 2), Image.NEAREST)
    big.save(out)
    print(out)


if __name__ == "__main__":
    main()
