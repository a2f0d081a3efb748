"""The symbols engraved on the button faces, each a mask the size of its face.

Captions of the start menu buttons are drawn by the game; the panel buttons carry only a symbol,
so they read the same in every language.
"""

from palette import FONT_BOLD, FONT_SERIF_BOLD
from widgets import line_mask, polygon_mask, soft_mask, star_points, text_mask


def glyph(text, scale=0.62, path=FONT_BOLD, dy=0.0):
    def make(size):
        w, h = size
        return text_mask(size, text, round(min(w, h) * scale), (w / 2, h / 2 + dy * h), path)
    return make


def check(size):
    w, h = size
    return line_mask(size, [(w * 0.27, h * 0.52), (w * 0.44, h * 0.7), (w * 0.74, h * 0.3)],
                     min(w, h) * 0.12)


def exchange(size):
    """Two arrows, one each way: letters go back to the bag and new ones come."""
    w, h = size
    t = min(w, h) * 0.08
    shafts = [
        [(w * 0.26, h * 0.38), (w * 0.64, h * 0.38)],
        [(w * 0.74, h * 0.63), (w * 0.36, h * 0.63)],
    ]
    heads = [
        [(w * 0.62, h * 0.25), (w * 0.78, h * 0.38), (w * 0.62, h * 0.51)],
        [(w * 0.38, h * 0.5), (w * 0.22, h * 0.63), (w * 0.38, h * 0.76)],
    ]

    def shape(d, s):
        for a, b in shafts:
            d.line((a[0] * s, a[1] * s, b[0] * s, b[1] * s), fill=255, width=round(t * s))
        for head in heads:
            d.polygon([(x * s, y * s) for x, y in head], fill=255)
    return soft_mask(size, shape)


def gear(size):
    w, h = size
    cx, cy, r = w / 2, h / 2, min(w, h) * 0.3

    def shape(d, s):
        d.polygon([(x * s, y * s) for x, y in star_points(cx, cy, r * 1.18, r * 0.9, 8, -90)],
                  fill=255)
        d.ellipse(((cx - r * 0.95) * s, (cy - r * 0.95) * s, (cx + r * 0.95) * s,
                   (cy + r * 0.95) * s), fill=255)
        d.ellipse(((cx - r * 0.4) * s, (cy - r * 0.4) * s, (cx + r * 0.4) * s,
                   (cy + r * 0.4) * s), fill=0)
    return soft_mask(size, shape)


def tray_arrow(down):
    """An arrow into a tray (save) or out of it (load)."""
    def make(size):
        w, h = size
        t = min(w, h) * 0.1

        def shape(d, s):
            d.line(((w * 0.22) * s, (h * 0.62) * s, (w * 0.22) * s, (h * 0.8) * s,
                    (w * 0.78) * s, (h * 0.8) * s, (w * 0.78) * s, (h * 0.62) * s),
                   fill=255, width=round(t * s), joint="curve")
            d.line(((w * 0.5) * s, (h * 0.18) * s, (w * 0.5) * s, (h * 0.58) * s), fill=255,
                   width=round(t * s))
            if down:
                head = [(w * 0.32, h * 0.46), (w * 0.5, h * 0.68), (w * 0.68, h * 0.46)]
            else:
                head = [(w * 0.32, h * 0.34), (w * 0.5, h * 0.12), (w * 0.68, h * 0.34)]
            d.polygon([(x * s, y * s) for x, y in head], fill=255)
        return soft_mask(size, shape)
    return make


def sheets(size):
    """Two overlapping sheets: copy."""
    w, h = size

    def shape(d, s):
        for x0, y0 in ((0.2, 0.16), (0.4, 0.36)):
            box = (x0 * w * s, y0 * h * s, (x0 + 0.42) * w * s, (y0 + 0.48) * h * s)
            d.rectangle(box, fill=255)
            inner = (box[0] + 2 * s, box[1] + 2 * s, box[2] - 2 * s, box[3] - 2 * s)
            d.rectangle(inner, fill=0)
    return soft_mask(size, shape)


def pointer(size):
    """A small triangle pointing right: opens the options at that page."""
    w, h = size
    return polygon_mask(size, [(w * 0.36, h * 0.24), (w * 0.72, h * 0.5), (w * 0.36, h * 0.76)])


GO = check
EXCHANGE = exchange
HINT = glyph("?", 0.66)
PREVIEW = glyph("Σ", 0.6)
INFO = glyph("i", 0.66, FONT_SERIF_BOLD)
OPTIONS = gear
SAVE = tray_arrow(True)
LOAD = tray_arrow(False)
COPY = sheets
OPTION = pointer
