#!/usr/bin/python3
"""Renders every still picture of the classic skin into data/GRAFIX/classic/.

The names and sizes are the game's own catalogue (src/media/SkinCatalogue.cpp). Large pictures are
PNG (the felt table JPEG) to keep the data small; the rest, and the three pictures that must be
bitmaps, are 24-bit BMP.
Run again after a change: the pictures are drawn from fixed seeds, so an unchanged script gives
unchanged files. Usage: skin.py [output folder]
"""

import os
import sys

from PIL import Image, ImageChops, ImageDraw

import catalogue
import symbols
from palette import (BRASS, BRASS_DARK, BRASS_LIGHT, CELL_BLACK, CELL_BLUE, CELL_EMPTY_PLACE,
                     CELL_GREEN, CELL_PLAIN, CELL_RED, CELL_YELLOW, FELT, FELT_DARK, FELT_LIGHT,
                     FONT_SERIF_BOLD, GLASS_DARK, GLOW, INK, IVORY, IVORY_DARK, IVORY_LIGHT,
                     TRANSPARENT, WOOD, WOOD_DARK, WOOD_LIGHT, mix, shade)
from widgets import (bevel, brass_face, button, drop_shadow, emboss, engrave, felt, gradient,
                     hard_mask, inset, outside_transparent, paint, rounded, solid, star_mask,
                     text_mask, textured, tile, window_frame, wood)
import colours

OUT = os.path.join(catalogue.ROOT, "data", "GRAFIX", "classic")

# Pictures larger than this are written as PNG; the felt of the table, all grain, as JPEG.
PNG_FROM = 40000
JPEG = {"background"}

PLUM = mix(CELL_RED, CELL_BLUE, 0.35)


def size_of(name):
    w, h = catalogue.PICTURES[name]
    return w, h


# --- cells ---------------------------------------------------------------------------------

def cell(colour, seed):
    """A cell sunk into the board: shaded on its upper left, a fine grain over its face."""
    image = textured((28, 28), shade(colour, 0.95), shade(colour, 1.05), seed, 3, 0.8)
    bevel(image, (0, 0, 28, 28), 2, raised=False, strength=0.35)
    return image


def dots(image, count, ink):
    """Letter bonuses: two or three dots, so the kind shows without its colour."""
    step = 7
    x0 = 14 - (count - 1) * step / 2
    for k in range(count):
        cx = x0 + k * step
        mask = hard_mask((28, 28), lambda d, s, cx=cx: d.ellipse(
            ((cx - 2.5) * s, 11.5 * s, (cx + 2.5) * s, 16.5 * s), fill=255))
        engrave(image, mask, ink, shade(ink, 1.8))


def word_bonus(image, factor, ink, light):
    engrave(image, text_mask((28, 28), "×" + str(factor), 12, (14, 14.5)), ink, light)


def spot_pictures():
    yield "spot-0", lambda: cell(CELL_EMPTY_PLACE, "spot-0")
    yield "spot-wt", lambda: cell(CELL_PLAIN, "spot-wt")

    def green():
        image = cell(CELL_GREEN, "spot-gr")
        dots(image, 2, shade(CELL_GREEN, 0.45))
        return image

    def yellow():
        image = cell(CELL_YELLOW, "spot-yl")
        dots(image, 3, shade(CELL_YELLOW, 0.42))
        return image

    def blue():
        image = cell(CELL_BLUE, "spot-bl")
        word_bonus(image, 2, shade(CELL_BLUE, 0.35), shade(CELL_BLUE, 1.3))
        return image

    def red():
        image = cell(CELL_RED, "spot-rd")
        word_bonus(image, 3, shade(CELL_RED, 0.3), shade(CELL_RED, 1.35))
        return image

    def start():
        image = cell(CELL_BLACK, "spot-bk")
        star = star_mask((28, 28), 14, 14.5, 10, 4.2)
        drop_shadow(image, star, (1, 1), 0.8, 0.6)
        image.paste(gradient((28, 28), BRASS_LIGHT, BRASS_DARK), (0, 0), star)
        return image

    yield "spot-gr", green
    yield "spot-bl", blue
    yield "spot-yl", yellow
    yield "spot-rd", red
    yield "spot-bk", start


# --- board frame, tiles, markers -----------------------------------------------------------

