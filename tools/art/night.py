#!/usr/bin/python3
"""Builds the "night" skin in data/GRAFIX/night/: its colour table, its font table and some of
its pictures, dark blue and silver under a moon.

The skin holds only the background, the play-area backdrop, the start menu, the board cells,
the tile faces and the score plates; every other picture and every animation comes from the
classic skin, which is how a skin is meant to lean on it. The classic windows are dark felt and
wood, so their texts here are light too; only the star window's paper and the save slots' ivory
plates take dark inks.

Debian packages needed: python3-pil
Run: /usr/bin/python3 tools/art/night.py [output folder]
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import palette as P  # noqa: E402
from animations import diagonal, star_points  # noqa: E402

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SS = 4

NAVY_DEEP = (8, 12, 32)
NAVY = (18, 28, 64)
NAVY_LIGHT = (40, 58, 110)
SILVER_DARK = (110, 120, 138)
SILVER = (176, 186, 200)
SILVER_LIGHT = (226, 232, 240)
ICE = (150, 200, 255)
LAVENDER = (200, 170, 255)
MOON = (250, 240, 200)
INK_NAVY = (20, 30, 80)

# Every key the windows ask for. Letters are written on the skin's own dark tiles, scores on its
# own plates.
COLOURS = {
    "ScreenButtonTitleNewGame": SILVER_LIGHT,
    "ScreenButtonTitleLoadGame": SILVER_LIGHT,
    "ScreenButtonTitleExit": SILVER_LIGHT,
    "ScreenButtonTitleContinue": SILVER_LIGHT,
    "ScreenButtonTitleLastPlayer": ICE,
    "InGameLabel": SILVER_LIGHT,
    "InGameLabelExplanationPanel": SILVER_LIGHT,
    "InGameInfoComment": ICE,
    "InGamePlayFieldUpperComment": MOON,
    "InGamePlayFieldUpperCommentBgr": NAVY_DEEP,
    "InGameInfoCommentBgr": NAVY,
    "InGameInfoCommentBord": SILVER,
    "InGamePlayerBorder": SILVER,
    "InGamePlayerCap": SILVER_LIGHT,
    "InGamePlayerCapButtons": SILVER_LIGHT,
    "InGamePlayerNum": SILVER_LIGHT,
    "InGamePlayerNumSel": MOON,
    "InGamePlayerImageBgr": NAVY_DEEP,
    "InGamePlayerImageBorder": SILVER_DARK,
    "InGamePlayerColor1": ICE,
    "InGamePlayerColor2": LAVENDER,
    "InGamePlayerColor1Bgr": NAVY,
    "InGamePlayerColor2Bgr": (36, 26, 70),
    "InGamePlayerBgrSel": (60, 84, 150),
    "InGameTimeActive": MOON,
    "InGameTimeInActive": SILVER_DARK,
    "InGameMessageWait": SILVER_LIGHT,
    "InGameNewLetters": ICE,
    "InGameUsedLetters": SILVER_LIGHT,
    "InGameHorizSelection": (120, 170, 255),
    "InGameVertSelection": LAVENDER,
    "InGameMessage": SILVER_LIGHT,
    "InGameQuestion": ICE,
    "NewGameBackground": NAVY,
    "NewGameWindowLabel": MOON,
    "NewGameWindowString": SILVER_LIGHT,
    "NewGameDivider": SILVER,
    "NewGamePlayerMode": ICE,
    "NewGamePlayerName": SILVER_LIGHT,
    "NewGamePlayerNameBgr": NAVY_DEEP,
    "NewGamePlayerNumber": MOON,
    "NewGameTabColor": SILVER_LIGHT,
    "NewGameTabBgr": NAVY,
    "NewGameTabBgrSelected": NAVY_LIGHT,
    "NewGameSelectPlayerWindow": NAVY,
    "NewGameSelectPlayerWindowCap": NAVY_LIGHT,
    "NewGameSelectPlayerWindowBorder": SILVER_DARK,
    "NewGameSelectPlayerWindowtext": SILVER_LIGHT,
    "NewGameSelectPlayerShadow": (4, 6, 18),
    "NewGameSelectPlayerBgr": NAVY_DEEP,
    "NewGameSelectPlayerBorder": SILVER,
    "SaveGameWindowCap": MOON,
    "SaveGameWindowText": INK_NAVY,
    "StarWindowLetter": (30, 50, 120),
    "StarWindowLetterOver": (110, 60, 170),
    "StarWindowLetterValue": INK_NAVY,
    "GameOverWindowText": SILVER_LIGHT,
    "GameOverWinnerName": MOON,
    "HallFameText": SILVER_LIGHT,
    "HallFamePoints": MOON,
    "HallFameHighlight": (60, 84, 150),
    "ExplanationCap": MOON,
    "ExplanationText": SILVER_LIGHT,
    "ExplanationLanguage": ICE,
}

# Faces of the fonts shipped in FONTS (the game registers them itself): the night skin writes
# messages in the rounded face and names in the serif, unlike the classic choice of files.
FONTS = {
    "message": "Comfortaa",
    "player": "DejaVu Serif",
    "digital": "DSEG7 Classic",
    "splashes": "DejaVu Serif",
}

CELLS = {
    "spot-0": (14, 20, 40),
    "spot-wt": (58, 70, 100),
    "spot-gr": (40, 110, 96),
    "spot-bl": (50, 90, 170),
    "spot-yl": (176, 150, 70),
    "spot-rd": (150, 50, 70),
    "spot-bk": (10, 10, 18),
}


def windows_colour(rgb):
    red, green, blue = rgb
    return red + 256 * green + 65536 * blue


def write_tables(out):
    # 8-bit text with Windows line ends, as the game's other tables.
    with open(os.path.join(out, "colors.txt"), "w", encoding="ascii", newline="\r\n") as f:
        for key, rgb in COLOURS.items():
            f.write(f"{key}={windows_colour(rgb)}\n")
    with open(os.path.join(out, "fonts.txt"), "w", encoding="ascii", newline="\r\n") as f:
        for key, face in FONTS.items():
            f.write(f"{key}={face}\n")


def vertical(size, top, bottom):
    ramp = Image.linear_gradient("L").resize(size)
    return Image.composite(Image.new("RGB", size, bottom), Image.new("RGB", size, top), ramp)


def stars(image, count, seed, brightest=255):
    rng = random.Random(seed)
    d = ImageDraw.Draw(image)
    w, h = image.size
    for _ in range(count):
        x, y = rng.randrange(w), rng.randrange(h)
        level = rng.randint(90, brightest)
        colour = P.mix((level, level, level), ICE, rng.random() * 0.4)
        if rng.random() < 0.06:
            d.line((x - 2, y, x + 2, y), fill=colour)
            d.line((x, y - 2, x, y + 2), fill=colour)
        else:
            d.point((x, y), fill=colour)


def moon(image, centre, radius):
    """A crescent with its halo: the light source of the night skin, high on the upper left."""
    cx, cy = centre
    halo = Image.new("L", image.size, 0)
    ImageDraw.Draw(halo).ellipse((cx - radius * 3, cy - radius * 3, cx + radius * 3, cy + radius * 3), fill=70)
    halo = halo.filter(ImageFilter.GaussianBlur(radius * 1.2))
    image.paste(Image.new("RGB", image.size, (90, 110, 160)), (0, 0), halo)
    disc = Image.new("L", image.size, 0)
    d = ImageDraw.Draw(disc)
    d.ellipse((cx - radius, cy - radius, cx + radius, cy + radius), fill=255)
    # The shadow bites from the lower right, away from the light.
    d.ellipse((cx - radius * 0.55, cy - radius * 0.75, cx + radius * 1.45, cy + radius * 1.25), fill=0)
    image.paste(Image.new("RGB", image.size, MOON), (0, 0), disc.filter(ImageFilter.GaussianBlur(1)))


def background(out):
    size = (1280, 1024)
    image = vertical(size, NAVY_DEEP, (26, 40, 84))
    stars(image, 900, 1)
    moon(image, (190, 150), 54)
    # Faint silver arcs of hills along the foot of the window.
    hills = Image.new("L", size, 0)
    d = ImageDraw.Draw(hills)
    for k, (height, amplitude) in enumerate(((880, 30), (930, 22))):
        points = [(x, height + amplitude * math.sin(x / 180 + k * 2.1)) for x in range(0, size[0] + 20, 20)]
        d.polygon(points + [(size[0], size[1]), (0, size[1])], fill=120 + 60 * k)
    image.paste(Image.new("RGB", size, (10, 16, 36)), (0, 0), hills)
    image.save(os.path.join(out, "background.jpg"), quality=90)


def silver_frame(image, width):
    """A bevelled silver frame, light on the upper left, dark on the lower right."""
    w, h = image.size
    d = ImageDraw.Draw(image)
    for i in range(width):
        t = i / max(1, width - 1)
        light, dark = P.mix(SILVER_LIGHT, SILVER, t), P.mix(SILVER_DARK, SILVER, t)
        d.line(((i, h - 1 - i), (i, i), (w - 1 - i, i)), fill=light)
        d.line(((w - 1 - i, i), (w - 1 - i, h - 1 - i), (i, h - 1 - i)), fill=dark)


def panel_backdrop(out):
    image = vertical((170, 360), NAVY_LIGHT, NAVY_DEEP)
    stars(image, 60, 2, brightest=180)
    image.save(os.path.join(out, "quorim.png"))


def menu(out):
    size = (320, 330)
    image = vertical(size, NAVY, NAVY_DEEP)
    stars(image, 140, 3)
    # The moon and three stars in the band above the player's box.
    moon(image, (112, 36), 17)
    d = ImageDraw.Draw(image)
    for k in range(3):
        cx = size[0] / 2 + 12 + k * 24
        d.polygon(star_points(cx, 38, 9 - 2 * abs(k - 1), 3.6 - 0.8 * abs(k - 1)), fill=SILVER_LIGHT)
    # The player's name and dictionary are written in a box sunk into the sky, below the moon.
    box = (12, 70, 302, 116)
    d.rectangle(box, fill=NAVY_DEEP)
    d.line(((box[0], box[3]), (box[0], box[1]), (box[2], box[1])), fill=(2, 4, 12))
    d.line(((box[2], box[1] + 1), (box[2], box[3]), (box[0] + 1, box[3])), fill=SILVER_DARK)
    silver_frame(image, 5)
    image.save(os.path.join(out, "menu.png"))


def cell(colour, start=False):
    """A board cell sunk into the board: shadow on its upper left edges, light on the lower right."""
    size = 28
    image = Image.new("RGB", (size, size), P.shade(colour, 0.6))
    face = diagonal(size - 4, P.shade(colour, 0.85), P.mix(colour, SILVER, 0.15))
    image.paste(face, (2, 2))
    d = ImageDraw.Draw(image)
    d.line(((1, size - 2), (1, 1), (size - 2, 1)), fill=P.shade(colour, 0.45))
    d.line(((size - 2, 2), (size - 2, size - 2), (2, size - 2)), fill=P.mix(colour, SILVER_LIGHT, 0.35))
    d.rectangle((0, 0, size - 1, size - 1), outline=NAVY_DEEP)
    if start:
        big = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
        ImageDraw.Draw(big).polygon(star_points(size * SS / 2, size * SS / 2 + SS, 9 * SS, 3.6 * SS),
                                    fill=SILVER + (255,))
        star = big.resize((size, size), Image.Resampling.LANCZOS)
        image.paste(star, (0, 0), star)
    return image


def cells(out):
    for name, colour in CELLS.items():
        cell(colour, start=name == "spot-bk").save(os.path.join(out, name + ".png"))


def tile_face(size=26):
    """A tile of dark blue steel with a polished silver edge; the game writes light letters on it."""
    image = Image.new("RGB", (size, size), SILVER_DARK)
    image.paste(diagonal(size - 4, NAVY_LIGHT, P.shade(NAVY, 0.9)), (2, 2))
    d = ImageDraw.Draw(image)
    d.line(((0, size - 1), (0, 0), (size - 1, 0)), fill=SILVER_LIGHT)
    d.line(((1, size - 2), (1, 1), (size - 2, 1)), fill=SILVER)
    d.line(((size - 1, 0), (size - 1, size - 1), (0, size - 1)), fill=P.shade(SILVER_DARK, 0.5))
    d.line(((size - 2, 1), (size - 2, size - 2), (1, size - 2)), fill=P.shade(SILVER_DARK, 0.8))
    return image


def tiles(out):
    tile_face().save(os.path.join(out, "cap.png"))
    # The blank tile: a silver star where a letter would stand.
    blank = tile_face()
    big = Image.new("RGBA", (26 * SS, 26 * SS), (0, 0, 0, 0))
    ImageDraw.Draw(big).polygon(star_points(13 * SS, 14 * SS, 8 * SS, 3.3 * SS), fill=SILVER_LIGHT + (255,))
    star = big.resize((26, 26), Image.Resampling.LANCZOS)
    blank.paste(star, (0, 0), star)
    blank.save(os.path.join(out, "cap_uni.png"))


SCORE_PLATE = (110, 35)
# The score label, 49 x 21, stands centred 7 px below the plate's top.
SCORE_WINDOW = (30, 6, 80, 29)


def score_plate(tint, lit):
    """Silver plate with a dark glass window for the score; lit while the score counts up."""
    w, h = SCORE_PLATE
    metal = P.mix(SILVER, tint, 0.35)
    image = Image.new("RGB", SCORE_PLATE, P.TRANSPARENT)
    plate = diagonal(w, P.mix(metal, (255, 255, 255), 0.4), P.shade(metal, 0.55)).resize(SCORE_PLATE)
    shape = Image.new("L", SCORE_PLATE, 0)
    ImageDraw.Draw(shape).rounded_rectangle((0, 0, w - 1, h - 1), 7, fill=255)
    image.paste(plate, (0, 0), shape)
    d = ImageDraw.Draw(image)
    x0, y0, x1, y1 = SCORE_WINDOW
    glass = P.mix(NAVY_DEEP, ICE, 0.12) if lit else NAVY_DEEP
    d.rectangle((x0, y0, x1, y1), fill=glass)
    # The window is sunk: its upper left edge in shadow, its lower right one catching the light.
    d.line(((x0, y1), (x0, y0), (x1, y0)), fill=P.shade(metal, 0.35))
    d.line(((x1, y0 + 1), (x1, y1), (x0 + 1, y1)), fill=SILVER_LIGHT)
    for sx in (10, w - 14):
        d.ellipse((sx, h / 2 - 2, sx + 4, h / 2 + 2), fill=P.shade(metal, 0.5))
    return image


def score_plates(out):
    for name, tint, lit in (("ScrG1", ICE, False), ("ScrG2", ICE, True),
                            ("ScrM1", LAVENDER, False), ("ScrM2", LAVENDER, True)):
        score_plate(tint, lit).save(os.path.join(out, name + ".bmp"))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO_ROOT, "data", "GRAFIX", "night")
    os.makedirs(out, exist_ok=True)
    write_tables(out)
    background(out)
    panel_backdrop(out)
    menu(out)
    cells(out)
    tiles(out)
    score_plates(out)


if __name__ == "__main__":
    main()
