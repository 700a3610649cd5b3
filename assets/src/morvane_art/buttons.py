"""The three picture buttons along the bottom of the main window: riveted olive-brown stone plates."""
from PIL import ImageDraw

from . import noise, text
from .shapes import bevel, stud

HEIGHT = 22
# Word, width in pixels and texture seed of each plate, left to right as they sit on the window.
BUTTONS = (("Help", 74, 61), ("Exit", 76, 62), ("About", 73, 63))

STONE_DARK, STONE_LIGHT = (86, 70, 38), (132, 112, 66)
BORDER = (46, 32, 14)
INNER_LIGHT, INNER_SHADE = (158, 138, 88), (70, 56, 28)
RIVET_LIGHT, RIVET_SHADE = (236, 226, 190), (44, 30, 12)
LETTERS, LETTER_SHADOW = (248, 238, 200), (40, 28, 10)


def render_button(word, width, seed):
    plate = noise.stone((width, HEIGHT), seed, STONE_DARK, STONE_LIGHT, pits=0)
    draw = ImageDraw.Draw(plate)
    right, bottom = width - 1, HEIGHT - 1
    draw.rectangle((0, 0, right, bottom), outline=BORDER)
    bevel(draw, (1, 1, right - 1, bottom - 1), INNER_LIGHT, INNER_SHADE)
    for x in (3, right - 5):
        for y in (3, bottom - 5):
            stud(draw, (x, y), RIVET_LIGHT, RIVET_SHADE)
    text.draw_centred(draw, (0, 0, right, bottom), word, text.font(11, bold=True), LETTERS, LETTER_SHADOW)
    return plate


def render_buttons():
    """Each plate keyed by its word, lower-cased as in its file name."""
    return {word.lower(): render_button(word, width, seed) for word, width, seed in BUTTONS}