def frame_piece(size, horizontal, seed):
    image = wood(size, seed, horizontal)
    bevel(image, (0, 0) + size, 2, raised=True, strength=0.35)
    return image


def border_corner():
    # One picture for three corners: a block with a brass rivet in the middle.
    image = wood((18, 18), "border", True)
    bevel(image, (0, 0, 18, 18), 2, raised=True, strength=0.4)
    rivet = hard_mask((18, 18), lambda d, s: d.ellipse((3.5 * s, 3.5 * s, 11.5 * s, 11.5 * s),
                                                       fill=255))
    drop_shadow(image, rivet, (1, 1), 0.7, 0.6)
    image.paste(gradient((18, 18), BRASS_LIGHT, BRASS_DARK), (0, 0), rivet)
    return image


def cap_uni():
    image = tile((26, 26))
    star = star_mask((26, 26), 13, 13.6, 9.5, 4)
    drop_shadow(image, star, (1, 1), 0.6, 0.45)
    image.paste(gradient((26, 26), mix(CELL_RED, BRASS_LIGHT, 0.2), shade(CELL_RED, 0.7)),
                (0, 0), star)
    return image


def marker():
    w, h = size_of("Marker1")
    shape = [(1, h / 2), (w / 2, 3), (w - 1, h / 2), (w / 2, h - 3)]
    mask = hard_mask((w, h), lambda d, s: d.polygon([(x * s, y * s) for x, y in shape], fill=255))
    image = gradient((w, h), BRASS_LIGHT, BRASS_DARK)
    inner = [(5, h / 2), (w / 2, 9), (w - 5, h / 2), (w / 2, h - 9)]
    glow = hard_mask((w, h), lambda d, s: d.polygon([(x * s, y * s) for x, y in inner], fill=255))
    image.paste(gradient((w, h), mix(GLOW, IVORY_LIGHT, 0.5), shade(GLOW, 0.75)), (0, 0), glow)
    return outside_transparent(image, mask)


# --- panels --------------------------------------------------------------------------------

def backdrop():
    w, h = size_of("quorim")
    image = wood((w, h), "quorim", horizontal=False, tones=(shade(WOOD_DARK, 0.8), WOOD_DARK,
                                                             WOOD))
    # The caption bar at the top is a little darker, so the white name reads well on it.
    draw = ImageDraw.Draw(image, "RGBA")
    draw.rectangle((0, 0, w, 22), fill=(0, 0, 0, 60))
    return image


