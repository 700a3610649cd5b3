"""Checks on the committed artwork and sound files: the forms the program loads and the layout it draws over.

Run from the repository root:  python3 -m unittest discover -s assets/src/tests
The pictures are PNG files at every scale; the checks on them need PIL, which the system Python has.
"""
import io
import math
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import wave
from pathlib import Path

try:
    from PIL import Image
except ImportError:
    Image = None

ROOT = Path(__file__).resolve().parents[3]
ASSETS = ROOT / "assets"
SCALED = ASSETS / "scaled"
MAGENTA = (255, 0, 255)
SLOT_LINES = range(107, 339, 33)
# Each picture, its resource id's name and its size at 96 dpi.
PICTURES = {"background": ("IDB_BACKGROUND", (388, 408)), "help": ("IDB_HELP_PICTURE", (74, 22)),
            "exit": ("IDB_EXIT_PICTURE", (76, 22)), "about": ("IDB_ABOUT_PICTURE", (73, 22))}
BUTTONS = ("help", "exit", "about")
# What the program lays over the background, in twips: the tops of the seven rows; each row's boxes
# as left, width, height, and the cell they sit in (0 left, 1 right); the two column captions; the
# three picture buttons' lefts and their top.
ROW_TOPS = (1730, 2220, 2720, 3200, 3700, 4200, 4680)
ROW_BOXES = ((840, 2055, 285, 0), (3240, 855, 285, 1), (4200, 615, 285, 1), (4920, 615, 255, 1))
CAPTIONS = ((3360, 1530, 375, 255), (4320, 1530, 375, 255))
PICTURE_BUTTON_LEFTS, PICTURE_BUTTON_TOP = (960, 2400, 3840), 5640


def scaled(length, percent):
    """A length in 96-dpi pixels at `percent` of 96 dpi, rounded half up as the renderings are made."""
    return (length * percent + 50) // 100


def twips_to_pixels(twips, percent):
    """round(twips x dpi / 1440), half up, at dpi = 96 x percent / 100."""
    return (twips * percent + 750) // 1500


def laid_span(start, length, percent):
    """First and last pixel of a control laid from `start` over `length` twips. The far edge is taken
    the farther of rounding the length or the far edge itself, so either way of laying it passes."""
    first = twips_to_pixels(start, percent)
    end = max(first + twips_to_pixels(length, percent), twips_to_pixels(start + length, percent))
    return first, end - 1


def rendered_percents():
    """The scales each picture is rendered at, 100 % among them, read from the files' names."""
    return sorted({int(path.stem.split("@")[1]) for path in SCALED.glob("*@*.png")})


def rendering(picture, percent):
    """A picture as the program stores it at a scale."""
    if Image is None:
        raise unittest.SkipTest("the renderings need PIL to decode them")
    return Png(SCALED / f"{picture}@{percent}.png")


class Png:
    """A PNG decoded by PIL."""

    def __init__(self, path):
        with Image.open(path) as picture:
            self._picture = picture.convert("RGB")
        self.width, self.height = self._picture.size
        self.pixel = lambda x, y: self._picture.getpixel((x, y))

    def pixels(self, box):
        left, top, right, bottom = box
        return list(self._picture.crop((left, top, right + 1, bottom + 1)).getdata())

    def colours(self, box):
        left, top, right, bottom = box
        return {colour for _, colour in self._picture.crop((left, top, right + 1, bottom + 1)).getcolors(1 << 24)}


def runs(values, wanted):
    """(first, last) index of each run of consecutive values equal to `wanted`."""
    found = []
    for index, value in enumerate(values):
        if value != wanted:
            continue
        if found and found[-1][1] == index - 1:
            found[-1] = (found[-1][0], index)
        else:
            found.append((index, index))
    return found


