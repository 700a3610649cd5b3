"""Flat-pixel building blocks shared by the panel and the buttons: bands, bevels, studs and gradients.

Boxes are inclusive and in the pixels of the picture being drawn; widths are whole pixels.
"""
from PIL import Image, ImageOps


def inset(box, by):
    left, top, right, bottom = box
    return left + by, top + by, right - by, bottom - by


def edges(draw, box, sides, colour, width=1):
    """Bands `width` pixels thick just inside the named sides ("left", "top", "right", "bottom") of the box."""
    left, top, right, bottom = box
    bands = {"left": (left, top, left + width - 1, bottom), "top": (left, top, right, top + width - 1),
             "right": (right - width + 1, top, right, bottom), "bottom": (left, bottom - width + 1, right, bottom)}
    for side in sides:
        draw.rectangle(bands[side], fill=colour)


def bevel(draw, box, light, dark, width=1):
    """Lit top and left edges, shaded bottom and right: a raised box (swap the colours for a sunken one)."""
    left, top, right, bottom = box
    for step in range(width):
        draw.line((left + step, bottom - step, left + step, top + step, right - step, top + step), fill=light)
        draw.line((left + step + 1, bottom - step, right - step, bottom - step, right - step, top + step + 1),
                  fill=dark)


def stud(draw, top_left, cap, light, shade, drop=1):
    """A rivet head: a lit `cap` x `cap` square over its shadow, cast `drop` pixels down and to the right."""
    x, y = top_left
    draw.rectangle((x + drop, y + drop, x + drop + cap - 1, y + drop + cap - 1), fill=shade)
    draw.rectangle((x, y, x + cap - 1, y + cap - 1), fill=light)


def vertical_gradient(size, top, bottom):
    """An RGB image shading from colour `top` on its first row to `bottom` on its last."""
    width, height = size
    ramp = Image.linear_gradient("L").resize((1, height), Image.Resampling.BILINEAR)
    return ImageOps.colorize(ramp, black=top, white=bottom).resize((width, height))
