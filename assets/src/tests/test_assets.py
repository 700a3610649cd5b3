"""Checks on the committed artwork and sound files: the forms the program loads and the layout it draws over.

Run from the repository root:  python3 -m unittest discover -s assets/src/tests
"""
import importlib
import math
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import wave
from pathlib import Path

ROOT = Path(__file__).resolve().parents[3]
ASSETS = ROOT / "assets"
MAGENTA = (255, 0, 255)
SLOT_LINES = range(107, 339, 33)


class Bitmap:
    """An uncompressed Windows BMP read straight from its bytes, so the check does not depend on a decoder."""

    def __init__(self, path):
        data = path.read_bytes()
        if data[:2] != b"BM":
            raise ValueError(f"{path} is not a BMP")
        (self.offset,) = struct.unpack_from("<I", data, 10)
        (self.header_size, self.width, self.height, self.planes, self.bits,
         self.compression) = struct.unpack_from("<IiiHHI", data, 14)
        (colours_used,) = struct.unpack_from("<I", data, 46)
        self.palette = []
        if self.bits == 8:
            start = 14 + self.header_size
            self.palette = [(data[i + 2], data[i + 1], data[i])
                            for i in range(start, start + 4 * (colours_used or 256), 4)]
        self._data = data
        self._stride = (self.width * self.bits + 31) // 32 * 4

    def pixel(self, x, y):
        """RGB of the pixel at (x, y), y counted from the top; rows are stored bottom-up."""
        row = self.offset + (self.height - 1 - y) * self._stride
        if self.bits == 8:
            return self.palette[self._data[row + x]]
        blue, green, red = self._data[row + 3 * x:row + 3 * x + 3]
        return red, green, blue

    def pixels(self, box):
        left, top, right, bottom = box
        return [self.pixel(x, y) for y in range(top, bottom + 1) for x in range(left, right + 1)]


class BackgroundTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.picture = Bitmap(ASSETS / "background.bmp")

    def test_is_an_uncompressed_bottom_up_256_colour_picture_of_the_client_area(self):
        p = self.picture
        self.assertEqual((p.header_size, p.width, p.height, p.planes, p.bits, p.compression),
                         (40, 388, 408, 1, 8, 0))
        self.assertEqual(len(p.palette), 256)

    def test_only_the_leftmost_column_is_the_transparent_key(self):
        self.assertEqual(set(self.picture.pixels((0, 0, 0, 407))), {MAGENTA})
        keyed = [(x, y) for y in range(408) for x in range(1, 388) if self.picture.pixel(x, y) == MAGENTA]
        self.assertEqual(keyed, [])

    def test_slot_lines_lie_exactly_where_the_rows_are_laid(self):
        for x in (30, 120, 300, 372):
            line = self.picture.pixel(x, SLOT_LINES[0])
            drawn = [y for y in range(100, 346) if self.picture.pixel(x, y) == line]
            self.assertEqual(drawn, list(SLOT_LINES), f"column {x}")

    def test_cells_are_divided_at_their_borders_in_every_slot(self):
        for top in SLOT_LINES[:-1]:
            y = top + 16
            row = [self.picture.pixel(x, y) for x in range(44, 207)]
            divider = self.picture.pixel(47, y)
            self.assertEqual([x for x, colour in zip(range(44, 207), row) if colour == divider], [47, 203])

    def test_areas_the_program_draws_over_stay_plain(self):
        under_captions = self.picture.pixels((222, 96, 314, 106))
        self.assertLess(max(max(colour) for colour in under_captions), 64)
        button_strip = self.picture.pixels((5, 373, 384, 401))
        self.assertEqual(set(button_strip), {(0, 0, 0)})


def brightness(colour):
    return sum(colour) / 3


def mean_brightness(colours):
    return sum(map(brightness, colours)) / len(colours)


class ButtonPicturesTest(unittest.TestCase):
    CASES = (("help.bmp", 74), ("exit.bmp", 76), ("about.bmp", 73))

    def test_each_is_an_opaque_24_bit_picture_of_its_control_size_with_a_lettered_face(self):
        for name, width in self.CASES:
            with self.subTest(name):
                p = Bitmap(ASSETS / name)
                self.assertEqual((p.header_size, p.width, p.height, p.bits, p.compression), (40, width, 22, 24, 0))
                self.assertNotIn(MAGENTA, p.pixels((0, 0, width - 1, 21)))
                border = p.pixels((0, 0, width - 1, 0)) + p.pixels((0, 21, width - 1, 21))
                face = p.pixels((8, 6, width - 9, 15))
                self.assertLess(mean_brightness(border), mean_brightness(face), "the border is darker than the face")
                letters = [colour for colour in face if brightness(colour) > 200]
                self.assertGreater(len(letters), 20, "the word is missing or too faint")


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
    try:
        importlib.import_module("PIL")
    except ImportError:
        return False
    return shutil.which("icotool") is not None


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

    @unittest.skipUnless(_has_artwork_tools(), "needs PIL and icotool")
    def test_artwork(self):
        self._assert_script_reproduces("render_artwork.py", ASSETS,
                                       ["background.bmp", "help.bmp", "exit.bmp", "about.bmp", "morvane.ico"])


if __name__ == "__main__":
    unittest.main()