class DrawnSlots:
    """The slot lines and cell dividers as a background rendering draws them, found by the slot line's colour."""

    def __init__(self, picture, percent):
        self.picture, self.percent = picture, percent
        self.line_colour = picture.pixel(scaled(120, percent), scaled(SLOT_LINES[0], percent))
        # The first slot line's columns: from the inner frame's left line to its right one.
        across = runs([picture.pixel(x, scaled(SLOT_LINES[0], percent)) for x in range(picture.width)],
                      self.line_colour)
        self.span = next(run for run in across if run[0] <= scaled(120, percent) <= run[1])

    def lines_down(self, x):
        """The runs of slot-line rows down design column x, from the top to below the last slot."""
        p = self.picture
        return runs([p.pixel(scaled(x, self.percent), y) for y in range(scaled(346, self.percent))], self.line_colour)

    def dividers(self, slot):
        """The runs of slot-line colour across the middle of the slot, within the slot lines' span."""
        y = (scaled(SLOT_LINES[slot], self.percent) + scaled(SLOT_LINES[slot + 1], self.percent)) // 2
        first, last = self.span
        return [(start + first, end + first) for start, end in
                runs([self.picture.pixel(x, y) for x in range(first, last + 1)], self.line_colour)]

    def cells(self, slot):
        """The slot's left and right cell, (left, top, right, bottom): below its slot line and the line of
        shade under that, above the next slot line; between the dividers, and up to the inner frame."""
        lines = self.lines_down(120)
        top, bottom = lines[slot][1] + scaled(1, self.percent) + 1, lines[slot + 1][0] - 1
        (_, first_end), (second_start, second_end) = self.dividers(slot)
        return ((first_end + 1, top, second_start - 1, bottom), (second_end + 1, top, self.span[1], bottom))


class BackgroundTest(unittest.TestCase):
    def test_only_the_band_that_column_0_covers_is_the_transparent_key(self):
        for percent in rendered_percents():
            with self.subTest(percent=percent):
                p = rendering("background", percent)
                self.assertEqual((p.width, p.height), (scaled(388, percent), scaled(408, percent)))
                band = scaled(1, percent)
                self.assertEqual(p.colours((0, 0, band - 1, p.height - 1)), {MAGENTA})
                self.assertNotIn(MAGENTA, p.colours((band, 0, p.width - 1, p.height - 1)))

    def test_slot_lines_and_cell_dividers_lie_where_the_design_puts_them_one_line_wide(self):
        for percent in rendered_percents():
            with self.subTest(percent=percent):
                slots = DrawnSlots(rendering("background", percent), percent)
                width = scaled(1, percent)
                placed = lambda x: (scaled(x, percent), scaled(x, percent) + width - 1)  # noqa: E731
                for x in (30, 120, 300, 372):
                    self.assertEqual(slots.lines_down(x), [placed(y) for y in SLOT_LINES], f"column {x}")
                for slot in range(len(ROW_TOPS)):
                    self.assertEqual(slots.dividers(slot), [placed(47), placed(203)], f"slot {slot + 1}")

    def test_each_rows_boxes_lie_inside_their_cells(self):
        for percent in rendered_percents():
            with self.subTest(percent=percent):
                slots = DrawnSlots(rendering("background", percent), percent)
                for slot, row_top in enumerate(ROW_TOPS):
                    cells = slots.cells(slot)
                    for left, width, height, cell in ROW_BOXES:
                        with self.subTest(row=slot + 1, box_left=left):
                            cell_left, cell_top, cell_right, cell_bottom = cells[cell]
                            first, last = laid_span(left, width, percent)
                            top, bottom = laid_span(row_top, height, percent)
                            self.assertTrue(cell_left <= first and last <= cell_right, (first, last, cells[cell]))
                            self.assertTrue(cell_top <= top and bottom <= cell_bottom, (top, bottom, cells[cell]))

    def test_areas_the_program_draws_over_stay_plain(self):
        for percent in rendered_percents():
            with self.subTest(percent=percent):
                p = rendering("background", percent)
                for left, top, width, _ in CAPTIONS:
                    # The captions' upper part, above the first slot line; the time and gold boxes cover the rest.
                    first, last = laid_span(left, width, percent)
                    top = twips_to_pixels(top, percent)
                    under_caption = p.colours((first, top, last, scaled(SLOT_LINES[0], percent) - 1))
                    self.assertLess(max(max(colour) for colour in under_caption), 64)
                top = twips_to_pixels(PICTURE_BUTTON_TOP, percent)
                for left, name in zip(PICTURE_BUTTON_LEFTS, BUTTONS):
                    width, height = (scaled(length, percent) for length in PICTURES[name][1])
                    left = twips_to_pixels(left, percent)
                    self.assertEqual(p.colours((left, top, left + width - 1, top + height - 1)), {(0, 0, 0)}, name)


