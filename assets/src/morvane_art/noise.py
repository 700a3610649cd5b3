"""Seeded noise and stone textures, built from PIL operations so no pixel loop runs in Python."""
import random

from PIL import Image, ImageDraw, ImageOps

# Grid spacings (pixels) and weights of the octaves summed into a stone surface:
# broad cloudy patches, then grain, then a little per-pixel grit.
STONE_OCTAVES = ((32, 5), (14, 4), (6, 3), (3, 2), (1, 1))


def value_noise(size, cell, seed):
    """Smooth noise in 0..255: random values on a grid `cell` pixels apart, bicubically interpolated."""
    width, height = size
    grid_w, grid_h = width // cell + 4, height // cell + 4
    rng = random.Random(seed)
    grid = Image.frombytes("L", (grid_w, grid_h), rng.randbytes(grid_w * grid_h))
    if cell == 1:
        return grid.crop((0, 0, width, height))
    smooth = grid.resize((grid_w * cell, grid_h * cell), Image.Resampling.BICUBIC)
    # Skip the first cell: bicubic edges are clamped and look flatter than the middle.
    return smooth.crop((cell, cell, cell + width, cell + height))


def fractal_noise(size, seed, octaves=STONE_OCTAVES):
    """Weighted sum of value-noise octaves, stretched to use the full 0..255 range."""
    total = None
    weight_so_far = 0
    for index, (cell, weight) in enumerate(octaves):
        layer = value_noise(size, cell, seed * 101 + index)
        weight_so_far += weight
        total = layer if total is None else Image.blend(total, layer, weight / weight_so_far)
    return ImageOps.autocontrast(total, cutoff=1)


def stone(size, seed, dark, light, pits=0.004):
    """A stone surface shading from `dark` to `light`, with a sprinkling of small dark pits."""
    shade = fractal_noise(size, seed)
    surface = ImageOps.colorize(shade, black=dark, white=light).convert("RGB")
    _scatter_pits(surface, seed, dark, pits)
    return surface


def _scatter_pits(surface, seed, dark, density):
    rng = random.Random(seed ^ 0x5EED)
    draw = ImageDraw.Draw(surface)
    width, height = surface.size
    pit = tuple(channel * 3 // 4 for channel in dark)
    for _ in range(int(width * height * density)):
        x, y = rng.randrange(width), rng.randrange(height)
        draw.point((x, y), fill=pit)
        if rng.random() < 0.4:  # some pits are two pixels, which reads as wear rather than noise
            draw.point((x + 1, y), fill=pit)


def jointed_stone(size, seed, dark, light, block=(26, 48)):
    """Stone laid as blocks: `stone` with vertical joints at seeded intervals, each with a lit edge."""
    surface = stone(size, seed, dark, light)
    draw = ImageDraw.Draw(surface)
    width, height = size
    rng = random.Random(seed + 7)
    joint = tuple(channel // 2 for channel in dark)
    lit = tuple(min(255, channel + 28) for channel in light)
    x = rng.randrange(*block) // 2
    while x < width - 8:
        draw.line((x, 0, x, height - 1), fill=joint)
        draw.line((x + 1, 0, x + 1, height - 1), fill=lit)
        x += rng.randrange(*block)
    return surface
