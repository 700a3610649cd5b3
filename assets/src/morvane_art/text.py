"""Small, crisp lettering: DejaVu Sans drawn at 1x with its hinting, placed by its ink, not its em box."""
from functools import lru_cache

from PIL import ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


@lru_cache(maxsize=None)
def font(size, bold=False):
    name = "DejaVuSans-Bold" if bold else "DejaVuSans"
    return ImageFont.truetype(FONT_DIR + name + ".ttf", size)


def ink_box(text, face):
    """The box the letters actually cover, relative to the drawing origin."""
    return face.getbbox(text, anchor="ls")


def centred_origin(text, face, box):
    """Baseline origin that centres the text's ink in the inclusive box; capitals decide the height so
    words with and without descenders sit on the same line."""
    left, top, right, bottom = box
    ink_left, _, ink_right, _ = ink_box(text, face)
    _, cap_top, _, cap_bottom = ink_box("H", face)
    x = left + (right - left + 1 - (ink_right - ink_left)) // 2 - ink_left
    y = top + (bottom - top + 1 - (cap_bottom - cap_top)) // 2 - cap_top
    return x, y


def draw_text(draw, origin, text, face, fill, shadow=None, drop=1):
    """Text with its baseline at origin; an optional shadow `drop` pixels down and right keeps it readable on stone."""
    x, y = origin
    if shadow is not None:
        draw.text((x + drop, y + drop), text, font=face, fill=shadow, anchor="ls")
    draw.text((x, y), text, font=face, fill=fill, anchor="ls")


def draw_centred(draw, box, text, face, fill, shadow=None, drop=1):
    draw_text(draw, centred_origin(text, face, box), text, face, fill, shadow, drop)
