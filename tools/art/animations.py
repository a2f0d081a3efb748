#!/usr/bin/python3
"""Draws the classic skin's animations into data/GRAFIX/classic/ANIMATIO/.

Buttons are round brass buttons lit from the upper left, with an engraved symbol that
glows and fades in a slow idle loop. The save window's slots, the safe, the explosion over a tile,
the active player's arrow and the game-over ribbon are drawn here too.

Debian packages needed: python3-pil fonts-dejavu-core
Run: /usr/bin/python3 tools/art/animations.py [output folder]
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import palette as P  # noqa: E402
from gifs import save_gif, shrink, supersampled  # noqa: E402
from widgets import star_points  # noqa: E402

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SS = 4  # supersampling factor

BUTTON_FRAMES = 16
BUTTON_MS = 90


def pulse(i, n):
    """0 at the loop's start, 1 halfway, back to 0: the idle glow's strength."""
    return 0.5 - 0.5 * math.cos(2 * math.pi * i / n)


def lit_disc(size, dark, light, centre=(0.36, 0.32), spread=1.15):
    """A disc of size x size shaded like a dome lit from the upper left (RGBA, transparent outside)."""
    gradient = Image.radial_gradient("L").resize((int(size * 2 * spread),) * 2)
    cx, cy = int(gradient.width / 2 - size * centre[0]), int(gradient.height / 2 - size * centre[1])
    mask = gradient.crop((cx, cy, cx + size, cy + size))
    disc = Image.composite(Image.new("RGB", (size, size), dark),
                           Image.new("RGB", (size, size), light), mask)
    shape = Image.new("L", (size, size), 0)
    ImageDraw.Draw(shape).ellipse((0, 0, size - 1, size - 1), fill=255)
    disc.putalpha(shape)
    return disc


def diagonal(size, first, second):
    """A square fading from first at the upper left to second at the lower right."""
    side = 64
    ramp = Image.new("L", (side, side))
    ramp.putdata([round((x + y) * 255 / (2 * side - 2)) for y in range(side) for x in range(side)])
    ramp = ramp.resize((size, size), Image.Resampling.BILINEAR)
    return Image.composite(Image.new("RGB", (size, size), second),
                           Image.new("RGB", (size, size), first), ramp)


def ring(size, width, first, second):
    """A bevelled ring: light on the upper left, dark on the lower right."""
    colours = diagonal(size, first, second)
    shape = Image.new("L", (size, size), 0)
    draw = ImageDraw.Draw(shape)
    draw.ellipse((0, 0, size - 1, size - 1), fill=255)
    draw.ellipse((width, width, size - 1 - width, size - 1 - width), fill=0)
    colours.putalpha(shape)
    return colours


def over(base, layer, at=(0, 0)):
    base.alpha_composite(layer, at)
    return base


# Symbols, drawn as strokes in a box of 0..1 coordinates.
def symbol_check(draw, box, colour, width):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    points = [(x0 + 0.18 * w, y0 + 0.52 * h), (x0 + 0.42 * w, y0 + 0.76 * h), (x0 + 0.84 * w, y0 + 0.24 * h)]
    draw.line(points, fill=colour, width=width, joint="curve")
    for p in (points[0], points[-1]):
        draw.ellipse((p[0] - width / 2, p[1] - width / 2, p[0] + width / 2, p[1] + width / 2), fill=colour)


def symbol_cross(draw, box, colour, width):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    for a, b in (((0.24, 0.24), (0.76, 0.76)), ((0.76, 0.24), (0.24, 0.76))):
        pa = (x0 + a[0] * w, y0 + a[1] * h)
        pb = (x0 + b[0] * w, y0 + b[1] * h)
        draw.line((pa, pb), fill=colour, width=width)
        for p in (pa, pb):
            draw.ellipse((p[0] - width / 2, p[1] - width / 2, p[0] + width / 2, p[1] + width / 2), fill=colour)


def symbol_back(draw, box, colour, width):
    """A curved arrow turning back: cancel."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    cx, cy, r = x0 + 0.52 * w, y0 + 0.54 * h, 0.24 * w
    draw.arc((cx - r, cy - r, cx + r, cy + r), -70, 180, fill=colour, width=width)
    # The head at the arc's left end, pointing up the way the arc runs.
    hx, hy, k = cx - r + width / 2, cy + 0.02 * h, 0.17 * w
    draw.polygon([(hx - k, hy), (hx + k, hy), (hx, hy - 1.2 * k)], fill=colour)


