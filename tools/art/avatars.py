#!/usr/bin/python3
"""Draws the avatars of data/GRAFIX/PLAYERS/: people and robots in the root, animals in animals/.

Every avatar is a 110 x 110 face on a rounded brass-rimmed plate, lit from the upper left like the
rest of the classic skin (tools/art/palette.py). Still avatars are 24-bit BMP, animated ones
looping GIF. File names keep to eight characters, the short names the avatar chooser shows;
pc1.bmp is the computer's own.

Debian packages needed (only to regenerate): python3-pil

Run: /usr/bin/python3 tools/art/avatars.py [--sheet /tmp/avatars.png]
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import palette as P  # noqa: E402

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT_DIR = os.path.join(REPO_ROOT, "data", "GRAFIX", "PLAYERS")

SIZE = 110
S = 4  # drawn four times larger, then scaled down, for smooth edges
N = SIZE * S
RIM = 5


def _light_map():
    """Distance from a spot at the upper left of a shape: 0 there, 255 at the far lower right."""
    side = 128
    img = Image.new("L", (side, side))
    img.putdata([min(255, round(math.hypot(x / side - 0.3, y / side - 0.28) / 0.95 * 255))
                 for y in range(side) for x in range(side)])
    return img


LIGHT = _light_map()


class Canvas:
    """One avatar being drawn; coordinates are in the 110 x 110 space of the finished picture."""

    def __init__(self, field):
        self.im = Image.new("RGB", (N, N), P.WOOD_DARK)
        self.draw = ImageDraw.Draw(self.im)
        plate = self.mask("rrect", (RIM, RIM, SIZE - 1 - RIM, SIZE - 1 - RIM), r=13)
        self.fill(plate, P.mix(field, P.IVORY_LIGHT, 0.15), lit=1.25, dark=0.8)

    @staticmethod
    def box(b):
        return [round(v * S) for v in b]

    def mask(self, kind, geom, r=0, angle=0, start=0, end=360):
        m = Image.new("L", (N, N), 0)
        d = ImageDraw.Draw(m)
        if kind == "ellipse":
            d.ellipse(self.box(geom), fill=255)
        elif kind == "rrect":
            d.rounded_rectangle(self.box(geom), radius=r * S, fill=255)
        elif kind == "poly":
            d.polygon([(x * S, y * S) for x, y in geom], fill=255)
        elif kind == "chord":
            d.chord(self.box(geom), start, end, fill=255)
        elif kind == "pie":
            d.pieslice(self.box(geom), start, end, fill=255)
        if angle:
            cx = (geom[0] + geom[2]) / 2 * S
            cy = (geom[1] + geom[3]) / 2 * S
            m = m.rotate(angle, resample=Image.BICUBIC, center=(cx, cy))
        return m

    def fill(self, m, colour, lit=1.2, dark=0.76, outline=None, shadow=False, gloss=False):
        box = m.getbbox()
        if box is None:
            return
        if shadow:
            # Cast down and to the right, away from the light.
            soft = m.filter(ImageFilter.GaussianBlur(3 * S))
            moved = Image.new("L", (N, N), 0)
            moved.paste(soft, (3 * S, 4 * S))
            self.im.paste(Image.eval(self.im, lambda v: v * 6 // 10), (0, 0),
                          moved.point(lambda v: v * 55 // 100))
        if outline is not False:
            edge = m.filter(ImageFilter.BoxBlur(S)).point(lambda v: min(255, v * 5))
            self.im.paste(outline or P.shade(colour, 0.45), (0, 0), edge)
        w, h = box[2] - box[0], box[3] - box[1]
        shading = Image.composite(Image.new("RGB", (w, h), P.shade(colour, dark)),
                                  Image.new("RGB", (w, h), P.shade(colour, lit)),
                                  LIGHT.resize((w, h), Image.BILINEAR))
        self.im.paste(shading, box[:2], m.crop(box))
        if gloss:
            g = Image.new("L", (N, N), 0)
            ImageDraw.Draw(g).ellipse((box[0] + w * 0.16, box[1] + h * 0.1, box[0] + w * 0.44,
                                       box[1] + h * 0.3), fill=90)
            g = g.filter(ImageFilter.GaussianBlur(2 * S))
            self.im.paste((255, 255, 255), (0, 0), Image.composite(g, Image.new("L", (N, N)), m))

    def shape(self, kind, geom, colour, **kw):
        shape_kw = {k: kw.pop(k) for k in ("r", "angle", "start", "end") if k in kw}
        self.fill(self.mask(kind, geom, **shape_kw), colour, **kw)

    def tint(self, kind, geom, colour, alpha, blur=1.5, **kw):
        m = self.mask(kind, geom, **kw).filter(ImageFilter.GaussianBlur(blur * S))
        self.im.paste(colour, (0, 0), m.point(lambda v: v * alpha // 255))

    def arc(self, geom, start, end, colour, width=2.0):
        self.draw.arc(self.box(geom), start, end, fill=colour, width=round(width * S))

    def line(self, points, colour, width=2.0):
        self.draw.line([(x * S, y * S) for x, y in points], fill=colour, width=round(width * S),
                       joint="curve")

    def finish(self):
        # The rim goes on last, so whatever reaches the edge of the plate tucks under it.
        outer = self.mask("rrect", (0, 0, SIZE - 1, SIZE - 1), r=17)
        inner = self.mask("rrect", (RIM, RIM, SIZE - 1 - RIM, SIZE - 1 - RIM), r=13)
        ring = Image.composite(Image.new("L", (N, N), 0), outer, inner)
        self.fill(ring, P.BRASS, lit=1.3, dark=0.62, outline=False)
        # A thin dark line where the rim meets the plate gives it depth.
        self.draw.rounded_rectangle(self.box((RIM, RIM, SIZE - 1 - RIM, SIZE - 1 - RIM)),
                                    radius=13 * S, outline=P.BRASS_DARK, width=S)
        return self.im.resize((SIZE, SIZE), Image.LANCZOS)


# ----------------------------------------------------------------- shared features

INK = P.INK
WHITE = P.IVORY_LIGHT
BLUSH = (232, 120, 110)
MOUTH = (150, 52, 48)


def eyes(c, y=50, gap=11, w=6, h=9, colour=INK, closed=False, look=0.0):
    for cx in (55 - gap, 55 + gap):
        if closed:
            c.arc((cx - w, y - 2, cx + w, y + h / 2 + 1), 20, 160, colour, 1.8)
            continue
        c.shape("ellipse", (cx - w / 2, y - h / 2, cx + w / 2, y + h / 2), colour, outline=False)
        hx = cx - w / 5 + look
        c.shape("ellipse", (hx - 1.3, y - h / 4 - 1.3, hx + 1.3, y - h / 4 + 1.3), WHITE,
                outline=False, lit=1, dark=1)


def cheeks(c, y=62, gap=17, colour=BLUSH):
    for cx in (55 - gap, 55 + gap):
        c.tint("ellipse", (cx - 5, y - 3, cx + 5, y + 3), colour, 120)


def smile(c, y=62, w=9, open_mouth=False):
    if open_mouth:
        c.shape("chord", (55 - w, y - w / 2, 55 + w, y + w), MOUTH, start=0, end=180,
                outline=P.shade(MOUTH, 0.6))
        c.shape("chord", (55 - w / 2, y + w / 3, 55 + w / 2, y + w), (226, 120, 120),
                start=180, end=360, outline=False)
    else:
        c.arc((55 - w, y - w / 2, 55 + w, y + w / 2), 20, 160, MOUTH, 2.2)


def brows(c, y=40, gap=11, colour=INK, tilt=0):
    for side in (-1, 1):
        cx = 55 + side * gap
        c.line([(cx - 5, y + 1 - side * tilt), (cx, y - 1), (cx + 5, y + 1 + side * tilt)],
               colour, 2.0)


# ----------------------------------------------------------------- people

def person(field, skin, hair, shirt, style, extras=(), iris=INK, frame=0):
    c = Canvas(field)
    # Long hair falls behind the head and shoulders.
    if style in ("long", "bun_long"):
        c.shape("rrect", (25, 24, 85, 96), hair, r=26, shadow=True)
    c.shape("rrect", (14, 86, 96, 140), shirt, r=26, shadow=True)
    c.shape("chord", (42, 80, 68, 98), P.shade(skin, 0.82), start=0, end=180, outline=False)
    c.shape("rrect", (47, 70, 63, 88), P.shade(skin, 0.85), r=5, outline=False)
    for x in (27, 73):
        c.shape("ellipse", (x, 47, x + 10, 63), skin)
    if style == "curly":
        for i in range(9):
            a = math.pi * (0.95 + i * 0.14)
            x, y = 55 + 27 * math.cos(a), 44 + 27 * math.sin(a)
            c.shape("ellipse", (x - 11, y - 11, x + 11, y + 11), hair)
    if style == "bun_long" or style == "bun":
        c.shape("ellipse", (43, 6, 67, 28), hair, shadow=True)
    c.shape("ellipse", (31, 20, 79, 82), skin, shadow=True, gloss=True)

    if "beard" in extras:
        c.shape("chord", (32, 38, 78, 90), hair, start=0, end=180)
    # Hair over the forehead.
    if style == "short":
        c.shape("chord", (30, 15, 80, 62), hair, start=180, end=360)
        # Locks over the forehead, so it reads as hair and not as a cap.
        for x, y in ((38, 33), (50, 31), (62, 32), (72, 35)):
            c.shape("ellipse", (x - 8, y - 6, x + 8, y + 6), hair, angle=-20)
    elif style in ("long", "bun_long"):
        c.shape("chord", (29, 16, 81, 64), hair, start=180, end=360)
        c.arc((40, 14, 90, 64), 180, 230, P.shade(hair, 0.6), 1.4)  # the parting
    elif style == "bun":
        c.shape("chord", (30, 17, 80, 58), hair, start=180, end=360)
    elif style == "bangs":
        c.shape("chord", (29, 15, 81, 66), hair, start=180, end=360)
        c.shape("rrect", (31, 28, 79, 42), hair, r=6)
    elif style == "bald":
        for x in (27, 71):
            c.shape("ellipse", (x, 30, x + 12, 50), hair)
        c.shape("ellipse", (31, 20, 79, 82), skin, outline=False, gloss=True)
        c.arc((31, 20, 79, 82), 140, 175, P.shade(skin, 0.5), 1.4)
        c.arc((31, 20, 79, 82), 5, 40, P.shade(skin, 0.5), 1.4)

    blink = frame == 1
    brows(c, 41 if style != "bangs" else 43, colour=P.shade(hair, 0.6))
    eyes(c, 51, colour=iris, closed=blink)
    if "glasses" in extras:
        for cx in (44, 66):
            c.draw.ellipse(c.box((cx - 8, 43, cx + 8, 59)), outline=P.BRASS_DARK, width=round(1.8 * S))
        c.line([(52, 50), (58, 50)], P.BRASS_DARK, 1.6)
    if "freckles" in extras:
        for dx, dy in ((-18, 0), (-14, 3), (-20, 4), (14, 3), (18, 0), (20, 4)):
            c.tint("ellipse", (55 + dx - 1, 60 + dy - 1, 55 + dx + 1, 60 + dy + 1),
                   P.shade(skin, 0.6), 200, blur=0.3)
    c.arc((51, 54, 59, 62), 30, 150, P.shade(skin, 0.6), 1.6)  # the nose, lit from the left
    cheeks(c, 63)
    if "beard" in extras:
        # A smile shows through the beard below a moustache.
        c.shape("chord", (48, 64, 62, 74), MOUTH, start=0, end=180, outline=P.shade(hair, 0.5))
        for side in (-1, 1):
            c.shape("ellipse", (55 + side * 6 - 7, 59, 55 + side * 6 + 7, 66),
                    P.shade(hair, 1.25), angle=side * 12)
    else:
        smile(c, 67, 8, open_mouth="grin" in extras)
    if "collar" in extras:
        c.shape("poly", [(40, 90), (55, 104), (70, 90), (66, 86), (55, 96), (44, 86)], WHITE)
    if "scarf" in extras:
        c.shape("rrect", (34, 84, 76, 96), P.CELL_RED, r=6)
    return c.finish()


# ----------------------------------------------------------------- robots

def robot(field, body, frame=0, frames=1, antenna_blink=False):
    c = Canvas(field)
    glow = P.GLOW
    # The antenna's lamp swells and fades once a loop.
    level = (1 + math.cos(2 * math.pi * frame / frames)) / 2 if antenna_blink else 1.0
    c.line([(55, 30), (55, 14)], P.shade(body, 0.5), 3)
    bulb = P.mix(P.shade(P.CELL_RED, 0.45), P.mix(P.CELL_RED, P.GLOW, 0.3), level)
    if level > 0.1:
        c.tint("ellipse", (45, 2, 65, 22), P.CELL_RED, round(170 * level), blur=3)
    c.shape("ellipse", (50, 7, 60, 17), bulb, gloss=True)
    c.shape("rrect", (24, 88, 86, 140), P.shade(body, 0.9), r=12, shadow=True)
    c.shape("rrect", (40, 96, 70, 108), P.GLASS, r=3)
    for i, col in enumerate((P.CELL_GREEN, P.CELL_YELLOW, P.CELL_RED)):
        c.shape("ellipse", (44 + i * 8, 99, 49 + i * 8, 104), col, outline=False)
    c.shape("rrect", (47, 78, 63, 92), P.shade(body, 0.7), r=3)
    for x in (17, 83):
        c.shape("rrect", (x, 46, x + 10, 64), P.shade(body, 0.8), r=4)
    c.shape("rrect", (24, 26, 86, 82), body, r=14, shadow=True, gloss=True)
    c.shape("rrect", (31, 35, 79, 73), P.GLASS, r=9, lit=1.5, dark=0.7)
    blink = frames > 1 and frame == frames - 2
    for cx in (44, 66):
        if blink:
            c.shape("rrect", (cx - 6, 49, cx + 6, 52), glow, r=1, outline=False, lit=1.1)
        else:
            c.tint("ellipse", (cx - 9, 41, cx + 9, 59), glow, 90, blur=3)
            c.shape("rrect", (cx - 5, 44, cx + 5, 56), glow, r=4, outline=False, lit=1.15)
    for i in range(5):
        c.shape("rrect", (42 + i * 5.6, 63, 46 + i * 5.6, 66), glow, r=1,
                outline=False, lit=1.1)
    for x, y in ((28, 30), (78, 30), (28, 74), (78, 74)):
        c.shape("ellipse", (x, y, x + 4, y + 4), P.shade(body, 0.75), outline=False)
    return c.finish()


# ----------------------------------------------------------------- animals

def fox(c_field):
    c = Canvas(c_field)
    orange, dark = (222, 120, 48), P.WOOD
    c.shape("rrect", (22, 88, 88, 140), orange, r=26, shadow=True)
    c.shape("poly", [(40, 88), (55, 106), (70, 88)], WHITE, outline=False)
    for side in (-1, 1):
        tip = (55 + side * 30, 12)
        c.shape("poly", [(55 + side * 8, 34), tip, (55 + side * 32, 48)], orange)
        c.shape("poly", [(55 + side * 14, 35), (55 + side * 28, 20), (55 + side * 29, 42)], dark,
                outline=False)
    c.shape("ellipse", (24, 26, 86, 84), orange, shadow=True, gloss=True)
    c.shape("poly", [(24, 60), (40, 56), (55, 64), (70, 56), (86, 60), (66, 86), (44, 86)], WHITE,
            outline=False)
    eyes(c, 52, 13, 6, 9)
    c.shape("ellipse", (50, 64, 60, 71), INK, gloss=True)
    c.arc((46, 68, 55, 77), 10, 150, INK, 1.6)
    c.arc((55, 68, 64, 77), 30, 170, INK, 1.6)
    cheeks(c, 64, 21)
    return c.finish()


def bear(field):
    c = Canvas(field)
    brown, tan = (128, 84, 52), (214, 172, 122)
    c.shape("rrect", (18, 88, 92, 140), brown, r=28, shadow=True)
    for x in (24, 70):
        c.shape("ellipse", (x, 16, x + 18, 34), brown)
        c.shape("ellipse", (x + 4, 20, x + 14, 30), tan, outline=False)
    c.shape("ellipse", (24, 22, 86, 86), brown, shadow=True, gloss=True)
    c.shape("ellipse", (40, 54, 70, 80), tan)
    eyes(c, 48, 12, 6, 8)
    c.shape("ellipse", (49, 57, 61, 65), INK, gloss=True)
    c.line([(55, 65), (55, 69)], INK, 1.6)
    c.arc((47, 63, 55, 73), 20, 160, INK, 1.6)
    c.arc((55, 63, 63, 73), 20, 160, INK, 1.6)
    cheeks(c, 64, 22)
    return c.finish()


def cat(field, frame=0):
    c = Canvas(field)
    grey, pink = (150, 146, 140), (236, 160, 160)
    c.shape("rrect", (20, 88, 90, 140), grey, r=26, shadow=True)
    for side in (-1, 1):
        c.shape("poly", [(55 + side * 6, 30), (55 + side * 27, 10), (55 + side * 30, 46)], grey)
        c.shape("poly", [(55 + side * 12, 31), (55 + side * 25, 18), (55 + side * 26, 40)], pink,
                outline=False)
    c.shape("ellipse", (22, 24, 88, 84), grey, shadow=True, gloss=True)
    for dx in (-6, 0, 6):
        c.line([(55 + dx, 27), (55 + dx * 0.8, 35)], P.shade(grey, 0.6), 1.8)
    c.shape("ellipse", (40, 58, 70, 80), P.IVORY, outline=False)
    eyes(c, 51, 13, 7, 10, colour=(70, 110, 60))
    for cx in (42, 68):
        c.shape("ellipse", (cx - 1.2, 47, cx + 1.2, 55), INK, outline=False, lit=1, dark=1)
    c.shape("poly", [(51, 62), (59, 62), (55, 67)], pink)
    c.arc((47, 64, 55, 72), 10, 160, INK, 1.5)
    c.arc((55, 64, 63, 72), 20, 170, INK, 1.5)
    for side in (-1, 1):
        for dy in (-2, 3):
            c.line([(55 + side * 14, 66 + dy / 2), (55 + side * 32, 63 + dy * 1.6)],
                   P.INK_SOFT, 1.0)
    cheeks(c, 64, 21)
    return c.finish()


def hare(field):
    c = Canvas(field)
    fur, pink = (226, 220, 212), (236, 160, 160)
    c.shape("rrect", (20, 90, 90, 140), fur, r=26, shadow=True)
    for side, angle in ((-1, 10), (1, -10)):
        c.shape("ellipse", (55 + side * 14 - 8, 2, 55 + side * 14 + 8, 48), fur, angle=angle)
        c.shape("ellipse", (55 + side * 14 - 4, 8, 55 + side * 14 + 4, 42), pink, angle=angle,
                outline=False)
    c.shape("ellipse", (24, 30, 86, 88), fur, shadow=True, gloss=True)
    eyes(c, 55, 13, 6, 9)
    c.shape("ellipse", (51, 63, 59, 68), pink)
    c.line([(55, 68), (55, 71)], INK, 1.4)
    c.arc((47, 66, 55, 74), 20, 160, INK, 1.5)
    c.arc((55, 66, 63, 74), 20, 160, INK, 1.5)
    c.shape("rrect", (51, 73, 59, 80), WHITE, r=1.5, outline=P.shade(fur, 0.5))
    c.line([(55, 73.5), (55, 79.5)], P.shade(fur, 0.6), 0.8)
    cheeks(c, 68, 20)
    return c.finish()


def panda(field):
    c = Canvas(field)
    white, black = P.IVORY_LIGHT, (44, 40, 44)
    c.shape("rrect", (18, 88, 92, 140), black, r=28, shadow=True)
    c.shape("ellipse", (38, 90, 72, 120), white, outline=False)
    for x in (22, 70):
        c.shape("ellipse", (x, 16, x + 18, 34), black)
    c.shape("ellipse", (23, 22, 87, 86), white, shadow=True, gloss=True, outline=(120, 110, 100))
    for side in (-1, 1):
        cx = 55 + side * 13
        c.shape("ellipse", (cx - 8, 42, cx + 8, 62), black, angle=side * -35, outline=False)
    eyes(c, 51, 13, 5, 7, colour=WHITE)
    eyes(c, 51, 13, 3.4, 5)
    c.shape("ellipse", (50, 62, 60, 69), black, gloss=True, outline=False)
    c.arc((47, 66, 55, 75), 20, 160, black, 1.6)
    c.arc((55, 66, 63, 75), 20, 160, black, 1.6)
    cheeks(c, 68, 22)
    return c.finish()


def frog(field):
    c = Canvas(field)
    green, belly = (104, 170, 72), (206, 224, 150)
    c.shape("rrect", (18, 90, 92, 140), green, r=28, shadow=True)
    c.shape("ellipse", (34, 92, 76, 124), belly, outline=False)
    for x in (26, 62):
        c.shape("ellipse", (x, 20, x + 22, 44), green, shadow=True)
    c.shape("ellipse", (18, 34, 92, 88), green, shadow=True, gloss=True)
    for x in (26, 62):
        c.shape("ellipse", (x, 20, x + 22, 44), green, outline=False, gloss=True)
        c.shape("ellipse", (x + 4, 24, x + 18, 40), WHITE, outline=P.shade(green, 0.5))
        c.shape("ellipse", (x + 8, 27, x + 16, 37), INK, outline=False)
        c.shape("ellipse", (x + 9, 28, x + 12, 31), WHITE, outline=False, lit=1, dark=1)
    c.shape("ellipse", (48, 55, 51, 58), P.shade(green, 0.5), outline=False)
    c.shape("ellipse", (59, 55, 62, 58), P.shade(green, 0.5), outline=False)
    c.arc((32, 46, 78, 76), 25, 155, P.shade(green, 0.35), 2.4)
    cheeks(c, 68, 26)
    return c.finish()


def owl(field, frame=0, frames=10):
    c = Canvas(field)
    brown, belly, disc = (140, 98, 60), (218, 190, 140), P.IVORY
    c.shape("ellipse", (18, 40, 92, 142), brown, shadow=True, gloss=True)
    c.shape("ellipse", (34, 70, 76, 134), belly, outline=False)
    for row in range(3):
        for i in range(3 - row % 2):
            x = 44 + i * 10 + (row % 2) * 5
            c.arc((x - 4, 80 + row * 9, x + 4, 86 + row * 9), 20, 160, P.shade(belly, 0.6), 1.4)
    for side in (-1, 1):
        c.shape("ellipse", (55 + side * 30 - 8, 62, 55 + side * 30 + 8, 110), P.shade(brown, 0.85),
                angle=side * 12)
        c.shape("poly", [(55 + side * 12, 26), (55 + side * 30, 8), (55 + side * 32, 36)], brown)
    c.shape("ellipse", (20, 18, 90, 78), brown, shadow=True, gloss=True)
    # Eyes follow a slow look from left to right, then the lids drop and rise.
    looks = [0, -1.5, -3, -1.5, 0, 1.5, 3, 1.5, 0, 0]
    lids = [0, 0, 0, 0, 0, 0, 0, 0.55, 1.0, 0.55]
    look, lid = looks[frame % len(looks)], lids[frame % len(lids)] if frames > 1 else 0
    for cx in (40, 70):
        c.shape("ellipse", (cx - 14, 34, cx + 14, 62), disc, outline=P.shade(brown, 0.55))
        c.shape("ellipse", (cx - 8 + look, 40, cx + 8 + look, 56), (236, 176, 52),
                outline=False, lit=1.3)
        c.shape("ellipse", (cx - 4.5 + look, 43.5, cx + 4.5 + look, 52.5), INK, outline=False)
        c.shape("ellipse", (cx - 3 + look, 44, cx + look, 47), WHITE, outline=False, lit=1, dark=1)
        if lid > 0:
            lid_mask = Image.composite(
                c.mask("rrect", (cx - 15, 33, cx + 15, 33 + 30 * lid)),
                Image.new("L", (N, N), 0), c.mask("ellipse", (cx - 14, 34, cx + 14, 62)))
            c.fill(lid_mask, P.shade(brown, 1.05), outline=False)
            if lid >= 1:
                c.arc((cx - 14, 34, cx + 14, 62), 0, 180, P.shade(brown, 0.55), 1.4)
    c.shape("poly", [(50, 58), (60, 58), (55, 70)], (236, 160, 60), outline=P.shade(brown, 0.5))
    return c.finish()


# ----------------------------------------------------------------- the set

BLUE = P.CELL_BLUE
GREEN = P.CELL_GREEN
YELLOW = P.CELL_YELLOW
RED = P.CELL_RED

SKIN_LIGHT = (246, 212, 182)
SKIN_MID = (226, 176, 132)
SKIN_TAN = (192, 138, 96)
SKIN_DARK = (132, 88, 60)

STILL = {
    "pc1.bmp": lambda: robot(P.FELT_LIGHT, P.BRASS),
    "anna.bmp": lambda: person(GREEN, SKIN_LIGHT, (120, 70, 40), P.CELL_RED, "long"),
    "boris.bmp": lambda: person(YELLOW, SKIN_MID, (70, 48, 34), (70, 100, 150), "short",
                                ("beard",)),
    "olga.bmp": lambda: person(BLUE, SKIN_LIGHT, (232, 196, 110), (150, 90, 160), "bun_long",
                               ("grin",)),
    "ivan.bmp": lambda: person(P.FELT_LIGHT, SKIN_LIGHT, (196, 96, 44), (236, 200, 82), "short",
                               ("freckles", "grin")),
    "mila.bmp": lambda: person(RED, SKIN_DARK, (40, 30, 28), (90, 170, 150), "curly", ("grin",)),
    "lee.bmp": lambda: person(P.CELL_PLAIN, SKIN_TAN, (30, 28, 34), (60, 80, 130), "bangs",
                              ("collar",)),
    "grandpa.bmp": lambda: person(P.IVORY_DARK, SKIN_MID, (214, 214, 210), (110, 84, 60), "bald",
                                  ("glasses", "beard")),
    "granny.bmp": lambda: person(P.mix(RED, P.IVORY, 0.4), SKIN_LIGHT, (200, 200, 204),
                                 (96, 120, 170), "bun", ("glasses", "scarf")),
    "animals/fox.bmp": lambda: fox(GREEN),
    "animals/bear.bmp": lambda: bear(BLUE),
    "animals/cat.bmp": lambda: cat(YELLOW),
    "animals/hare.bmp": lambda: hare(P.FELT_LIGHT),
    "animals/panda.bmp": lambda: panda(GREEN),
    "animals/frog.bmp": lambda: frog(P.mix(BLUE, P.IVORY, 0.3)),
}

# name: (frame drawer, frame count, milliseconds per frame)
ANIMATED = {
    "droid.gif": (lambda f, n: robot(P.mix(BLUE, P.IVORY, 0.2), P.IVORY_DARK, f, n, True), 8,
                  [200] * 8),
    "animals/owl.gif": (lambda f, n: owl(P.mix(P.FELT_LIGHT, P.IVORY, 0.25), f, n), 10,
                        [260, 220, 220, 220, 260, 220, 220, 90, 110, 90]),
}


def save_gif(path, frames, durations):
    # One palette for every frame, so the colours do not flicker from frame to frame.
    strip = Image.new("RGB", (SIZE, SIZE * len(frames)))
    for i, frame in enumerate(frames):
        strip.paste(frame, (0, i * SIZE))
    shared = strip.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    indexed = [f.quantize(palette=shared, dither=Image.NONE) for f in frames]
    indexed[0].save(path, save_all=True, append_images=indexed[1:], duration=durations, loop=0,
                    disposal=1, optimize=False)


def contact_sheet(images, path, zoom=2):
    cols = 6
    rows = (len(images) + cols - 1) // cols
    cell = SIZE * zoom + 10
    sheet = Image.new("RGB", (cols * cell + 10, rows * cell + 10), P.FELT)
    for i, im in enumerate(images):
        sheet.paste(im.resize((SIZE * zoom, SIZE * zoom), Image.NEAREST),
                    (10 + (i % cols) * cell, 10 + (i // cols) * cell))
    sheet.save(path)


def main():
    sheet_path = sys.argv[sys.argv.index("--sheet") + 1] if "--sheet" in sys.argv else None
    shown = []
    for name, draw in STILL.items():
        path = os.path.join(OUT_DIR, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        im = draw()
        im.save(path)
        shown.append(im)
    for name, (draw, count, durations) in ANIMATED.items():
        path = os.path.join(OUT_DIR, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        frames = [draw(f, count) for f in range(count)]
        save_gif(path, frames, durations)
        shown.extend(frames[:1] + frames[-3:-1])
    if sheet_path:
        contact_sheet(shown, sheet_path)


if __name__ == "__main__":
    main()
