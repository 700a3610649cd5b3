"""Flat-pixel building blocks shared by the panel and the buttons: bevels, frames and gradients."""
from PIL import Image, ImageOps


def bevel(draw, box, light, dark, width=1):
    """Lit top and left edges, shaded bottom and right: a raised box (swap the colours for a sunken one)."""
    left, top, right, bottom = box
    for step in range(width):
        draw.line((left + step, bottom - step, left + step, top + step, right - step, top + step), fill=light)
        draw.line((left + step + 1, bottom - step, right - step, bottom - step, right - step, top + step + 1),
                  fill=dark)


def stud(draw, top_left, light, shade):
    """A 3 x 3 rivet head: a lit 2 x 2 cap with a shadow below and to the right."""
    x, y = top_left
    draw.rectangle((x, y, x + 1, y + 1), fill=light)
    draw.line((x + 2, y + 1, x + 2, y + 2, x + 1, y + 2), fill=shade)


def vertical_gradient(size, top, bottom):
    """An RGB image shading from colour `top` on its first row to `bottom` on its last."""
    width, height = size
    ramp = Image.linear_gradient("L").resize((1, height), Image.Resampling.BILINEAR)
    return ImageOps.colorize(ramp, black=top, white=bottom).resize((width, height))