def symbol_star(draw, box, colour, width):
    x0, y0, x1, y1 = box
    w = x1 - x0
    draw.polygon(star_points(x0 + w / 2, y0 + w * 0.53, w * 0.36, w * 0.15), fill=colour)


SYMBOLS = {"check": symbol_check, "cross": symbol_cross, "back": symbol_back, "star": symbol_star}


def button_frame(size, face, symbol, ink, glow, t):
    """One frame of a round button; t (0..1) is the strength of the symbol's glow."""
    s = size * SS
    canvas = supersampled((size, size))
    rim = max(2 * SS, s // 9)
    over(canvas, ring(s, rim, P.BRASS_LIGHT, P.BRASS_DARK))
    inner = s - 2 * rim
    over(canvas, lit_disc(inner, P.shade(face, 0.55), P.mix(face, (255, 255, 255), 0.35)), (rim, rim))
    # A thin dark groove between rim and face.
    ImageDraw.Draw(canvas).ellipse((rim - SS, rim - SS, s - rim + SS - 1, s - rim + SS - 1),
                                   outline=P.shade(P.BRASS_DARK, 0.7) + (255,), width=SS)

    box = (rim, rim, s - rim, s - rim)
    stroke = max(3 * SS, s // 8)
    draw_symbol = SYMBOLS[symbol]

    # The halo: warm light behind the symbol, stronger as t rises; kept inside the face.
    halo = Image.new("RGBA", canvas.size, P.GLOW + (0,))
    draw_symbol(ImageDraw.Draw(halo), box, P.GLOW + (255,), stroke + 4 * SS)
    halo = halo.filter(ImageFilter.GaussianBlur(3 * SS))
    halo.putalpha(halo.getchannel("A").point(lambda a: int(a * 0.75 * t)))
    face_mask = Image.new("L", canvas.size, 0)
    ImageDraw.Draw(face_mask).ellipse((rim, rim, s - rim - 1, s - rim - 1), fill=255)
    halo.putalpha(ImageChops.multiply(halo.getchannel("A"), face_mask))
    over(canvas, halo)

    # Engraved like the still buttons: a lighter rim below and right of the cut, then the ink,
    # which warms towards the button's own colour as it glows.
    lift = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    draw_symbol(ImageDraw.Draw(lift), tuple(v + SS for v in box), P.BRASS_LIGHT + (220,), stroke)
    over(canvas, lift)
    symbol_layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    draw_symbol(ImageDraw.Draw(symbol_layer), box, P.mix(ink, glow, 0.6 * t) + (255,), stroke)
    over(canvas, symbol_layer)

    # The glint of the lit dome, wandering a little with the glow.
    glint = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    g = inner * 0.22
    gx, gy = rim + inner * 0.22, rim + inner * 0.16
    ImageDraw.Draw(glint).ellipse((gx, gy, gx + g * 1.4, gy + g * 0.8), fill=(255, 255, 255, int(70 + 60 * t)))
    over(canvas, glint.filter(ImageFilter.GaussianBlur(SS * 1.5)))
    return shrink(canvas, (size, size))


# Brass buttons with dark engraved symbols, as the still buttons of the skin; the symbol of a
# yes, no or cancel button is inked in a dark shade of its colour and glows towards it.
BUTTONS = {
    # name: size, face, symbol, ink, glow
    "E_Button": (33, P.BRASS, "cross", P.INK, P.WOOD_LIGHT),
    "x_button": (33, P.BRASS, "cross", P.INK, P.WOOD_LIGHT),
    "V_Button": (33, P.BRASS, "check", P.shade(P.CELL_GREEN, 0.42), P.CELL_GREEN),
    "X_Button": (33, P.BRASS, "cross", P.shade(P.CELL_RED, 0.5), P.CELL_RED),
    "S_Button": (33, P.BRASS, "back", P.shade(P.CELL_BLUE, 0.42), P.CELL_BLUE),
    "s_button": (33, P.BRASS, "back", P.shade(P.CELL_BLUE, 0.42), P.CELL_BLUE),
    "Z_button": (33, P.BRASS, "star", P.INK, P.CELL_RED),
    "G_Button": (33, P.BRASS, "check", P.shade(P.CELL_GREEN, 0.42), P.CELL_GREEN),
}


def buttons(out):
    for name, (size, face, symbol, ink, glow) in BUTTONS.items():
        frames = [button_frame(size, face, symbol, ink, glow, pulse(i, BUTTON_FRAMES))
                  for i in range(BUTTON_FRAMES)]
        save_gif(os.path.join(out, name + ".gif"), frames, BUTTON_MS)


def arrow(out, size=(24, 18), count=12):
    """The active participant's arrow: a brass arrow nudging to the right and glowing."""
    frames = []
    w, h = size
    for i in range(count):
        t = pulse(i, count)
        canvas = supersampled(size)
        shift = t * 4 * SS
        s = SS
        points = [(1 * s + shift, 5 * s), (12 * s + shift, 5 * s), (12 * s + shift, 1 * s),
                  (19 * s + shift, 9 * s - 1), (12 * s + shift, 17 * s - 2), (12 * s + shift, 13 * s),
                  (1 * s + shift, 13 * s)]
        shadow = [(x + s, y + s) for x, y in points]
        d = ImageDraw.Draw(canvas)
        d.polygon(shadow, fill=P.shade(P.BRASS_DARK, 0.6) + (255,))
        fill = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
        colours = Image.linear_gradient("L").resize(canvas.size)
        body = Image.composite(Image.new("RGB", canvas.size, P.BRASS_DARK),
                               Image.new("RGB", canvas.size, P.mix(P.BRASS_LIGHT, P.GLOW, t)), colours)
        shape = Image.new("L", canvas.size, 0)
        ImageDraw.Draw(shape).polygon(points, fill=255)
        fill.paste(body, (0, 0), shape)
        over(canvas, fill)
        d.line(points[:4], fill=P.mix(P.IVORY_LIGHT, P.GLOW, t) + (200,), width=SS)
        frames.append(shrink(canvas, size))
    save_gif(os.path.join(out, "Arrow_right.gif"), frames, 80)


def explosion(out, size=26, count=10):
    """A tile bursting into sparks and splinters that fly off the cell (the tile goes back to the bag)."""
    rng = random.Random(7)
    sparks = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.6, 1.0), rng.choice((P.GLOW, P.BRASS_LIGHT, P.IVORY_LIGHT)))
              for _ in range(22)]
    splinters = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.3, 0.8)) for _ in range(8)]
    s = size * SS
    c = s / 2
    frames = []
    for i in range(count):
        t = i / (count - 1)
        canvas = supersampled((size, size))
        d = ImageDraw.Draw(canvas)
        # The flash: a hot core growing and cooling.
        core = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
        r = s * (0.32 + 0.25 * t)
        colour = P.mix((255, 255, 230), P.CELL_RED, t)
        ImageDraw.Draw(core).ellipse((c - r, c - r, c + r, c + r), fill=colour + (int(255 * (1 - t) ** 0.7),))
        over(canvas, core.filter(ImageFilter.GaussianBlur(SS * 2)))
        for angle, speed in splinters:
            dist = s * 0.45 * speed * t ** 0.8
            x, y = c + dist * math.cos(angle), c + dist * math.sin(angle)
            k = SS * 2.5 * (1 - t * 0.6)
            d.polygon([(x - k, y), (x, y - k * 0.6), (x + k, y), (x, y + k * 0.6)],
                      fill=P.mix(P.IVORY, P.IVORY_DARK, t) + (255,))
        for angle, speed, colour in sparks:
            dist = s * 0.5 * speed * min(1.0, 0.15 + t * 1.1)
            x, y = c + dist * math.cos(angle), c + dist * math.sin(angle)
            k = SS * 1.6 * (1 - t) + SS * 0.5
            d.ellipse((x - k, y - k, x + k, y + k), fill=colour + (255,))
        frames.append(shrink(canvas, (size, size)))
    # The game steps the frames itself, 35 ms apart, and takes the animation away after the last.
    # Soft edges are mixed with a warm light, not the dark default, since they lie over a tile.
    save_gif(os.path.join(out, "explosio.gif"), frames, 40, loop=False, matte=P.mix(P.IVORY, P.GLOW, 0.5))


