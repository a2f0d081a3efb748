"""The look every picture and animation of the classic skin shares: one palette, one light.

The light falls from the upper left: raised things are lighter on their top and left edges and
darker on their bottom and right edges, and cast their shadow down and to the right. Colours are
(red, green, blue). Pure magenta is the transparent colour of the game's pictures.
"""

TRANSPARENT = (255, 0, 255)

# Wood of the table and the board frame, darkest to lightest.
WOOD_DARK = (58, 34, 20)
WOOD = (104, 64, 36)
WOOD_LIGHT = (156, 106, 62)

# Felt of the play area behind the panels.
FELT_DARK = (20, 58, 48)
FELT = (34, 86, 70)
FELT_LIGHT = (58, 120, 98)

# Brass of buttons, plates and frames.
BRASS_DARK = (122, 88, 30)
BRASS = (196, 152, 62)
BRASS_LIGHT = (240, 208, 128)

# Ivory of the tiles and of the paper of windows, and the ink written on them.
IVORY_DARK = (200, 184, 148)
IVORY = (242, 232, 204)
IVORY_LIGHT = (255, 250, 236)
INK = (52, 34, 22)
INK_SOFT = (110, 84, 60)

# The bonus cells: letter x2 green, word x2 blue, letter x3 yellow, word x3 red, start black.
CELL_PLAIN = (226, 214, 184)
CELL_EMPTY_PLACE = (92, 70, 48)
CELL_GREEN = (124, 184, 108)
CELL_BLUE = (96, 160, 214)
CELL_YELLOW = (236, 200, 82)
CELL_RED = (214, 84, 70)
CELL_BLACK = (44, 40, 40)

# Glass of the clock and score plates, and the glow of lit figures.
GLASS_DARK = (16, 22, 26)
GLASS = (30, 42, 48)
GLOW = (255, 196, 80)

# The fonts the generators draw with: Debian's DejaVu (fonts-dejavu-core), Cyrillic and Latin.
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"


def shade(colour, factor):
    """The colour lit (factor above 1) or shaded (below 1), kept within 0..255."""
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))
