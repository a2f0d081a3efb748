"""Drawing pieces the skin pictures share: textures, bevels, plates, buttons, symbols and text.

Everything is lit from the upper left (palette.py). Shapes are drawn four times larger and scaled
down, so edges are smooth; the outline that separates a picture from its magenta outside is a hard
one, so no half-magenta pixel is left at an edge.
"""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

from palette import (BRASS, BRASS_DARK, BRASS_LIGHT, FONT_BOLD, INK, IVORY, IVORY_DARK,
                     IVORY_LIGHT, TRANSPARENT, WOOD, WOOD_DARK, WOOD_LIGHT, mix, shade)

SS = 4  # supersampling factor


def solid(size, colour):
    return Image.new("RGB", size, colour)


def noise(size, cell, seed, contrast=1.0):
    """Smooth random greys (0..255 around 128) with features about `cell` pixels wide or tall."""
    cw, ch = cell if isinstance(cell, tuple) else (cell, cell)
    w, h = size
    gw, gh = max(2, w // cw + 2), max(2, h // ch + 2)
    rng = random.Random(seed)
    grid = Image.new("L", (gw, gh))
    grid.putdata([max(0, min(255, round(128 + (rng.random() - 0.5) * 255 * contrast)))
                  for _ in range(gw * gh)])
    return grid.resize((gw * cw, gh * ch), Image.BICUBIC).crop((cw, ch, cw + w, ch + h))


def textured(size, dark, light, seed, cell=2, contrast=1.0):
    """A surface between two colours, chosen by smooth noise."""
    return Image.composite(solid(size, light), solid(size, dark), noise(size, cell, seed, contrast))


def felt(size, colours, seed):
    dark, mid, light = colours
    base = textured(size, mix(dark, mid, 0.6), mix(mid, light, 0.35), seed + "-coarse", 48, 0.9)
    fine = textured(size, shade(mid, 0.85), shade(mid, 1.12), seed + "-fine", 1, 1.0)
    return Image.blend(base, fine, 0.35)


def wood(size, seed, horizontal=True, tones=(WOOD_DARK, WOOD, WOOD_LIGHT)):
    """Wood with its grain along the long side: long streaks, then a fine grain over them."""
    dark, mid, light = tones
    w, h = size
    streak = (64, 3) if horizontal else (3, 64)
    base = textured(size, mix(dark, mid, 0.45), mix(mid, light, 0.45), seed + "-streak", streak,
                    1.4)
    fine_cell = (16, 1) if horizontal else (1, 16)
    fine = textured(size, shade(mid, 0.8), shade(mid, 1.1), seed + "-fine", fine_cell, 1.0)
    return Image.blend(base, fine, 0.3)


def hard_mask(size, draw_shape):
    """A 0/255 mask of a shape drawn by draw_shape(draw, scale) on a four times larger canvas."""
    big = Image.new("L", (size[0] * SS, size[1] * SS), 0)
    draw_shape(ImageDraw.Draw(big), SS)
    return big.resize(size, Image.BOX).point(lambda v: 255 if v >= 128 else 0)


def soft_mask(size, draw_shape):
    big = Image.new("L", (size[0] * SS, size[1] * SS), 0)
    draw_shape(ImageDraw.Draw(big), SS)
    return big.resize(size, Image.LANCZOS)


def rounded(box, radius):
    def shape(draw, s):
        x0, y0, x1, y1 = box
        draw.rounded_rectangle((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), radius * s, fill=255)
    return shape


def outside_transparent(image, mask):
    """Magenta wherever the mask is off."""
    return Image.composite(image, solid(image.size, TRANSPARENT), mask)


def paint(image, mask, colour):
    image.paste(solid(image.size, colour), (0, 0), mask)


def gradient(size, top_left, bottom_right):
    """Lighter towards the light: a diagonal blend from the upper left to the lower right."""
    w, h = size
    line = Image.new("L", (w + h, 1))
    line.putdata([round(255 * i / max(1, w + h - 1)) for i in range(w + h)])
    ramp = Image.new("L", size)
    for y in range(h):
        ramp.paste(line.crop((y, 0, y + w, 1)), (0, y))
    return Image.composite(solid(size, bottom_right), solid(size, top_left), ramp)


def bevel(image, box, width, raised=True, strength=0.35, radius=0):
    """Lit top and left edges, shaded bottom and right ones (the other way round when sunk)."""
    x0, y0, x1, y1 = box
    light = Image.new("L", image.size, 0)
    dark = Image.new("L", image.size, 0)
    dl, dd = ImageDraw.Draw(light), ImageDraw.Draw(dark)
    for i in range(width):
        a = round(255 * strength * (width - i) / width)
        if radius:
            # The outline of a rounded shape: its upper-left half lit, lower-right half shaded.
            r = max(1, radius - i)
            dl.arc((x0 + i, y0 + i, x0 + i + 2 * r, y0 + i + 2 * r), 180, 270, fill=a)
            dd.arc((x1 - 1 - i - 2 * r, y1 - 1 - i - 2 * r, x1 - 1 - i, y1 - 1 - i), 0, 90, fill=a)
            dl.line((x0 + i + r, y0 + i, x1 - 1 - i - r, y0 + i), fill=a)
            dl.line((x0 + i, y0 + i + r, x0 + i, y1 - 1 - i - r), fill=a)
            dd.line((x0 + i + r, y1 - 1 - i, x1 - 1 - i - r, y1 - 1 - i), fill=a)
            dd.line((x1 - 1 - i, y0 + i + r, x1 - 1 - i, y1 - 1 - i - r), fill=a)
            dl.arc((x1 - 1 - i - 2 * r, y0 + i, x1 - 1 - i, y0 + i + 2 * r), 270, 315, fill=a)
            dd.arc((x1 - 1 - i - 2 * r, y0 + i, x1 - 1 - i, y0 + i + 2 * r), 315, 360, fill=a)
            dl.arc((x0 + i, y1 - 1 - i - 2 * r, x0 + i + 2 * r, y1 - 1 - i), 135, 180, fill=a)
            dd.arc((x0 + i, y1 - 1 - i - 2 * r, x0 + i + 2 * r, y1 - 1 - i), 90, 135, fill=a)
        else:
            dl.line((x0 + i, y0 + i, x1 - 1 - i, y0 + i), fill=a)
            dl.line((x0 + i, y0 + i, x0 + i, y1 - 1 - i), fill=a)
            dd.line((x0 + i + 1, y1 - 1 - i, x1 - 1 - i, y1 - 1 - i), fill=a)
            dd.line((x1 - 1 - i, y0 + i + 1, x1 - 1 - i, y1 - 1 - i), fill=a)
    if not raised:
        light, dark = dark, light
    image.paste(solid(image.size, (255, 255, 255)), (0, 0), light)
    image.paste(solid(image.size, (0, 0, 0)), (0, 0), dark)


def inset(image, box, fill, depth=2):
    """A well sunk into the surface: filled, lit on its lower right, shaded on its upper left."""
    ImageDraw.Draw(image).rectangle((box[0], box[1], box[2] - 1, box[3] - 1), fill=fill)
    bevel(image, box, depth, raised=False, strength=0.45)


def font(size, path=FONT_BOLD):
    return ImageFont.truetype(path, size)


def text_mask(size, text, px, centre=None, path=FONT_BOLD, anchor="mm"):
    """The text as a smooth mask, centred on `centre` (the picture's middle by default)."""
    big = Image.new("L", (size[0] * SS, size[1] * SS), 0)
    cx, cy = centre if centre else (size[0] / 2, size[1] / 2)
    ImageDraw.Draw(big).text((cx * SS, cy * SS), text, font=font(px * SS, path), fill=255,
                             anchor=anchor)
    return big.resize(size, Image.LANCZOS)


def engrave(image, mask, ink, lift=None, offset=(1, 1)):
    """Ink in a shape, with a lighter rim below and right of it: cut into a lit surface."""
    if lift is not None:
        image.paste(solid(image.size, lift), offset, mask)
    image.paste(solid(image.size, ink), (0, 0), mask)


def emboss(image, mask, face, offset=1):
    """A raised shape: shadow below right, face on top."""
    image.paste(solid(image.size, (0, 0, 0)), (offset, offset),
                mask.point(lambda v: v * 0.55))
    image.paste(solid(image.size, face), (0, 0), mask)


def drop_shadow(image, mask, offset=(2, 2), blur=1.5, strength=0.45):
    """A soft shadow of the shape cast down and to the right."""
    shadow = Image.new("L", image.size, 0)
    shadow.paste(mask, offset)
    shadow = shadow.filter(ImageFilter.GaussianBlur(blur)).point(lambda v: round(v * strength))
    image.paste(solid(image.size, (0, 0, 0)), (0, 0), shadow)


def star_points(cx, cy, outer, inner, points=5, turn=-90):
    result = []
    for k in range(points * 2):
        r = outer if k % 2 == 0 else inner
        a = math.radians(turn + k * 180 / points)
        result.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return result


def star_mask(size, cx, cy, outer, inner, points=5):
    return soft_mask(size, lambda d, s: d.polygon(
        [(x * s, y * s) for x, y in star_points(cx, cy, outer, inner, points)], fill=255))


def polygon_mask(size, points):
    return soft_mask(size, lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255))