def safe(out, size=48, count=12):
    """The strongbox after a save: its door swings shut and the dial turns to lock."""
    frames = []
    s = size * SS
    for i in range(count):
        canvas = supersampled((size, size))
        d = ImageDraw.Draw(canvas)
        m = 4 * SS
        # The box, lit from the upper left.
        body = diagonal(s - 2 * m, P.shade(P.GLASS, 2.6), P.GLASS_DARK)
        canvas.paste(body, (m, m))
        d.rectangle((m, m, s - m, s - m), outline=P.BRASS_DARK + (255,), width=SS * 2)
        d.line(((m, s - m), (m, m), (s - m, m)), fill=P.BRASS_LIGHT + (255,), width=SS)
        # The door closes over the first half of the frames.
        close = min(1.0, i / (count * 0.5))
        door_w = (s - 4 * m) * (0.25 + 0.75 * close)
        x0, y0, y1 = 2 * m, 2 * m, s - 2 * m
        door = diagonal(s, P.BRASS_LIGHT, P.BRASS_DARK).crop((0, 0, int(door_w), int(y1 - y0)))
        canvas.paste(door, (int(x0), int(y0)))
        d.rectangle((x0, y0, x0 + door_w, y1), outline=P.shade(P.BRASS_DARK, 0.7) + (255,), width=SS)
        if close >= 1.0:
            # The dial turns, then the lock glints.
            cx, cy, r = s / 2, s / 2, s * 0.17
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=P.GLASS + (255,), outline=P.BRASS_LIGHT + (255,), width=SS)
            turn = (i - count * 0.5) / (count * 0.5) * 2 * math.pi
            for k in range(4):
                a = turn + k * math.pi / 2
                d.line(((cx, cy), (cx + r * 0.9 * math.cos(a), cy + r * 0.9 * math.sin(a))),
                       fill=P.BRASS_LIGHT + (255,), width=SS * 2)
            if i == count - 1:
                d.ellipse((cx - SS * 3, cy - SS * 3, cx + SS * 3, cy + SS * 3), fill=P.GLOW + (255,))
        # Feet below the box.
        for fx in (m + 2 * SS, s - m - 7 * SS):
            d.rectangle((fx, s - m, fx + 5 * SS, s - m + 3 * SS), fill=P.BRASS_DARK + (255,))
        frames.append(shrink(canvas, (size, size)))
    durations = [70] * (count - 1) + [400]
    save_gif(os.path.join(out, "safe1.gif"), frames, durations, loop=False)


