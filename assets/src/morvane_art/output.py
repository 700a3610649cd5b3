"""Writing the pictures in the exact forms the program loads: PNG for the background and the buttons at every
scale, a 24-bit icon, and an icon of PNG images for the small badge."""
import subprocess
import tempfile
from pathlib import Path

from PIL import Image, ImageDraw

# The program draws the background with magenta as its transparent colour.
TRANSPARENT_KEY = (255, 0, 255)
KEY_INDEX = 255
# Colours kept for each small detail area (see keyed_palette_image).
DETAIL_SHARE = 56


def keyed_palette_image(picture, detail_boxes=(), key_width=1):
    """`picture` in 256 colours whose leftmost `key_width` columns are the transparent key and nothing else is.

    The picture keeps 255 colours chosen for it, without dithering so lettering stays clean; the last
    palette entry is reserved for the key, so no other pixel can become transparent by accident.
    Each of `detail_boxes` gets its own share of the colours: a small, colourful area such as the
    portrait would otherwise lose its hues to the large grey surfaces around it.
    """
    picture = picture.convert("RGB")
    shares = [(box, DETAIL_SHARE) for box in detail_boxes]
    colours = _median_cut(picture, KEY_INDEX - DETAIL_SHARE * len(shares))
    for box, share in shares:
        colours += _median_cut(picture.crop((box[0], box[1], box[2] + 1, box[3] + 1)), share)
    if TRANSPARENT_KEY in colours:
        raise ValueError("the picture itself contains the transparent key colour")
    colours += [(0, 0, 0)] * (KEY_INDEX - len(colours)) + [TRANSPARENT_KEY]
    palette = Image.new("P", (1, 1))
    palette.putpalette([channel for colour in colours for channel in colour])
    body = picture.quantize(palette=palette, dither=Image.Dither.NONE)
    ImageDraw.Draw(body).rectangle((0, 0, key_width - 1, body.height - 1), fill=KEY_INDEX)
    return body


def _median_cut(picture, count):
    """Up to `count` representative colours of `picture`."""
    reduced = picture.quantize(colors=count, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    flat = reduced.getpalette()[:count * 3]
    used = sorted({index for _, index in reduced.getcolors(count)})
    return [tuple(flat[i * 3:i * 3 + 3]) for i in used]


def save_keyed_png(picture, path, detail_boxes=(), key_width=1):
    _save_png(keyed_palette_image(picture, detail_boxes, key_width), path)


def save_rgb_png(picture, path):
    """Exactly the picture's colours: as a palette if it has few enough, which packs much smaller."""
    picture = picture.convert("RGB")
    colours = picture.getcolors(256)
    if colours is not None:
        # Indexed by hand: PIL's quantize to a given palette matches colours only approximately.
        palette = sorted(colour for _, colour in colours)
        index = {colour: position for position, colour in enumerate(palette)}
        indexed = Image.new("P", picture.size)
        indexed.putpalette([channel for colour in palette for channel in colour])
        indexed.putdata([index[colour] for colour in picture.getdata()])
        picture = indexed
    _save_png(picture, path)


def _save_png(picture, path):
    """Packed by zopflipng, which stores the same pixels about an eighth smaller than zlib at its best."""
    with tempfile.TemporaryDirectory() as folder:
        plain, packed = Path(folder) / "plain.png", Path(folder) / "packed.png"
        picture.save(plain, format="PNG")
        subprocess.run(["zopflipng", "-y", str(plain), str(packed)], check=True, stdout=subprocess.DEVNULL)
        Path(path).write_bytes(packed.read_bytes())


def save_opaque_icon(picture, path):
    """A single-image icon of 24-bit colour. icotool writes 24-bit entries (ImageMagick would write 32)."""
    with tempfile.TemporaryDirectory() as folder:
        png = Path(folder) / "icon.png"
        picture.convert("RGB").save(png, format="PNG")
        subprocess.run(["icotool", "--create", "--bit-depth=24", "--output", str(path), str(png)], check=True)


def save_png_icon(pictures, path):
    """An icon of one image per picture, each stored as a packed PNG with its alpha: about a fifth of
    the bytes of the same images as 32-bit bitmaps. Windows reads PNG images in icons from Vista on.
    Each stays 32-bit RGBA: where zopflipng would make a palette of it (it does so for a large image
    of few colours), PIL packs it instead."""
    with tempfile.TemporaryDirectory() as folder:
        pngs = []
        for picture in pictures:
            png = Path(folder) / f"{picture.width}.png"
            _save_png(picture.convert("RGBA"), png)
            with Image.open(png) as packed:
                kept = packed.mode == "RGBA"
            if not kept:
                picture.convert("RGBA").save(png, format="PNG", optimize=True)
            pngs += ["--raw", str(png)]
        subprocess.run(["icotool", "--create", "--output", str(path)] + pngs, check=True)
