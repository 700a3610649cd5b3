"""The three picture buttons along the bottom of the main window: riveted olive-brown stone plates."""
from PIL import ImageDraw

from . import noise, text
from .scale import ACTUAL_SIZE
from .shapes import bevel, inset, stud

HEIGHT = 22
# Word, width in pixels and texture seed of each plate, left to right as they sit on the window.
BUTTONS = (("Help", 74, 61), ("Exit", 76, 62), ("About", 73, 63))

STONE_DARK, STONE_LIGHT = (86, 70, 38), (132, 112, 66)
BORDER = (46, 32, 14)
INNER_LIGHT, INNER_SHADE = (158, 138, 88), (70, 56, 28)
RIVET_LIGHT, RIVET_SHADE = (236, 226, 190), (44, 30, 12)
LETTERS, LETTER_SHADOW = (248, 238, 200), (40, 28, 10)


def render_button(word, width, seed, scale=ACTUAL_SIZE):
    plate = noise.stone((width, HEIGHT), seed, STONE_DARK, STONE_LIGHT, pits=0, scale=scale)
    draw = ImageDraw.Draw(plate)
    line = scale.line
    outer = (0, 0, plate.width - 1, plate.height - 1)
    draw.rectangle(outer, outline=BORDER, width=line)
    bevel(draw, inset(outer, line), INNER_LIGHT, INNER_SHADE, width=line)
    # Each rivet, shadow included, sits as far from its own corner as the others.
    cap, margin = scale.at(2), scale.at(3)
    far = margin + cap + line - 1
    for x in (margin, outer[2] - far):
        for y in (margin, outer[3] - far):
            stud(draw, (x, y), cap, RIVET_LIGHT, RIVET_SHADE, drop=line)
    text.draw_centred(draw, outer, word, text.font(scale.at(11), bold=True), LETTERS, LETTER_SHADOW, drop=line)
    return plate


def render_buttons(scale=ACTUAL_SIZE):
    """Each plate keyed by its word, lower-cased as in its file name."""
    return {word.lower(): render_button(word, width, seed, scale) for word, width, seed in BUTTONS}
