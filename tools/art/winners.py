#!/usr/bin/python3
"""Draws the game-over window's winner animations from the avatar pictures.

For every avatar file of the avatar folder and its sub-folders (owl.gif, animals/bear.bmp ...) it
writes ANIMATIO/<name up to the first dot>go.gif: the avatar bouncing under a little crown, with
confetti falling and sparkles, in the window's 119 x 122 frame, looping. An animated avatar keeps
moving as it bounces.

Debian packages needed: python3-pil
Run: /usr/bin/python3 tools/art/winners.py [avatar folder] [output folder]
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageSequence

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import palette as P  # noqa: E402
from animations import star_points  # noqa: E402
from gifs import save_gif, shrink, supersampled  # noqa: E402

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FRAME = (119, 122)
FRAMES = 12
FRAME_MS = 80
SS = 4
PICTURE_TYPES = (".bmp", ".jpg", ".jpeg", ".png", ".gif")
CONFETTI_COLOURS = (P.CELL_RED, P.CELL_BLUE, P.CELL_GREEN, P.CELL_YELLOW, P.IVORY_LIGHT, P.GLOW)


def avatar_files(folder):
    """The avatar pictures as the avatar chooser finds them: the folder and its sub-folders."""
    found = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        if os.path.relpath(root, folder).count(os.sep) > 0:
            continue  # one level of sub-folders only
        found += [os.path.join(root, f) for f in sorted(files) if os.path.splitext(f)[1].lower() in PICTURE_TYPES]
    return found


def animation_name(path):
    """owl.gif gives "owlgo": the window asks for the avatar's name up to its first dot + "go"."""
    return os.path.basename(path).split(".")[0] + "go"


def avatar_frames(path):
    image = Image.open(path)
    frames = [frame.convert("RGBA") for frame in ImageSequence.Iterator(image)]
    for frame in frames:
        # The skin's transparent colour stays transparent when the avatar is moved about.
        pixels = frame.load()
        for y in range(frame.height):
            for x in range(frame.width):
                if pixels[x, y][:3] == P.TRANSPARENT:
                    pixels[x, y] = (0, 0, 0, 0)
    return frames


def crown(width, height):
    """A small brass crown with three points and a red gem, lit from the upper left."""
    canvas = supersampled((width, height), SS)
    d = ImageDraw.Draw(canvas)
    w, h = width * SS, height * SS
    base = h * 0.62
    points = [(0, h * 0.18), (w * 0.26, base * 0.7), (w * 0.5, 0), (w * 0.74, base * 0.7), (w, h * 0.18),
              (w * 0.9, h - 1), (w * 0.1, h - 1)]
    d.polygon([(x + SS, y + SS) for x, y in points], fill=P.shade(P.BRASS_DARK, 0.6) + (255,))
    d.polygon(points, fill=P.BRASS + (255,))
    d.line(points[:5], fill=P.BRASS_LIGHT + (255,), width=SS)
    d.rectangle((w * 0.1, base, w * 0.9, h - 1), fill=P.BRASS_DARK + (255,))
    d.line(((w * 0.1, base), (w * 0.9, base)), fill=P.BRASS_LIGHT + (255,), width=SS)
    r = h * 0.13
    for cx in (w * 0.3, w * 0.7):
        d.ellipse((cx - r * 0.7, (base + h) / 2 - r * 0.7, cx + r * 0.7, (base + h) / 2 + r * 0.7), fill=P.IVORY_LIGHT + (255,))
    cx, cy = w * 0.5, (base + h) / 2
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=P.CELL_RED + (255,))
    d.ellipse((cx - r * 0.6, cy - r * 0.7, cx - r * 0.1, cy - r * 0.2), fill=(255, 220, 210, 255))
    for px, py in ((0, h * 0.18), (w * 0.5, 0), (w, h * 0.18)):
        d.ellipse((px - 2 * SS, py - 2 * SS, px + 2 * SS, py + 2 * SS), fill=P.GLOW + (255,))
    return shrink(canvas, (width, height))


def sparkle(size, strength):
    canvas = supersampled((size, size), SS)
    c = size * SS / 2
    d = ImageDraw.Draw(canvas)
    d.polygon(star_points(c, c, c * strength, c * 0.18 * strength, points=4, turn=0),
              fill=P.mix(P.GLOW, (255, 255, 255), strength) + (255,))
    return shrink(canvas, (size, size))


def winner_frames(path, seed):
    faces = avatar_frames(path)
    rng = random.Random(seed)
    width, height = FRAME
    # Each piece falls a whole number of frame heights per loop, so the loop has no seam.
    confetti = [(rng.uniform(0, width), rng.uniform(0, height), rng.choice((1, 2)), rng.uniform(0, math.pi),
                 rng.choice(CONFETTI_COLOURS)) for _ in range(26)]
    sparkles = [(rng.randrange(0, width - 11), rng.randrange(20, height - 11), rng.randrange(FRAMES)) for _ in range(5)]
    hat = crown(30, 20)
    frames = []
    for i in range(FRAMES):
        frame = Image.new("RGBA", FRAME, (0, 0, 0, 0))
        face = faces[i % len(faces)]
        # Two bounces a loop, squashed a little where it lands.
        hop = abs(math.sin(2 * math.pi * i / FRAMES))
        squash = 1 - 0.05 * (1 - hop) ** 4
        fw, fh = round(face.width * (2 - squash)), round(face.height * squash)
        face = face.resize((min(fw, width), fh), Image.Resampling.LANCZOS)
        top = height - fh - 1 - round(hop * 7)
        left = (width - face.width) // 2
        frame.alpha_composite(face, (left, top))
        tilt = hat.rotate(-8 * math.sin(2 * math.pi * i / FRAMES + 0.6), resample=Image.Resampling.BICUBIC, expand=False)
        frame.alpha_composite(tilt, ((width - hat.width) // 2 + 3, max(0, top - 9)))
        d = ImageDraw.Draw(frame)
        for x0, y0, speed, spin, colour in confetti:
            y = (y0 + speed * height * i / FRAMES) % height
            x = x0 + 3 * math.sin(spin + 2 * math.pi * i / FRAMES)
            turn = spin + 2 * math.pi * i / FRAMES * speed
            dx, dy = 2.2 * math.cos(turn), 1.3 * math.sin(turn)
            d.polygon([(x - dx, y - dy), (x + dy, y - dx * 0.4), (x + dx, y + dy), (x - dy, y + dx * 0.4)],
                      fill=colour + (255,))
        for x, y, phase in sparkles:
            strength = 0.5 - 0.5 * math.cos(2 * math.pi * ((i + phase) % FRAMES) / FRAMES)
            if strength > 0.15:
                frame.alpha_composite(sparkle(11, strength), (x, y))
        frames.append(frame)
    return frames


def main():
    avatars = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO_ROOT, "data", "GRAFIX", "PLAYERS")
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(REPO_ROOT, "data", "GRAFIX", "classic", "ANIMATIO")
    os.makedirs(out, exist_ok=True)
    files = avatar_files(avatars)
    if not files:
        sys.exit(f"no avatar pictures in {avatars}")
    for n, path in enumerate(files):
        save_gif(os.path.join(out, animation_name(path) + ".gif"), winner_frames(path, n), FRAME_MS)


if __name__ == "__main__":
    main()
