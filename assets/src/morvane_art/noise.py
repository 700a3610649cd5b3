"""Seeded noise and stone textures, built from PIL operations so no pixel loop runs in Python.

A texture's pattern is fixed by its size in design pixels and its seed; at another scale the same
pattern is drawn finer, so a surface looks the same at every scale. `out` is the size in pixels the
texture fills, which can differ by a pixel or two from the design size at that scale when the area
sits between lines.
"""
import random

from PIL import Image, ImageDraw, ImageOps

from .scale import ACTUAL_SIZE

# Grid spacings (design pixels) and weights of the octaves summed into a stone surface:
# broad cloudy patches, then grain, then a little per-pixel grit.
STONE_OCTAVES = ((32, 5), (14, 4), (6, 3), (3, 2), (1, 1))


def value_noise(size, cell, seed, scale, out):
    """Smooth noise in 0..255: random values on a grid `cell` design pixels apart, bicubically interpolated.

    The grit of a one-pixel grid is enlarged too at larger scales; kept one value per pixel, it would
    make the larger renderings a fifth bigger to store for a difference hard to see on dark stone.
    """
    width, height = size
    grid_w, grid_h = width // cell + 4, height // cell + 4
    rng = random.Random(seed)
    grid = Image.frombytes("L", (grid_w, grid_h), rng.randbytes(grid_w * grid_h))
    step = cell * scale.factor
    smooth = grid.resize((round(grid_w * step), round(grid_h * step)), Image.Resampling.BICUBIC)
    # Skip the first cell, where bicubic edges are clamped and look flatter than the middle;
    # a one-pixel grid at 96 dpi is not interpolated at all.
    skip = round(step) if cell > 1 else 0
    out_w, out_h = out
    return smooth.crop((skip, skip, skip + out_w, skip + out_h))


def fractal_noise(size, seed, scale, out, octaves=STONE_OCTAVES):
    """Weighted sum of value-noise octaves, stretched to use the full 0..255 range."""
    total = None
    weight_so_far = 0
    for index, (cell, weight) in enumerate(octaves):
        layer = value_noise(size, cell, seed * 101 + index, scale, out)
        weight_so_far += weight
        total = layer if total is None else Image.blend(total, layer, weight / weight_so_far)
    return ImageOps.autocontrast(total, cutoff=1)


def stone(size, seed, dark, light, pits=0.004, scale=ACTUAL_SIZE, out=None):
    """A stone surface shading from `dark` to `light`, with a sprinkling of small dark pits."""
    out = out or scale.size(size)
    shade = fractal_noise(size, seed, scale, out)
    surface = ImageOps.colorize(shade, black=dark, white=light).convert("RGB")
    _scatter_pits(surface, size, seed, dark, pits, scale)
    return surface


def _scatter_pits(surface, size, seed, dark, density, scale):
    rng = random.Random(seed ^ 0x5EED)
    draw = ImageDraw.Draw(surface)
    width, height = size
    pit = tuple(channel * 3 // 4 for channel in dark)
    for _ in range(int(width * height * density)):
        x, y = scale.at(rng.randrange(width)), scale.at(rng.randrange(height))
        # Some pits are two pixels wide, which reads as wear rather than noise.
        length = 2 if rng.random() < 0.4 else 1
        draw.rectangle((x, y, x + length * scale.line - 1, y + scale.line - 1), fill=pit)


def jointed_stone(size, seed, dark, light, block=(26, 48), scale=ACTUAL_SIZE, out=None):
    """Stone laid as blocks: `stone` with vertical joints at seeded intervals, each with a lit edge."""
    surface = stone(size, seed, dark, light, scale=scale, out=out)
    draw = ImageDraw.Draw(surface)
    width, line = size[0], scale.line
    rng = random.Random(seed + 7)
    joint = tuple(channel // 2 for channel in dark)
    lit = tuple(min(255, channel + 28) for channel in light)
    x = rng.randrange(*block) // 2
    while x < width - 8:
        draw.rectangle((scale.at(x), 0, scale.at(x) + line - 1, surface.height - 1), fill=joint)
        draw.rectangle((scale.at(x) + line, 0, scale.at(x) + 2 * line - 1, surface.height - 1), fill=lit)
        x += rng.randrange(*block)
    return surface
