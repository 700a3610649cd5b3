#!/usr/bin/python3
"""Re-renders Morvane's artwork into assets/: the window background, the three picture buttons and the icon.

Run with the system Python, which has PIL:  python3 tools/render_artwork.py [FOLDER]
FOLDER defaults to assets/; the tests render into a scratch folder to compare with the committed files.
The build uses the committed files; run this after changing the drawing code in assets/src/.
Needs icotool (package icoutils) for the icon.
"""
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ASSETS = ROOT / "assets"
sys.path.insert(0, str(ASSETS / "src"))

from morvane_art import output  # noqa: E402  (the path above must be set first)
from morvane_art.buttons import render_buttons  # noqa: E402
from morvane_art.car import render_car  # noqa: E402
from morvane_art.panel import PORTRAIT, render_panel  # noqa: E402

ICON_SIZE = 200


def render_all(folder):
    output.save_keyed_bmp(render_panel(), folder / "background.bmp", detail_boxes=[PORTRAIT])
    for name, plate in render_buttons().items():
        output.save_rgb_bmp(plate, folder / f"{name}.bmp")
    output.save_opaque_icon(render_car(ICON_SIZE), folder / "morvane.ico")


if __name__ == "__main__":
    render_all(Path(sys.argv[1]) if len(sys.argv) > 1 else ASSETS)