SLOT_SIZE = (212, 27)
# The slot's label is drawn by the window over the plate from x = 70 on; the badge is left of it.
LABEL_LEFT = 70


def slot_plate(number, lit, sweep=None, filled=0.0):
    """A save slot: an ivory plate in a brass frame with the slot's number on a badge.

    lit: highlighted (the pointer is over it); sweep: where a light band crosses the plate while
    the game is saved (0..1); filled: how much of the plate the saving has covered.
    """
    w, h = SLOT_SIZE
    canvas = supersampled(SLOT_SIZE)
    d = ImageDraw.Draw(canvas)
    W, H = w * SS, h * SS
    radius = 6 * SS
    frame = diagonal(max(W, H), P.BRASS_LIGHT, P.BRASS_DARK).resize((W, H))
    shape = Image.new("L", (W, H), 0)
    ImageDraw.Draw(shape).rounded_rectangle((0, 0, W - 1, H - 1), radius, fill=255)
    canvas.paste(frame, (0, 0), shape)
    inset = 2 * SS
    paper = P.mix(P.IVORY, P.IVORY_LIGHT, 0.7) if lit else P.IVORY
    paper_dark = P.IVORY if lit else P.mix(P.IVORY, P.IVORY_DARK, 0.5)
    inner = Image.linear_gradient("L").resize((W - 2 * inset, H - 2 * inset))
    plate = Image.composite(Image.new("RGB", inner.size, paper_dark), Image.new("RGB", inner.size, paper), inner)
    inner_shape = Image.new("L", inner.size, 0)
    ImageDraw.Draw(inner_shape).rounded_rectangle((0, 0, inner.width - 1, inner.height - 1), radius - inset, fill=255)
    if filled > 0:
        band = Image.new("RGB", inner.size, P.mix(paper, P.CELL_GREEN, 0.45))
        fill_mask = Image.new("L", inner.size, 0)
        ImageDraw.Draw(fill_mask).rectangle((0, 0, int(inner.width * filled), inner.height), fill=255)
        plate = Image.composite(band, plate, fill_mask)
    if sweep is not None:
        light = Image.new("L", inner.size, 0)
        x = int(inner.width * sweep)
        ImageDraw.Draw(light).polygon([(x - 14 * SS, 0), (x + 4 * SS, 0), (x + 14 * SS, inner.height),
                                       (x - 4 * SS, inner.height)], fill=170)
        light = light.filter(ImageFilter.GaussianBlur(3 * SS))
        plate = Image.composite(Image.new("RGB", inner.size, (255, 255, 255)), plate, light)
    canvas.paste(plate, (inset, inset), inner_shape)
    # The engraved edge of the paper: shadow on top and left, light on bottom and right.
    d.rounded_rectangle((inset, inset, W - inset - 1, H - inset - 1), radius - inset,
                        outline=P.shade(P.IVORY_DARK, 0.75) + (255,), width=SS)
    if lit:
        d.rounded_rectangle((0, 0, W - 1, H - 1), radius, outline=P.GLOW + (255,), width=SS * 2)
    # The badge with the slot's number.
    bh = H - 6 * SS
    badge = lit_disc(bh, P.shade(P.WOOD, 0.8), P.WOOD_LIGHT)
    bx = (LABEL_LEFT * SS - bh) // 2
    over(canvas, ring(bh + 2 * SS, SS * 2, P.BRASS_LIGHT, P.BRASS_DARK), (bx - SS, 2 * SS))
    over(canvas, badge, (bx, 3 * SS))
    font = ImageFont.truetype(P.FONT_SERIF_BOLD, int(bh * 0.72))
    digit = str(number)
    cx, cy = bx + bh / 2, 3 * SS + bh / 2
    d.text((cx + SS, cy + SS), digit, font=font, fill=(0, 0, 0, 160), anchor="mm")
    d.text((cx, cy), digit, font=font, fill=(P.GLOW if lit else P.IVORY_LIGHT) + (255,), anchor="mm")
    # Two small screws at the plate's ends, between badge and label.
    for sx in (LABEL_LEFT * SS - 6 * SS, W - 7 * SS):
        d.ellipse((sx, H / 2 - 2 * SS, sx + 4 * SS, H / 2 + 2 * SS), fill=P.BRASS_DARK + (255,))
        d.line((sx + SS, H / 2 + SS, sx + 3 * SS, H / 2 - SS), fill=P.BRASS_LIGHT + (255,), width=SS)
    return shrink(canvas, SLOT_SIZE)


