#!/usr/bin/python3
"""Copies the four role fonts of the game into data/FONTS/ and their licences into data/LICENSES/.

The game gives a role the face of the FONTS file whose name holds the role's word, so each copy is
named role-FaceName.ttf.

Debian packages needed (only to regenerate; the game does not need them):
  fonts-dejavu-core fonts-paratype fonts-dseg fonts-comfortaa

Run: /usr/bin/python3 tools/art/fonts.py
"""

import os
import shutil
import sys

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# role, Debian package, installed font file, name of the copy. Message, player and splashes must
# write Russian and English; the digital face only shows scores and clock figures, so digits are
# enough. The game asks for a font by its family name alone, so a cut whose family is a plain
# one's (DejaVu Sans Condensed is "DejaVu Sans") would be drawn as the plain one: PT Sans Narrow
# has a family of its own.
FONTS = [
    ("message", "fonts-dejavu-core", "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
     "DejaVuSerif.ttf"),
    ("player", "fonts-paratype", "/usr/share/fonts/truetype/paratype/PTN77F.ttf",
     "PTSansNarrow-Bold.ttf"),
    ("digital", "fonts-dseg", "/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf",
     "DSEG7Classic-Bold.ttf"),
    ("splashes", "fonts-comfortaa", "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
     "Comfortaa-Bold.ttf"),
]


def need(path, package):
    if not os.path.exists(path):
        sys.exit(f"missing {path}: apt-get install {package}")
    return path


def main():
    fonts_dir = os.path.join(REPO_ROOT, "data", "FONTS")
    licences_dir = os.path.join(REPO_ROOT, "data", "LICENSES")
    os.makedirs(fonts_dir, exist_ok=True)
    os.makedirs(licences_dir, exist_ok=True)
    # A font of an earlier choice would still claim its role: the folder holds only these four.
    for name in os.listdir(fonts_dir):
        os.remove(os.path.join(fonts_dir, name))
    for role, package, path, name in FONTS:
        need(path, package)
        shutil.copyfile(path, os.path.join(fonts_dir, f"{role}-{name}"))
        shutil.copyfile(need(f"/usr/share/doc/{package}/copyright", package),
                        os.path.join(licences_dir, f"{package}.copyright"))


if __name__ == "__main__":
    main()