def brightness(colour):
    return sum(colour) / 3


def mean_brightness(colours):
    return sum(map(brightness, colours)) / len(colours)


class ButtonPicturesTest(unittest.TestCase):
    def test_each_is_an_opaque_picture_of_its_control_size_with_a_lettered_face(self):
        for percent in rendered_percents():
            for name in BUTTONS:
                with self.subTest(name, percent=percent):
                    p = rendering(name, percent)
                    width, height = (scaled(length, percent) for length in PICTURES[name][1])
                    self.assertEqual((p.width, p.height), (width, height))
                    self.assertNotIn(MAGENTA, p.colours((0, 0, width - 1, height - 1)))
                    border = p.pixels((0, 0, width - 1, 0)) + p.pixels((0, height - 1, width - 1, height - 1))
                    margin = scaled(8, percent)
                    face = p.pixels((margin, scaled(6, percent), width - 1 - margin, scaled(16, percent) - 1))
                    self.assertLess(mean_brightness(border), mean_brightness(face),
                                    "the border is darker than the face")
                    letters = [colour for colour in face if brightness(colour) > 200]
                    self.assertGreater(len(letters), 20, "the word is missing or too faint")


class RenderingsTest(unittest.TestCase):
    def test_every_picture_is_rendered_at_the_same_scales_and_at_least_100_125_150_200_250_and_300_percent(self):
        percents = rendered_percents()
        self.assertLessEqual({100, 125, 150, 200, 250, 300}, set(percents))
        expected = {f"{picture}@{percent}.png" for picture in PICTURES for percent in percents}
        self.assertEqual({path.name for path in SCALED.iterdir()}, expected)

    def test_each_is_a_png_of_a_form_the_program_reads_itself(self):
        """8 bits a sample, a palette (3) or red-green-blue (2), not interlaced: the program reads
        these without the Windows Imaging Component, and shows no other. The background is a palette at
        every scale: the program keeps it as one, a byte a pixel, with the key replaced in its colours."""
        for path in sorted(SCALED.glob("*.png")):
            with self.subTest(path.name):
                width, height, depth, colour, compression, filtering, interlace = struct.unpack(
                    ">IIBBBBB", path.read_bytes()[16:29])
                self.assertEqual((depth, compression, filtering, interlace), (8, 0, 0, 0))
                self.assertIn(colour, (3,) if path.name.startswith("background@") else (2, 3))

    def test_the_resource_script_links_each_rendering_by_its_bitmap_id_and_scale(self):
        ids = dict(re.findall(r"#define (IDB_\w+) (\d+)", (ASSETS / "resource_ids.h").read_text()))
        linked = re.findall(r'^(PNG_\w+) RCDATA "([^"]+)"$', (ASSETS / "artwork.rc").read_text(), re.MULTILINE)
        expected = [(f"PNG_{ids[id_name]}_{percent}", f"assets/scaled/{picture}@{percent}.png")
                    for picture, (id_name, _) in PICTURES.items() for percent in rendered_percents()]
        self.assertEqual(sorted(linked), sorted(expected))


