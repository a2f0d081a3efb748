#!/usr/bin/python3
"""Draws the game's desktop icon: an ivory tile with the letter К on a corner of the felt board.

One drawing, a list of filled shapes in a 256 x 256 square, is written twice: as the scalable SVG
and, through PIL, as the PNG sizes of the hicolor theme, so the two cannot drift apart. Colours
and light are the classic skin's (palette.py): lit from the upper left, shadows down and right.
Usage: icon.py [output folder]  (default packaging/icons, laid out as share/icons/hicolor)
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter

import catalogue
from palette import (BRASS, BRASS_DARK, BRASS_LIGHT, CELL_BLUE, CELL_GREEN, CELL_PLAIN, CELL_RED,
                     CELL_YELLOW, FELT, FELT_DARK, FELT_LIGHT, INK, IVORY, IVORY_DARK,
                     IVORY_LIGHT, mix, shade)

APP_ID = "io.github.quorim.Quorim"
OUT = os.path.join(catalogue.ROOT, "packaging", "icons")
PNG_SIZES = (32, 48, 64, 128, 256)
SS = 4  # supersampling of the PNGs


# --- shapes ---------------------------------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, r, steps=10):
    """The outline of a rounded rectangle as a polygon, clockwise from the top left."""
    points = []
    for cx, cy, start in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90),
                          (x0 + r, y0 + r, 180)):
        for k in range(steps + 1):
            a = math.radians(start + 90 * k / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def star(cx, cy, outer, inner, turn=-90):
    return [(cx + (outer if k % 2 == 0 else inner) * math.cos(math.radians(turn + k * 36)),
             cy + (outer if k % 2 == 0 else inner) * math.sin(math.radians(turn + k * 36)))
            for k in range(10)]


def placed(points, cx, cy, degrees):
    """Points drawn around (0, 0), turned by degrees and moved to (cx, cy)."""
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + x * c - y * s, cy + x * s + y * c) for x, y in points]


def box(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def diagonal(x0, y0, x1, y1, light, dark):
    """A blend from the lit upper left of a box to its shaded lower right."""
    return ("gradient", (x0, y0), (x1, y1), light, dark)


# The tile's letter К, around the tile's middle: a stem, an arm and a leg.
LETTER = [
    box(-44, -44, -24, 30),
    [(-24, -13), (8, -44), (33, -44), (-24, 11)],
    [(-13, -8), (3, -20), (34, 30), (9, 30)],
]
# Its value, 2, in segments like the game's digital figures: top, upper right, middle, lower
# left, bottom.
VALUE = [box(41, 35, 55, 39), box(51, 35, 55, 48), box(41, 45, 55, 49), box(41, 45, 45, 58),
         box(41, 55, 55, 59)]


def drawing():
    """The shapes, back to front: (points, paint, opacity) or ("shadow", points, dx, dy, blur,
    opacity)."""
    shapes = []
    plate = rounded_rect(12, 12, 244, 244, 44)
    shapes.append(("shadow", plate, 0, 4, 4, 0.35))
    shapes.append((plate, diagonal(12, 12, 244, 244, BRASS_LIGHT, BRASS_DARK), 1))
    shapes.append((rounded_rect(20, 20, 236, 236, 37),
                   diagonal(20, 20, 236, 236, shade(BRASS_DARK, 0.8), BRASS), 1))
    shapes.append((rounded_rect(23, 23, 233, 233, 34),
                   diagonal(23, 23, 233, 233, FELT_LIGHT, FELT_DARK), 1))

    # A corner of the board: five by five cells, the bonus cells where the board has them.
    bonus = {(0, 0): CELL_RED, (4, 4): CELL_RED, (0, 3): CELL_GREEN, (3, 0): CELL_GREEN,
             (1, 1): CELL_BLUE, (2, 4): CELL_YELLOW, (4, 2): CELL_YELLOW}
    for row in range(5):
        for col in range(5):
            x, y = 31 + col * 39.4, 31 + row * 39.4
            colour = bonus.get((row, col))
            cell = rounded_rect(x, y, x + 36, y + 36, 5, 3)
            if colour:
                shapes.append((cell, diagonal(x, y, x + 36, y + 36, mix(colour, IVORY_LIGHT, 0.2),
                                              shade(colour, 0.8)), 0.9))
            else:
                shapes.append((cell, mix(FELT, CELL_PLAIN, 0.22), 1))

    # The star of the blank tile, in brass, on the free corner.
    shapes.append(("shadow", star(205, 51, 17, 7), 2, 2, 1.5, 0.4))
    shapes.append((star(205, 51, 17, 7), diagonal(188, 34, 222, 68, BRASS_LIGHT, BRASS), 1))

    # The tile, a little turned, standing off the board.
    cx, cy, turn = 120, 132, -7
    outline = placed(rounded_rect(-68, -68, 68, 68, 15), cx, cy, turn)
    shapes.append(("shadow", outline, 7, 9, 6, 0.55))
    shapes.append((outline, diagonal(52, 64, 188, 200, IVORY, shade(IVORY_DARK, 0.72)), 1))
    face = placed(rounded_rect(-62, -62, 60, 60, 11), cx, cy, turn)
    shapes.append((face, diagonal(58, 70, 180, 192, IVORY_LIGHT, mix(IVORY, IVORY_DARK, 0.5)), 1))
    for part in LETTER + VALUE:
        # Cut into the face: a lit edge below right, the ink above it.
        shapes.append((placed([(x + 1.5, y + 1.5) for x, y in part], cx, cy, turn),
                       IVORY_LIGHT, 1))
    for part in LETTER + VALUE:
        shapes.append((placed(part, cx, cy, turn), INK, 1))
    return shapes


# --- SVG ------------------------------------------------------------------------------------

def hex_colour(colour):
    return "#%02x%02x%02x" % colour


def svg(shapes):
    defs, body = [], []
    for shape in shapes:
        if shape[0] == "shadow":
            _, points, dx, dy, blur, opacity = shape
            name = f"blur{len(defs)}"
            defs.append(f'<filter id="{name}" x="-20%" y="-20%" width="140%" height="140%">'
                        f'<feGaussianBlur stdDeviation="{blur}"/></filter>')
            body.append(f'<path d="{path_data(points)}" transform="translate({dx} {dy})" '
                        f'fill="#000000" fill-opacity="{opacity}" filter="url(#{name})"/>')
            continue
        points, paint, opacity = shape
        if isinstance(paint, tuple) and paint[0] == "gradient":
            _, (x1, y1), (x2, y2), a, b = paint
            name = f"fill{len(defs)}"
            defs.append(f'<linearGradient id="{name}" gradientUnits="userSpaceOnUse" '
                        f'x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
                        f'<stop offset="0" stop-color="{hex_colour(a)}"/>'
                        f'<stop offset="1" stop-color="{hex_colour(b)}"/></linearGradient>')
            fill = f"url(#{name})"
        else:
            fill = hex_colour(paint)
        extra = f' fill-opacity="{opacity}"' if opacity != 1 else ""
        body.append(f'<path d="{path_data(points)}" fill="{fill}"{extra}/>')
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256">\n'
            '<title>Quorim</title>\n'
            '<defs>\n' + "\n".join(defs) + '\n</defs>\n' + "\n".join(body) + '\n</svg>\n')


def path_data(points):
    return "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in points) + " Z"


# --- PNG ------------------------------------------------------------------------------------

def ramp(size, p1, p2, scale):
    """A mask rising from 0 at p1 to 255 at p2 along the line between them, flat beyond."""
    (x1, y1), (x2, y2) = p1, p2
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    # The ramp's source: 256 rows of 0, the 256 steps, 256 rows of 255.
    source = Image.new("L", (4, 768))
    source.putdata([v for v in [0] * 256 + list(range(256)) + [255] * 256 for _ in range(4)])
    # Source row of canvas pixel (X, Y): 256 + 255 * t, t the position along p1 -> p2.
    a, b = 255 * dx / length2 / scale, 255 * dy / length2 / scale
    c = 256 - 255 * (x1 * dx + y1 * dy) / length2
    return source.transform(size, Image.AFFINE, (0, 0, 2, a, b, c), Image.BILINEAR)


def png(shapes, size):
    scale = size * SS / 256
    canvas = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))

    def mask_of(points, offset=(0, 0)):
        mask = Image.new("L", canvas.size, 0)
        ImageDraw.Draw(mask).polygon([((x + offset[0]) * scale, (y + offset[1]) * scale)
                                      for x, y in points], fill=255)
        return mask

    for shape in shapes:
        if shape[0] == "shadow":
            _, points, dx, dy, blur, opacity = shape
            mask = mask_of(points, (dx, dy)).filter(ImageFilter.GaussianBlur(blur * scale))
            colour = Image.new("RGBA", canvas.size, (0, 0, 0, 255))
            colour.putalpha(mask.point(lambda v: round(v * opacity)))
            canvas = Image.alpha_composite(canvas, colour)
            continue
        points, paint, opacity = shape
        if isinstance(paint, tuple) and paint[0] == "gradient":
            _, p1, p2, a, b = paint
            colour = Image.composite(Image.new("RGBA", canvas.size, b + (255,)),
                                     Image.new("RGBA", canvas.size, a + (255,)),
                                     ramp(canvas.size, p1, p2, scale))
        else:
            colour = Image.new("RGBA", canvas.size, paint + (255,))
        colour.putalpha(mask_of(points).point(lambda v: round(v * opacity)))
        canvas = Image.alpha_composite(canvas, colour)
    return canvas.resize((size, size), Image.LANCZOS)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else OUT
    shapes = drawing()
    folder = os.path.join(out, "hicolor", "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, APP_ID + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg(shapes))
    for size in PNG_SIZES:
        folder = os.path.join(out, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        png(shapes, size).save(os.path.join(folder, APP_ID + ".png"), optimize=True)


if __name__ == "__main__":
    main()
