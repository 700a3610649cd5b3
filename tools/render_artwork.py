#!/usr/bin/python3
"""Re-renders Morvane's artwork into assets/: the window background and the three picture buttons, as PNG
files in assets/scaled/, at 96 dpi and at the larger scales the window is shown at; the icon; and the taskbar
badge, one icon holding it at every scale.

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
from morvane_art.badge import render_badge  # noqa: E402
from morvane_art.buttons import render_buttons  # noqa: E402
from morvane_art.car import render_car  # noqa: E402
from morvane_art.panel import portrait_box, render_panel  # noqa: E402
from morvane_art.scale import Scale  # noqa: E402

ICON_SIZE = 200
BADGE_SIZE = 16  # a small icon at 96 dpi
# The scales, in percent of 96 dpi, rendered besides 96 dpi itself (assets/README.md says why these);
# the program reduces the next larger rendering for a scale in between.
SCALES = (125, 150, 200, 250, 300)
PERCENTS = (100,) + SCALES  # every scale rendered, 96 dpi itself first


def render_all(folder):
    output.save_opaque_icon(render_car(ICON_SIZE), folder / "morvane.ico")
    badge_sizes = [Scale(percent).at(BADGE_SIZE) for percent in PERCENTS]
    output.save_png_icon([render_badge(size) for size in badge_sizes], folder / "time_is_up.ico")
    (folder / "scaled").mkdir(exist_ok=True)
    for stale in (folder / "scaled").glob("*.png"):  # a scale dropped from SCALES leaves nothing behind
        stale.unlink()
    for percent in PERCENTS:
        render_scaled(Scale(percent), folder / "scaled")


def render_scaled(scale, folder):
    output.save_keyed_png(render_panel(scale), folder / f"background@{scale.percent}.png",
                          detail_boxes=[portrait_box(scale)], key_width=scale.line)
    for name, plate in render_buttons(scale).items():
        output.save_rgb_png(plate, folder / f"{name}@{scale.percent}.png")


if __name__ == "__main__":
    render_all(Path(sys.argv[1]) if len(sys.argv) > 1 else ASSETS)