class IconTest(unittest.TestCase):
    def test_holds_one_opaque_200_pixel_24_bit_image(self):
        data = (ASSETS / "morvane.ico").read_bytes()
        self.assertEqual(struct.unpack_from("<HHH", data, 0), (0, 1, 1))
        width, height, colours, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
        self.assertEqual((width, height, colours, bits), (200, 200, 0, 24))
        header_size, dib_width, dib_height, _, dib_bits = struct.unpack_from("<IiiHH", data, offset)
        # The image and its transparency mask are stacked, so the stored height is doubled.
        self.assertEqual((header_size, dib_width, dib_height, dib_bits), (40, 200, 400, 24))
        colour_bytes = 200 * 200 * 3
        mask = data[offset + header_size + colour_bytes:offset + size]
        self.assertEqual(len(mask), (200 + 31) // 32 * 4 * 200)
        self.assertEqual(set(mask), {0}, "every pixel must be opaque")


class BadgeTest(unittest.TestCase):
    @unittest.skipUnless(Image is not None, "needs PIL to decode the images")
    def test_is_a_white_bell_on_a_red_disc_at_a_small_icons_size_for_each_scale_stored_small(self):
        data = (ASSETS / "time_is_up.ico").read_bytes()
        self.assertLess(len(data), 10_000, "the program must stay within 1 MiB")
        widths = []
        for index in range(struct.unpack_from("<H", data, 4)[0]):
            width, _, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
            widths.append(width)
            with self.subTest(width=width), Image.open(io.BytesIO(data[offset:offset + size])) as png:
                self.assertEqual((png.format, png.mode, png.size, bits), ("PNG", "RGBA", (width, width), 32))
                self.assertEqual({png.getpixel((x, y))[3] for x in (0, width - 1) for y in (0, width - 1)}, {0})
                inside = list(png.crop((width // 4, width // 4, width - width // 4, width - width // 4)).getdata())
                self.assertEqual({alpha for *_, alpha in inside}, {255})
                self.assertGreater(sum(min(colour[:3]) > 220 for colour in inside), len(inside) // 4, "the bell")
                self.assertGreater(sum(r > 150 and max(g, b) < 80 for r, g, b, _ in inside), len(inside) // 10)
        self.assertEqual(widths, [scaled(16, percent) for percent in rendered_percents()])


class SoundCuesTest(unittest.TestCase):
    # name, shortest and longest length in seconds, quietest and loudest peak in dBFS
    CASES = (("Clock.wav", 0.3, 0.6, -12, -3), ("Alarm.wav", 1.8, 2.2, -3.5, -2.5))

    def test_each_is_a_short_clean_mono_16_bit_cue(self):
        for name, shortest, longest, quietest, loudest in self.CASES:
            with self.subTest(name):
                path = ASSETS / "sounds" / name
                self.assertLess(path.stat().st_size, 100_000)
                with wave.open(str(path)) as cue:
                    self.assertEqual((cue.getnchannels(), cue.getsampwidth(), cue.getframerate()), (1, 2, 22050))
                    count = cue.getnframes()
                    samples = struct.unpack(f"<{count}h", cue.readframes(count))
                self.assertTrue(shortest <= count / 22050 <= longest, f"{count / 22050:.2f} s")
                peak = max(map(abs, samples))
                self.assertTrue(quietest <= 20 * math.log10(peak / 32768) <= loudest, f"peak {peak}")
                self.assertLess(peak, 32767, "clipped")
                # Both ends start and stop at silence, or the player clicks.
                self.assertLessEqual(max(map(abs, samples[:4] + samples[-4:])), 64)


def _has_artwork_tools():
    return Image is not None and shutil.which("icotool") is not None and shutil.which("zopflipng") is not None


class RegenerationTest(unittest.TestCase):
    """The committed files are exactly what the scripts make: nobody edited one by hand or forgot to re-run."""

    def _assert_script_reproduces(self, script, committed, names):
        with tempfile.TemporaryDirectory() as folder:
            subprocess.run([sys.executable, str(ROOT / "tools" / script), folder], check=True)
            for name in names:
                with self.subTest(name):
                    self.assertEqual((Path(folder) / name).read_bytes(), (committed / name).read_bytes())

    def test_sound_cues(self):
        self._assert_script_reproduces("make_cues.py", ASSETS / "sounds", ["Clock.wav", "Alarm.wav"])

    @unittest.skipUnless(_has_artwork_tools(), "needs PIL, icotool and zopflipng")
    def test_artwork(self):
        renderings = [f"scaled/{path.name}" for path in sorted(SCALED.iterdir())]
        self._assert_script_reproduces("render_artwork.py", ASSETS,
                                       ["morvane.ico", "time_is_up.ico"] + renderings)


if __name__ == "__main__":
    unittest.main()
