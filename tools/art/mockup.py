#!/usr/bin/python3
"""A board of the skin as the game lays it out, with some tiles, to judge the pictures together.

Usage: mockup.py SKIN_FOLDER [OUTPUT.png]  (default /tmp/<skin>-board.png; the panels and the
start menu go beside it, to /tmp/<skin>-panels.png)
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
    panels_out = out.replace("-board", "-panels")
    panels(load, colours(skin), letter_font, value_font).save(panels_out)
    print(panels_out)


def put(target, picture, xy):
    """Pastes a picture with its magenta left out, as the game's transparent pictures show."""
    keep = Image.new("L", picture.size, 255)
    pixels = picture.convert("RGB").load()
    kp = keep.load()
    for y in range(picture.height):
        for x in range(picture.width):
            if pixels[x, y] == (255, 0, 255):
                kp[x, y] = 0
    target.paste(picture, xy, keep)


def panels(load, inks, letter_font, value_font):
    """A player panel with a clock, the control panel and the start menu, as the game lays them."""
    new, used = inks
    sheet = load("background").crop((0, 0, 900, 420))
    draw = ImageDraw.Draw(sheet)
    # Player panel: 170 x 360 at (10, 10).
    px, py = 10, 10
    sheet.paste(load("quorim"), (px, py))
    draw.rectangle((px, py, px + 169, py + 359), outline=(255, 255, 255))
    draw.rectangle((px + 2, py + 2, px + 167, py + 22), outline=(255, 255, 255))
    draw.text((px + 85, py + 12), "Анна", font=letter_font, fill=(255, 255, 255), anchor="mm")
    draw.rectangle((px + 25, py + 30, px + 143, py + 151), fill=(0, 0, 255),
                   outline=(196, 178, 47), width=2)
    plate = load("ScrG1")
    top = py + 30 + 122 + 7
    put(sheet, plate, (px + (170 - plate.width) // 2, top))
    draw.text((px + 85, top + 7 + 10), "137", font=letter_font, fill=used, anchor="mm")
    rack = load("slot7ch1")
    rl, rt = px + (170 - rack.width) // 2, top + plate.height + 5
    put(sheet, rack, (rl, rt))
    slots = [(rl + 20 + 28 * i, rt + 14) for i in range(4)]
    slots += [(rl + 34 + 28 * i, rt + 42) for i in range(3)]
    for (x, y), (letter, value) in zip(slots, zip("ЁЛКАWQZ", (3, 2, 2, 1, 4, 10, 10))):
        face = load("cap")
        d = ImageDraw.Draw(face)
        d.text((5 if value < 10 else 4, 5), letter, font=letter_font, fill=new)
        d.text((16 if value < 10 else 13, 13), str(value), font=value_font, fill=new)
        sheet.paste(face, (x, y))
    clock = load("timet1")
    ct = rt + rack.height + 5
    put(sheet, clock, (px + (170 - clock.width) // 2, ct))
    draw.text((px + 85, ct + 9 + 11), "04:27", font=letter_font, fill=(255, 196, 80),
              anchor="mm")
    # Control panel: 170 x 320 at (200, 10).
    cx, cy = 200, 10
    sheet.paste(load("quorim").crop((0, 0, 170, 320)), (cx, cy))
    draw.rectangle((cx, cy, cx + 169, cy + 319), outline=(255, 255, 255))
    cng = load("Cng!_1")
    for name, (x, y) in (("Cng!_1", (23, 50)), ("Go!_1", (23 + cng.width, 50)),
                         ("HintBut1", (45, 120)), ("PrevBut1", (95, 120)),
                         ("o-button", (15, 180)), ("s-button", (52, 180)),
                         ("l-button", (90, 180)), ("i-button", (126, 180)),
                         ("logo_sh", (15, 280))):
        put(sheet, load(name), (cx + x, cy + y))
    # Start menu at (400, 10), the faces centred 5 px left of the middle from top + 120.
    mx, my = 400, 10
    menu = load("menu")
    sheet.paste(menu, (mx, my))
    face = load("menubutt")
    fx = mx + (menu.width - face.width) // 2 - 5
    for k, (top, caption) in enumerate(((120, "Новая игра"), (155, "Load game"),
                                        (190, "Выход"), (249, "Продолжить"))):
        put(sheet, face, (fx, my + top))
        draw.text((fx + 11, my + top + 6), caption, font=letter_font, fill=(52, 34, 22))
    draw.text((mx + 12, my + 76), "Игрок: Анна\nЯзык словаря: русский",
              font=letter_font, fill=(242, 232, 204))
    return sheet


if __name__ == "__main__":
    main()
