"""The badge the taskbar shows over the program's button while a countdown has run out: a white bell
on a red disc with a dark rim, drawn for the small-icon size of each scale (16 pixels at 96 dpi).

Coordinates are in a 16 x 16 design square; each size is drawn oversampled and reduced, so the
outlines are anti-aliased at the final size.
"""
import math

from PIL import Image, ImageDraw

DESIGN_SIZE = 16
OVERSAMPLE = 16

DISC = (212, 38, 32)  # flat: shades would add colours, and bytes, that show at no size it is drawn
RIM = (96, 6, 6)
BELL = (255, 255, 255)
# How far the rim and the bell's outline reach inside their shapes, in design pixels.
RIM_WIDTH = 0.9


def _bell_outline(steps=24):
    """The bell's body: a round crown over sides that flare ever wider into the lip, as a closed polygon."""
    crown = [(8 + 2.9 * math.cos(t), 6.2 - 2.9 * math.sin(t))
             for t in (math.pi / 2 * (1 - i / steps) for i in range(steps + 1))]
    flare = [(8 + 2.9 + 1.8 * (i / steps) ** 2, 6.2 + 4.2 * i / steps) for i in range(1, steps + 1)]
    right = crown + flare + [(12.9, 10.8), (12.5, 11.3)]
    left = [(16 - x, y) for x, y in reversed(right)]
    return right + left


def render_badge(size):
    """The badge as an RGBA picture of `size` x `size` pixels."""
    big = size * OVERSAMPLE
    scale = big / DESIGN_SIZE
    at = lambda points: [(x * scale, y * scale) for x, y in points]  # noqa: E731
    disc = Image.new("L", (big, big), 0)
    ImageDraw.Draw(disc).ellipse((0, 0, big - 1, big - 1), fill=255)
    inner = Image.new("L", (big, big), 0)
    rim = round(RIM_WIDTH * scale)
    ImageDraw.Draw(inner).ellipse((rim, rim, big - 1 - rim, big - 1 - rim), fill=255)

    canvas = Image.new("RGBA", (big, big), RIM + (0,))
    canvas.paste(RIM, (0, 0), disc)
    canvas.paste(DISC, (0, 0), inner)
    pen = ImageDraw.Draw(canvas)
    pen.polygon(at(_bell_outline()), fill=BELL)
    pen.ellipse(at([(7.0, 2.2), (9.0, 4.2)]), fill=BELL)  # the loop it hangs by
    pen.ellipse(at([(6.5, 10.2), (9.5, 13.2)]), fill=BELL)  # the clapper, below the lip
    canvas.putalpha(disc)
    return canvas.resize((size, size), Image.Resampling.LANCZOS)