def slots(out, saving_frames=10):
    """Frame 0 normal, frame 1 highlighted, then the saving: a light crossing as the plate fills."""
    for number in (1, 2, 3):
        frames = [slot_plate(number, False), slot_plate(number, True)]
        for i in range(saving_frames):
            t = (i + 1) / saving_frames
            frames.append(slot_plate(number, True, sweep=t * 1.2 - 0.1, filled=t))
        durations = [100, 100] + [60] * (saving_frames - 1) + [300]
        save_gif(os.path.join(out, f"slslot{number}.gif"), frames, durations, loop=False)


RIBBON_SIZE = (240, 50)


def ribbon(phase, blur=0.0, fade=1.0):
    """The game-over ribbon: a brass band with folded ends and a row of stars, waving with phase."""
    w, h = RIBBON_SIZE
    W, H = w * SS, h * SS
    flat = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(flat)
    top, bottom = 12 * SS, H - 12 * SS
    tail = 26 * SS
    # Folded ends behind the band.
    for side in (0, 1):
        x0 = 2 * SS if side == 0 else W - tail - 2 * SS
        x1 = x0 + tail
        notch = x0 + 8 * SS if side == 0 else x1 - 8 * SS
        outer, inner = (x0, x1) if side == 0 else (x1, x0)
        d.polygon([(outer, top + 6 * SS), (inner, top + 6 * SS), (inner, bottom + 6 * SS), (outer, bottom + 6 * SS),
                   (notch, (top + bottom) / 2 + 6 * SS)], fill=P.BRASS_DARK + (255,))
    band = diagonal(max(W, H), P.BRASS_LIGHT, P.BRASS).resize((W - 2 * tail + 12 * SS, bottom - top))
    flat.paste(band, (tail - 6 * SS, top))
    d.line(((tail - 6 * SS, top + SS), (W - tail + 6 * SS, top + SS)), fill=P.IVORY_LIGHT + (255,), width=SS)
    d.line(((tail - 6 * SS, bottom - SS), (W - tail + 6 * SS, bottom - SS)), fill=P.BRASS_DARK + (255,), width=SS)
    for k in range(5):
        cx = W / 2 + (k - 2) * 30 * SS
        cy = (top + bottom) / 2
        d.polygon(star_points(cx + SS, cy + SS, 9 * SS, 3.8 * SS), fill=P.BRASS_DARK + (255,))
        d.polygon(star_points(cx, cy, 9 * SS, 3.8 * SS), fill=P.mix(P.IVORY_LIGHT, P.GLOW, 0.5 + 0.5 * math.sin(phase + k)) + (255,))
    # The wave: each column shifted up or down.
    waved = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    column = SS * 2
    for x in range(0, W, column):
        dy = int(5 * SS * math.sin(phase + x / W * 2 * math.pi))
        waved.paste(flat.crop((x, 0, x + column, H)), (x, dy))
    # The light catches the crests.
    shine = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    for x in range(0, W, column):
        k = math.cos(phase + x / W * 2 * math.pi)
        if k > 0:
            ImageDraw.Draw(shine).rectangle((x, 0, x + column, H), fill=(255, 240, 200, int(60 * k)))
    shine.putalpha(ImageChops.multiply(shine.getchannel("A"), waved.getchannel("A")))
    over(waved, shine)
    if blur > 0:
        waved = waved.filter(ImageFilter.GaussianBlur(blur * SS))
    if fade < 1:
        waved.putalpha(waved.getchannel("A").point(lambda a: int(a * fade)))
    return shrink(waved, RIBBON_SIZE)


def game_over(out, blur_frames=10, wave_frames=16):
    """goblur: the ribbon coming into focus, played once; gowave: the ribbon waving, looped."""
    frames = []
    for i in range(blur_frames):
        t = i / (blur_frames - 1)
        frames.append(ribbon(0.0, blur=6 * (1 - t), fade=0.5 + 0.5 * t))
    save_gif(os.path.join(out, "goblur.gif"), frames, 60, loop=False)
    waves = [ribbon(2 * math.pi * i / wave_frames) for i in range(wave_frames)]
    save_gif(os.path.join(out, "gowave.gif"), waves, 80)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO_ROOT, "data", "GRAFIX", "classic", "ANIMATIO")
    os.makedirs(out, exist_ok=True)
    buttons(out)
    arrow(out)
    explosion(out)
    safe(out)
    slots(out)
    game_over(out)


if __name__ == "__main__":
    main()
