"""Writing the skin's animations: RGBA frames in, one GIF out.

The game draws an animation over whatever lies behind it, so everything outside the drawn shape
must be transparent. A GIF knows only whole transparency: pixels are either drawn or not, and the
transparent palette entry is pure magenta, the skin's transparent colour, so a reader that ignores
GIF transparency still sees the usual magenta.
"""

from PIL import Image

from palette import TRANSPARENT

# Below this alpha a pixel is left out; above it, it is drawn over the matte.
ALPHA_CUT = 110
TRANSPARENT_INDEX = 255


def flatten(frame, matte):
    """The frame's drawn pixels over the matte colour, and the mask of those pixels."""
    frame = frame.convert("RGBA")
    alpha = frame.getchannel("A")
    opaque = Image.new("RGB", frame.size, matte)
    opaque.paste(frame.convert("RGB"), (0, 0), alpha)
    mask = alpha.point(lambda a: 255 if a >= ALPHA_CUT else 0)
    return opaque, mask


def save_gif(path, frames, durations, loop=True, matte=(40, 30, 24)):
    """Writes the frames with one shared palette (so every frame has the same transparent index).

    durations: one per frame in milliseconds, or a single number for all. Without loop the GIF has
    no looping block and plays once, as the save window's and the game-over window's one-shot
    animations must.
    """
    flat = [flatten(f, matte) for f in frames]
    width, height = flat[0][0].size
    # One palette for all frames: quantise the frames side by side to 255 colours.
    strip = Image.new("RGB", (width * len(flat), height), matte)
    for i, (opaque, _) in enumerate(flat):
        strip.paste(opaque, (i * width, 0))
    palette_image = strip.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    colours = palette_image.getpalette()[: 255 * 3]
    colours += [0, 0, 0] * (255 - len(colours) // 3)
    colours += list(TRANSPARENT)
    palette_image.putpalette(colours)

    indexed = []
    for opaque, mask in flat:
        frame = opaque.quantize(palette=palette_image, dither=Image.Dither.NONE)
        frame.paste(TRANSPARENT_INDEX, (0, 0, width, height), mask.point(lambda a: 255 - a))
        frame.putpalette(colours)
        indexed.append(frame)

    if isinstance(durations, (int, float)):
        durations = [durations] * len(indexed)
    options = dict(save_all=True, append_images=indexed[1:], duration=list(durations),
                   transparency=TRANSPARENT_INDEX, disposal=2, optimize=False)
    if loop:
        options["loop"] = 0
    indexed[0].save(path, "GIF", **options)


def supersampled(size, factor=4):
    """A transparent RGBA canvas factor times the size, to draw smooth edges and then shrink."""
    return Image.new("RGBA", (size[0] * factor, size[1] * factor), (0, 0, 0, 0))


def shrink(canvas, size):
    return canvas.resize(size, Image.Resampling.LANCZOS)
