"""The PNG files hold exactly the pixels drawn, whichever form (palette or full colour) packs them smaller.

Run from the repository root:  python3 -m unittest discover -s assets/src/tests
"""
import random
import shutil
import sys
import tempfile
import unittest
from pathlib import Path

try:
    from PIL import Image
except ImportError:
    Image = None

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))


@unittest.skipUnless(Image is not None and shutil.which("zopflipng"), "needs PIL and zopflipng")
class RgbPngTest(unittest.TestCase):
    def test_decodes_to_the_same_pixels_with_few_colours_and_with_many(self):
        from morvane_art import output

        rng = random.Random(5)
        for count in (200, 256, 257, 3000):
            with self.subTest(colours=count), tempfile.TemporaryDirectory() as folder:
                # Close colours, as on stone, which an approximate match to a palette would merge.
                colours = rng.sample([(100 + r, 90 + g, 60 + b) for r in range(16) for g in range(16)
                                      for b in range(16)], count)
                picture = Image.new("RGB", (80, 40))
                picture.putdata([colours[i % count] for i in rng.sample(range(3200), 3200)])
                path = Path(folder) / "picture.png"
                output.save_rgb_png(picture, path)
                with Image.open(path) as saved:
                    self.assertEqual(list(saved.convert("RGB").getdata()), list(picture.getdata()))


if __name__ == "__main__":
    unittest.main()
