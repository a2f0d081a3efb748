"""The classic skin's colour table: the letters on its ivory tiles, the scores and the clocks.

The game's built-in colours are light (yellow and white letters), made for dark tiles; on ours they
would not read. The names on the control panel's caption bar take the same dark colours, so the bar
is light. Only these keys are given; every other colour keeps its built-in default.
"""

from palette import CELL_BLUE, CELL_GREEN, CELL_RED, GLOW, INK, IVORY, mix, shade

PLUM = mix(CELL_RED, CELL_BLUE, 0.35)

COLOURS = {
    "InGameNewLetters": shade(CELL_BLUE, 0.42),
    "InGameUsedLetters": INK,
    "InGamePlayerColor1": shade(CELL_GREEN, 0.42),
    "InGamePlayerColor2": shade(PLUM, 0.6),
    # the control panel's caption bar behind those dark names
    "InGamePlayerColor1Bgr": mix(CELL_GREEN, IVORY, 0.55),
    "InGamePlayerColor2Bgr": mix(PLUM, IVORY, 0.55),
    "InGameTimeActive": GLOW,
    "InGameTimeInActive": shade(GLOW, 0.55),
}


def windows_colour(rgb):
    r, g, b = rgb
    return r + 256 * g + 65536 * b


def write(path):
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        for key, rgb in COLOURS.items():
            f.write(f"{key}={windows_colour(rgb)}\n")