def score_plate(rim, lit):
    w, h = size_of("ScrG1")
    image, mask = brass_face((w, h), 8, False, mix(BRASS, rim, 0.55), "score")
    if lit:
        draw = ImageDraw.Draw(image, "RGBA")
        draw.rounded_rectangle((2, 2, w - 3, h - 3), 6, outline=GLOW + (200,), width=2)
    # The 49 x 21 score sits 7 px down, centred: an ivory window a little larger than it.
    window = ((w - 57) // 2, 5, (w + 57) // 2, 31)
    inset(image, window, mix(IVORY, IVORY_LIGHT, 0.5 if lit else 0.0))
    return outside_transparent(image, mask)


def rack(places):
    w, h = size_of("slot7ch1")
    image, mask = brass_face((w, h), 8, False, WOOD_LIGHT, "rack")
    image.paste(wood((w - 8, h - 8), "rack-tray", True), (4, 4))
    bevel(image, (4, 4, w - 4, h - 4), 2, raised=False, strength=0.4)
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle((0, 0, w - 1, h - 1), 8, outline=WOOD_DARK)
    # Slots 1-4 at (20 + 28 i, 14), slots 5-7 at (34 + 28 i, 42): tiles fill them.
    for x, y in [(20 + 28 * i, 14) for i in range(4)] + [(34 + 28 * i, 42) for i in range(3)]:
        box = (x - 1, y - 1, x + 27, y + 27)
        inset(image, box, places, 2)
    return outside_transparent(image, mask)


def clock_plate():
    w, h = size_of("timet1")
    image, mask = brass_face((w, h), 8, False, BRASS, "timet1")
    # The 64 x 23 clock stands 9 px down, centred.
    x0 = (w - 66) // 2
    inset(image, (x0, 7, x0 + 66, 34), GLASS_DARK, 2)
    draw = ImageDraw.Draw(image, "RGBA")
    draw.line((x0 + 3, 10, x0 + 62, 10), fill=(255, 255, 255, 24))
    return outside_transparent(image, mask)


def logo(lit):
    w, h = size_of("logo_sh")
    base = BRASS if lit else mix(BRASS, WOOD, 0.45)
    image, mask = brass_face((w, h), 10, False, base, "logo")
    words = text_mask((w, h), "HALVORIN", 17, (w / 2, h / 2 + 1), FONT_SERIF_BOLD)
    if lit:
        emboss(image, words, mix(GLOW, IVORY_LIGHT, 0.4))
    else:
        engrave(image, words, shade(WOOD_DARK, 0.9), mix(base, BRASS_LIGHT, 0.5))
    return outside_transparent(image, mask)


def panel_buttons():
    face = {"Go!_1": (symbols.GO, False, mix(BRASS, CELL_GREEN, 0.3)),
            "Go!_1p": (symbols.GO, True, mix(BRASS, CELL_GREEN, 0.3)),
            "Cng!_1": (symbols.EXCHANGE, False, BRASS),
            "Cng!_1p": (symbols.EXCHANGE, True, BRASS),
            "HintBut1": (symbols.HINT, False, BRASS),
            "HintBut2": (symbols.HINT, True, BRASS),
            "PrevBut1": (symbols.PREVIEW, False, BRASS),
            "PrevBut2": (symbols.PREVIEW, True, BRASS),
            "i-button": (symbols.INFO, False, BRASS),
            "o-button": (symbols.OPTIONS, False, BRASS),
            "s-button": (symbols.SAVE, False, BRASS),
            "l-button": (symbols.LOAD, False, BRASS),
            "copy": (symbols.COPY, False, BRASS),
            "edit_opt": (symbols.OPTION, False, BRASS),
            "edit_op2": (symbols.OPTION, True, BRASS)}
    for name, (symbol, pressed, base) in face.items():
        radius = None if name not in ("i-button", "o-button", "s-button", "l-button") else 16
        yield name, (lambda n=name, sy=symbol, p=pressed, b=base, r=radius:
                     button(size_of(n), sy, p, b, INK, r, n.rstrip("p12")))


# --- start menu ----------------------------------------------------------------------------

def menu():
    w, h = size_of("menu")
    inner = wood((w, h), "menu-inner", True, (shade(WOOD_DARK, 0.85), WOOD_DARK, WOOD))
    image = window_frame((w, h), inner, "menu", 8)
    # Three small tiles, a star between two blanks: the game's mark without a word in it.
    for k, x in enumerate((w / 2 - 48, w / 2 - 16, w / 2 + 16)):
        face = tile((32, 32), seed="menu-tile") if k != 1 else None
        if k == 1:
            face = tile((32, 32), seed="menu-star")
            star = star_mask((32, 32), 16, 16.8, 12, 5)
            face.paste(gradient((32, 32), mix(CELL_RED, BRASS_LIGHT, 0.2), shade(CELL_RED, 0.7)),
                       (0, 0), star)
        shadow = hard_mask((w, h), rounded((int(x), 22, int(x) + 32, 54), 2))
        drop_shadow(image, shadow, (3, 3), 2, 0.5)
        image.paste(face, (int(x), 22))
    # The current player and language stand at (10, 73), 50 px high.
    inset(image, (12, 70, w - 18, 117), mix(WOOD_DARK, GLASS_DARK, 0.5), 2)
    return image


def menu_button():
    w, h = size_of("menubutt")
    image, mask = brass_face((w, h), 6, False, BRASS, "menubutt")
    return outside_transparent(image, mask)


# --- windows -------------------------------------------------------------------------------

def lens():
    """A brass ring around a clear middle: the magnified desktop shows through the magenta."""
    w, h = size_of("lens")
    image, outline = brass_face((w, h), 22, seed="lens")
    ring = 7
    clear = hard_mask((w, h), rounded((ring, ring, w - ring, h - ring), 16))
    bevel(image, (ring, ring, w - ring, h - ring), 2, raised=False, strength=0.5, radius=16)
    hole = ImageChops.subtract(outline, clear)
    return outside_transparent(image, hole)


def felt_window(name, colours=(FELT_DARK, FELT, FELT_LIGHT)):
    w, h = size_of(name)
    return window_frame((w, h), felt((w, h), colours, name), name)


def paper(size, seed):
    return textured(size, mix(IVORY, IVORY_DARK, 0.35), IVORY_LIGHT, seed, 6, 0.5)


def message_window(name, colours):
    image = felt_window(name, colours)
    # The buttons stand at (238, 85) and (275, 85), 33 x 33.
    inset(image, (234, 81, 312, 122), shade(colours[0], 0.8), 2)
    return image


def save_window():
    w, h = size_of("savegame")
    inner = wood((w, h), "savegame-inner", True, (shade(WOOD_DARK, 0.8), WOOD_DARK, WOOD))
    image = window_frame((w, h), inner, "savegame")
    # The title (59, 12, 231 x 29) on a dark band; the slots: picture at left 77, label at 147.
    inset(image, (52, 10, 296, 43), mix(GLASS_DARK, WOOD_DARK, 0.4), 2)
    for top in (54, 83, 112):
        inset(image, (73, top - 2, 145, top + 27), shade(WOOD_DARK, 0.7), 2)
        inset(image, (145, top + 6, 286, top + 27), mix(IVORY, IVORY_DARK, 0.2), 2)
    inset(image, (254, 148, 295, 189), shade(WOOD_DARK, 0.7), 2)
    return image


def star_window():
    w, h = size_of("starwin")
    return window_frame((w, h), paper((w, h), "starwin"), "starwin")


def game_over():
    w, h = size_of("gameover")
    image = felt_window("gameover")
    # The winner's picture, 119 x 122 at (20, 86), in a brass frame.
    draw = ImageDraw.Draw(image)
    draw.rectangle((16, 82, 143, 211), fill=BRASS_DARK)
    bevel(image, (16, 82, 144, 212), 3, raised=True, strength=0.5)
    inset(image, (19, 85, 141, 209), FELT_DARK, 2)
    return image


def hall_of_fame():
    w, h = size_of("HallFame")
    inner = wood((w, h), "hallfame-inner", False, (shade(WOOD_DARK, 0.8), WOOD_DARK, WOOD))
    image = window_frame((w, h), inner, "HallFame")
    # The leader's picture at (120, 27), 99 x 110, and below it the list, rows 24 px apart.
    draw = ImageDraw.Draw(image)
    draw.rectangle((115, 22, 223, 141), fill=BRASS_DARK)
    bevel(image, (115, 22, 224, 142), 3, raised=True, strength=0.5)
    inset(image, (118, 25, 222, 140), FELT_DARK, 2)
    inset(image, (14, 206, w - 14, 396), mix(GLASS_DARK, WOOD_DARK, 0.5), 2)
    draw = ImageDraw.Draw(image, "RGBA")
    for k in range(1, 8):
        y = 216 + k * 24 - 1
        draw.line((20, y, w - 20, y), fill=BRASS + (60,))
    return image


def bonus_window():
    """The bonus cells and the start cell, one below the other, beside a dark strip for texts."""
    w, h = size_of("bonuswin")
    image = felt_window("bonuswin")
    cells = dict((name, make) for name, make in spot_pictures())
    for k, name in enumerate(("spot-gr", "spot-bl", "spot-yl", "spot-rd", "spot-bk")):
        top = 30 + k * 58
        inset(image, (18, top - 4, 54, top + 32), FELT_DARK, 2)
        image.paste(cells[name](), (22, top))
        inset(image, (62, top - 4, w - 16, top + 32), shade(FELT_DARK, 0.85), 2)
    return image


def explanation():
    """Tiles along the panel and stretches between its top and bottom 30 rows in the window."""
    w, h = catalogue.PICTURES["epanbgr"][0], 160
    # Colour varies only across, so stretching the middle rows shows no seam.
    column = textured((w, 1), shade(FELT_DARK, 0.9), shade(FELT_DARK, 1.15), "epanbgr", 6, 0.8)
    inner = column.resize((w, h))
    image = window_frame((w, h), inner, "epanbgr")
    draw = ImageDraw.Draw(image)
    for y in (28, h - 29):
        draw.line((10, y, w - 11, y), fill=BRASS_DARK)
        draw.line((10, y + 1, w - 11, y + 1), fill=shade(BRASS, 0.9))
    return image


def table():
    w, h = size_of("background")
    image = felt((w, h), (FELT_DARK, FELT, FELT_LIGHT), "background")
    # A soft darkening towards the edges, the light strongest to the upper left of the middle.
    shade_mask = Image.new("L", (64, 52), 110)
    draw = ImageDraw.Draw(shade_mask)
    for r in range(40, 0, -1):
        draw.ellipse((26 - r * 1.2, 20 - r, 26 + r * 1.2, 20 + r), fill=round(110 * r / 40))
    shade_mask = shade_mask.resize((w, h), Image.BICUBIC)
    image.paste(solid((w, h), shade(FELT_DARK, 0.7)), (0, 0), shade_mask)
    return image


# --- classic-only pictures -----------------------------------------------------------------

def tile_word(image, word, x, y, size, seed):
    gap = 3
    for k, letter in enumerate(word):
        left = x + k * (size + gap)
        shadow = hard_mask(image.size, rounded((left, y, left + size, y + size), 2))
        drop_shadow(image, shadow, (2, 3), 1.6, 0.55)
        image.paste(tile((size, size), letter, seed=seed + letter), (left, y))


def medallion(name, interior):
    """A round badge: wooden rim, brass line, an interior, magenta outside the circle."""
    w, h = catalogue.CLASSIC_ONLY[name]
    cx, cy, r = w / 2, h / 2, min(w, h) / 2 - 1
    image = wood((w, h), name + "-rim", True)
    ring = hard_mask((w, h), lambda d, s: d.ellipse(
        ((cx - r + 9) * s, (cy - r + 9) * s, (cx + r - 9) * s, (cy + r - 9) * s), fill=255))
    brass = hard_mask((w, h), lambda d, s: d.ellipse(
        ((cx - r + 6) * s, (cy - r + 6) * s, (cx + r - 6) * s, (cy + r - 6) * s), fill=255))
    image.paste(gradient((w, h), BRASS_LIGHT, BRASS_DARK), (0, 0), brass)
    image.paste(interior, (0, 0), ring)
    outline = hard_mask((w, h), lambda d, s: d.ellipse(
        ((cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s), fill=255))
    rim = Image.new("L", (w, h), 0)
    ImageDraw.Draw(rim).ellipse((cx - r, cy - r, cx + r, cy + r), outline=255, width=1)
    paint(image, Image.composite(rim, Image.new("L", (w, h), 0), outline), WOOD_DARK)
    return image, outline


def splash_logo():
    w, h = catalogue.CLASSIC_ONLY["Q-Logo.bmp"]
    image, outline = medallion("Q-Logo.bmp", felt((w, h), (FELT_DARK, FELT, FELT_LIGHT), "qlogo"))
    tile_word(image, "КВОРИМ", 45, 58, 33, "qlogo-ru")
    # The progress bar's frame lies at (72, 112), 137 x 16.
    inset(image, (70, 110, 211, 130), GLASS_DARK, 2)
    tile_word(image, "QUORIM", 45, 152, 33, "qlogo-en")
    for x, y, r in ((150, 222, 13), (112, 228, 7), (188, 228, 7)):
        star = star_mask((w, h), x, y, r, r * 0.42)
        drop_shadow(image, star, (1, 2), 1, 0.5)
        image.paste(gradient((w, h), BRASS_LIGHT, BRASS_DARK), (0, 0), star)
    return outside_transparent(image, outline)


def about():
    w, h = catalogue.CLASSIC_ONLY["about.bmp"]
    interior = paper((w, h), "about")
    top = felt((w, 100), (FELT_DARK, FELT, FELT_LIGHT), "about-top")
    interior.paste(top, (0, 0))
    ImageDraw.Draw(interior).line((0, 99, w, 99), fill=BRASS_DARK)
    image, outline = medallion("about.bmp", interior)
    tile_word(image, "КВОРИМ", 63, 48, 26, "about")
    return outside_transparent(image, outline)


def star_flash():
    """The frames of a hall of fame star, dark to bright and back, magenta around them."""
    w, h = catalogue.CLASSIC_ONLY["starflsh.bmp"]
    f = h
    image = solid((w, h), TRANSPARENT)
    frames = w // f
    for k in range(frames):
        brightness = 1 - abs(k - frames / 2) / (frames / 2)  # 0 at frame 0, 1 in the middle
        frame = solid((f, f), TRANSPARENT)
        outer = 4.5 + 3 * brightness
        star = star_mask((f, f), f / 2, f / 2 + 0.5, outer, outer * 0.42)
        hard = star.point(lambda v: 255 if v >= 100 else 0)
        colour_hi = mix(BRASS, IVORY_LIGHT, brightness)
        colour_lo = mix(BRASS_DARK, GLOW, brightness)
        frame.paste(gradient((f, f), colour_hi, colour_lo), (0, 0), hard)
        if brightness > 0.5:
            draw = ImageDraw.Draw(frame)
            c = f // 2
            draw.point([(c, 0), (c, f - 1), (0, c), (f - 1, c)], fill=IVORY_LIGHT)
        image.paste(frame, (k * f, 0))
    return image


# --- writing -------------------------------------------------------------------------------

def pictures():
    yield from spot_pictures()
    yield "border", border_corner
    yield "border-h", lambda: frame_piece(size_of("border-h"), True, "border-h")
    yield "border-v", lambda: frame_piece(size_of("border-v"), False, "border-v")
    yield "cap", lambda: tile(size_of("cap"))
    yield "cap_uni", cap_uni
    yield "Marker1", marker
    yield "background", table
    yield "quorim", backdrop
    yield "menu", menu
    yield "menubutt", menu_button
    yield from panel_buttons()
    yield "logo_sh", lambda: logo(False)
    yield "logo_hl", lambda: logo(True)
    yield "ScrG1", lambda: score_plate(CELL_GREEN, False)
    yield "ScrG2", lambda: score_plate(CELL_GREEN, True)
    yield "ScrM1", lambda: score_plate(PLUM, False)
    yield "ScrM2", lambda: score_plate(PLUM, True)
    yield "slot7ch1", lambda: rack(shade(CELL_GREEN, 0.45))
    yield "slot7ch2", lambda: rack(shade(PLUM, 0.5))
    yield "timet1", clock_plate
    yield "epanbgr", explanation
    yield "lens", lens
    yield "newgame", lambda: felt_window("newgame")
    yield "ErrorWin", lambda: message_window("ErrorWin", (FELT_DARK, FELT, FELT_LIGHT))
    yield "QuestWin", lambda: message_window(
        "QuestWin", (shade(WOOD_DARK, 0.8), WOOD_DARK, mix(WOOD_DARK, WOOD, 0.6)))
    yield "savegame", save_window
    yield "starwin", star_window
    yield "gameover", game_over
    yield "HallFame", hall_of_fame
    yield "bonuswin", bonus_window


def save(image, folder, file_name):
    path = os.path.join(folder, file_name)
    if path.endswith(".jpg"):
        image.convert("RGB").save(path, "JPEG", quality=88, optimize=True)
    else:
        image.convert("RGB").save(path, "PNG" if path.endswith(".png") else "BMP", optimize=True)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else OUT
    os.makedirs(folder, exist_ok=True)
    drawn = set()
    for name, make in pictures():
        image = make()
        want = catalogue.PICTURES[name]
        if any(n and n != got for n, got in zip(want, image.size)):
            sys.exit(f"{name}: drawn {image.size}, the catalogue wants {want}")
        ext = ".png" if image.size[0] * image.size[1] > PNG_FROM else ".bmp"
        if name in JPEG:
            ext = ".jpg"
        # A picture that changed format must not leave its old file first in the lookup.
        for old in (".png", ".bmp", ".jpg"):
            if old != ext and os.path.exists(os.path.join(folder, name + old)):
                os.remove(os.path.join(folder, name + old))
        save(image, folder, name + ext)
        drawn.add(name)
    missing = set(catalogue.PICTURES) - drawn
    if missing:
        sys.exit("not drawn: " + ", ".join(sorted(missing)))
    for file_name, make in (("Q-Logo.bmp", splash_logo), ("about.bmp", about),
                            ("starflsh.bmp", star_flash)):
        save(make(), folder, file_name)
    colours.write(os.path.join(folder, "colors.txt"))


if __name__ == "__main__":
    main()