def line_mask(size, points, width):
    def shape(d, s):
        pts = [(x * s, y * s) for x, y in points]
        d.line(pts, fill=255, width=round(width * s), joint="curve")
        for x, y in pts:
            r = width * s / 2
            d.ellipse((x - r, y - r, x + r, y + r), fill=255)
    return soft_mask(size, shape)


def tile(size, letter=None, value=None, face=IVORY, seed="tile"):
    """An ivory tile: a grained face, a bevel, and a rim darkening towards the lower right."""
    w, h = size
    image = gradient(size, mix(face, IVORY_LIGHT, 0.6), mix(face, IVORY_DARK, 0.5))
    grain = textured(size, shade(face, 0.96), shade(face, 1.03), seed, 3, 0.8)
    image = Image.blend(image, grain, 0.3)
    bevel(image, (0, 0, w, h), 2, raised=True, strength=0.5)
    draw = ImageDraw.Draw(image)
    # One pixel of outline, darker at the lower right: the tile stands off its cell.
    draw.line((0, h - 1, w - 1, h - 1), fill=shade(IVORY_DARK, 0.6))
    draw.line((w - 1, 0, w - 1, h - 1), fill=shade(IVORY_DARK, 0.6))
    draw.line((0, 0, w - 2, 0), fill=IVORY_DARK)
    draw.line((0, 0, 0, h - 2), fill=IVORY_DARK)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        draw.point((x, y), fill=shade(IVORY_DARK, 0.7))
    if letter:
        px = round(h * 0.68)
        engrave(image, text_mask(size, letter, px, (w * 0.47, h * 0.5)), INK, IVORY_LIGHT)
    if value is not None:
        engrave(image, text_mask(size, str(value), round(h * 0.26), (w - 3.5, h - 3.5),
                                 anchor="rs"), INK, None)
    return image


