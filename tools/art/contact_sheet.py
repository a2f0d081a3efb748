#!/usr/bin/python3
"""One PNG with every picture of a skin and the first frame of every animation, names below.

Usage: contact_sheet.py SKIN_FOLDER [OUTPUT.png]  (default /tmp/<skin>-sheet.png)
Magenta is shown as it is, so a stray transparent pixel is easy to see. Pictures wider than 360
pixels are shown scaled down, and say so under them.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

import catalogue
from palette import FONT, INK

LIMIT = 360
SHEET_WIDTH = 1500
LABEL = 26


def find(folder, name):
    """The first file name.* in the folder, letter case ignored, as the game looks it up."""
    if not os.path.isdir(folder):
        return None
    for entry in sorted(os.listdir(folder)):
        stem, ext = os.path.splitext(entry)
        if stem.lower() == name.lower() and ext.lower() in (".bmp", ".jpg", ".jpeg", ".png",
                                                              ".gif"):
            return os.path.join(folder, entry)
    return None


def entries(skin):
    animatio = next((os.path.join(skin, d) for d in os.listdir(skin)
                     if d.lower() == "animatio"), os.path.join(skin, "ANIMATIO"))
    for name in catalogue.PICTURES:
        yield name, find(skin, name), catalogue.PICTURES[name]
    for file_name, size in catalogue.CLASSIC_ONLY.items():
        yield file_name, find(skin, os.path.splitext(file_name)[0]), size
    for name, size in catalogue.ANIMATIONS.items():
        yield "ANIMATIO/" + name, find(animatio, name), size


def render(skin, out):
    small = ImageFont.truetype(FONT, 11)
    cards = []
    for name, path, want in entries(skin):
        if path is None:
            picture, note = None, "missing"
        else:
            picture = Image.open(path)
            picture.seek(0)
            picture = picture.convert("RGB")
            got = picture.size
            note = f"{got[0]}x{got[1]}"
            if any(w and w != g for w, g in zip(want, got)):
                note += f" WANT {want[0]}x{want[1]}"
            if picture.width > LIMIT:
                scale = LIMIT / picture.width
                picture = picture.resize((LIMIT, round(picture.height * scale)), Image.LANCZOS)
                note += " (scaled)"
        cards.append((name, picture, note))
    # Shelf packing: cards left to right, a new row when the sheet is full.
    x = y = 8
    row = 0
    places = []
    for name, picture, note in cards:
        w = max(picture.width if picture else 60, 90, round(small.getlength(name)) + 4)
        h = (picture.height if picture else 30) + LABEL
        if x + w > SHEET_WIDTH - 8:
            x, y, row = 8, y + row + 10, 0
        places.append((x, y))
        x += w + 12
        row = max(row, h)
    sheet = Image.new("RGB", (SHEET_WIDTH, y + row + 8), (190, 190, 186))
    draw = ImageDraw.Draw(sheet)
    for (name, picture, note), (x, y) in zip(cards, places):
        if picture:
            sheet.paste(picture, (x, y))
            top = y + picture.height
        else:
            draw.rectangle((x, y, x + 59, y + 29), outline=(160, 0, 0))
            top = y + 30
        colour = (160, 0, 0) if "WANT" in note or note == "missing" else INK
        draw.text((x, top + 1), name, font=small, fill=colour)
        draw.text((x, top + 13), note, font=small, fill=colour)
    sheet.save(out)
    return out


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    skin = sys.argv[1].rstrip("/")
    out = sys.argv[2] if len(sys.argv) > 2 else f"/tmp/{os.path.basename(skin)}-sheet.png"
    print(render(skin, out))


if __name__ == "__main__":
    main()