def brass_face(size, radius, pressed=False, base=BRASS, seed="brass"):
    """A rounded brass face: lit at the upper left, darker when pressed, magenta outside."""
    w, h = size
    light, dark = mix(base, BRASS_LIGHT, 0.55), mix(base, BRASS_DARK, 0.6)
    if pressed:
        light, dark = shade(dark, 0.95), shade(light, 0.75)
    image = gradient(size, light, dark)
    image = Image.blend(image, textured(size, shade(base, 0.92), shade(base, 1.06), seed,
                                        (12, 1), 1.0), 0.2)
    bevel(image, (0, 0, w, h), 3 if w > 30 else 2, raised=not pressed, strength=0.55,
          radius=radius)
    mask = hard_mask(size, rounded((0, 0, w, h), radius))
    # A dark rim one pixel wide keeps the button apart from any backdrop.
    rim = ImageChops.subtract(mask, mask.filter(ImageFilter.MinFilter(3)))
    paint(image, rim, BRASS_DARK if not pressed else shade(BRASS_DARK, 0.8))
    return image, mask


def button(size, symbol, pressed=False, base=BRASS, ink=INK, radius=None, seed="button"):
    """A brass button with a symbol (a mask function of size) engraved in it."""
    w, h = size
    radius = radius if radius is not None else max(3, min(w, h) // 5)
    image, mask = brass_face(size, radius, pressed, base, seed)
    shift = 1 if pressed else 0
    glyph = symbol(size)
    moved = Image.new("L", size, 0)
    moved.paste(glyph, (shift, shift))
    engrave(image, moved, ink, mix(base, BRASS_LIGHT, 0.8))
    return outside_transparent(image, mask)


def window_frame(size, interior, seed, rim=6):
    """A window background: a wooden rim with a brass line inside it around a given interior."""
    w, h = size
    image = wood(size, seed + "-rim", horizontal=w >= h)
    image.paste(interior.crop((0, 0, w - 2 * rim, h - 2 * rim)), (rim, rim))
    bevel(image, (0, 0, w, h), 3, raised=True, strength=0.45)
    draw = ImageDraw.Draw(image)
    draw.rectangle((rim - 2, rim - 2, w - rim + 1, h - rim + 1), outline=BRASS_DARK)
    draw.rectangle((rim - 1, rim - 1, w - rim, h - rim), outline=BRASS)
    bevel(image, (rim, rim, w - rim, h - rim), 2, raised=False, strength=0.4)
    return image
