"""The main window's background: a dark stone party-list panel, 388 x 408, drawn band by band.

Every coordinate is a pixel of the window's client area and boxes are inclusive. The program lays
its own controls over this picture, so the places below are fixed by the window's layout: the
slot lines, the cell borders and the plain areas under the column captions and picture buttons.
"""
from PIL import Image, ImageDraw

from . import noise, text
from .car import render_car
from .shapes import bevel, vertical_gradient

WIDTH, HEIGHT = 388, 408

PRODUCT = "Morvane"
VERSION = "1.0"
HEADER_LINE = "Party countdowns"
FOOTER_LINE = "Click a red name to mark it as seen"

TITLE_STRIP = (1, 0, 387, 27)
TITLE_TAB = (134, 4, 255, 27)
TOP_BAR = (1, 29, 387, 41)
OUTER_FRAME = (2, 42, 387, 405)  # a 3 px rim down both sides below the top bar and along the bottom
INNER_FRAME = (14, 48, 375, 371)
HEADER_BAR = (14, 48, 375, 60)
PORTRAIT = (18, 65, 55, 102)
LEADER_NAME_ORIGIN = (64, 79)
LEADER_BAR = (64, 86, 196, 95)
LEADER_BUTTON = (328, 74, 369, 92)
SLOT_LINES = tuple(range(107, 339, 33))  # 107, 140, ..., 338: eight lines around seven slots
SLOT_SQUARE_X = (18, 43)
CELL_DIVIDERS = (47, 203)
LEFT_CELL_X = (48, 202)
RIGHT_CELL_X = (204, 374)
FOOTER_BAR = (15, 342, 374, 370)
BUTTON_STRIP = (5, 373, 384, 401)

BLACK = (0, 0, 0)
PANEL_DARK, PANEL_LIGHT = (20, 20, 23), (44, 44, 48)
WELL_DARK, WELL_LIGHT = (12, 12, 14), (27, 27, 31)
CELL_DARK, CELL_LIGHT = (26, 26, 30), (40, 40, 45)
STONE_DARK, STONE_LIGHT = (58, 56, 54), (112, 108, 102)
FOOTER_STONE_LIGHT = (92, 89, 84)
RIM_OUTER, RIM_MIDDLE, RIM_INNER = (104, 104, 108), (196, 196, 200), (78, 78, 82)
EDGE_LIGHT = (176, 174, 170)
EDGE_SHADE = (30, 29, 28)
FRAME_LINE = (120, 120, 126)
SLOT_LINE = (82, 82, 88)
SLOT_LINE_SHADE = (8, 8, 10)
SLATE_TOP, SLATE_BOTTOM = (84, 106, 146), (46, 62, 94)
SLATE_EDGE_LIGHT, SLATE_EDGE_DARK = (140, 162, 200), (24, 32, 50)
TEXT_LIGHT = (222, 224, 228)
TEXT_CREAM = (236, 230, 212)
TEXT_SHADOW = (6, 6, 8)
BUTTON_FACE, BUTTON_LIGHT, BUTTON_DARK = (136, 136, 140), (208, 208, 212), (52, 52, 56)


def render_panel():
    """The full picture in RGB; the transparent key column is added when it is saved."""
    canvas = noise.stone((WIDTH, HEIGHT), 11, PANEL_DARK, PANEL_LIGHT)
    draw = ImageDraw.Draw(canvas)
    _draw_title_strip(canvas, draw)
    _draw_top_bar(canvas, draw)
    _draw_outer_frame(draw)
    _draw_list_well(canvas, draw)
    _draw_header(canvas, draw)
    _draw_leader_row(canvas, draw)
    _draw_slots(canvas, draw)
    _draw_footer(canvas, draw)
    draw.rectangle(BUTTON_STRIP, fill=BLACK)
    return canvas


def _size(box):
    left, top, right, bottom = box
    return right - left + 1, bottom - top + 1


def _lay(canvas, box, texture, *texture_args):
    """Fill the box with a texture made to its size: texture(size, *texture_args)."""
    canvas.paste(texture(_size(box), *texture_args), box[:2])


def _draw_title_strip(canvas, draw):
    left, _, right, bottom = TITLE_STRIP
    draw.rectangle((left, 0, right, bottom + 1), fill=BLACK)  # and one black row to part it from the bar
    left, top, right, bottom = TITLE_TAB
    tab = noise.stone(_size(TITLE_TAB), 21, (44, 44, 48), (70, 70, 76))
    mask = Image.new("L", tab.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, tab.width - 1, tab.height + 6), 5, fill=255)
    canvas.paste(tab, (left, top), mask)
    draw.rounded_rectangle((left, top, right, bottom + 6), 5, outline=(112, 112, 118))
    draw.line((left + 4, top + 1, right - 4, top + 1), fill=(150, 150, 156))
    draw.line((left, bottom, right, bottom), fill=(96, 96, 102))
    name_face, version_face = text.font(12, bold=True), text.font(11)
    gap = 5
    name_w = name_face.getlength(PRODUCT)
    total = name_w + gap + version_face.getlength(VERSION)
    x = round((left + right + 1 - total) / 2)
    _, baseline = text.centred_origin(PRODUCT, name_face, (left, top + 1, right, bottom))
    text.draw_text(draw, (x, baseline), PRODUCT, name_face, TEXT_LIGHT, TEXT_SHADOW)
    text.draw_text(draw, (x + round(name_w) + gap, baseline), VERSION, version_face, (176, 176, 182), TEXT_SHADOW)


def _draw_top_bar(canvas, draw):
    _lay(canvas, TOP_BAR, noise.jointed_stone, 31, STONE_DARK, STONE_LIGHT)
    left, top, right, bottom = TOP_BAR
    draw.line((left, top, right, top), fill=EDGE_LIGHT)
    draw.line((left, bottom, right, bottom), fill=EDGE_LIGHT)
    draw.line((left, bottom - 1, right, bottom - 1), fill=EDGE_SHADE)


def _draw_outer_frame(draw):
    left, top, right, bottom = OUTER_FRAME
    for inset, colour in enumerate((RIM_OUTER, RIM_MIDDLE, RIM_INNER)):
        draw.line((left + inset, top, left + inset, bottom - inset,
                   right - inset, bottom - inset, right - inset, top), fill=colour)
    draw.line((left - 1, top, left - 1, HEIGHT - 1), fill=BLACK)
    draw.rectangle((1, bottom + 1, right, HEIGHT - 1), fill=BLACK)


def _draw_list_well(canvas, draw):
    """The sunken area inside the inner frame that holds the header, leader row, slots and footer."""
    left, top, right, bottom = INNER_FRAME
    well = (left + 1, top + 1, right - 1, bottom - 1)
    _lay(canvas, well, noise.stone, 41, WELL_DARK, WELL_LIGHT)
    draw.rectangle(INNER_FRAME, outline=FRAME_LINE)
    # A dark lip outside the frame makes the well read as set into the stone.
    draw.line((left - 1, bottom, left - 1, top - 1, right, top - 1), fill=SLOT_LINE_SHADE)


def _draw_header(canvas, draw):
    left, top, right, bottom = HEADER_BAR
    _lay(canvas, HEADER_BAR, vertical_gradient, SLATE_TOP, SLATE_BOTTOM)
    draw.line((left, top, right, top), fill=SLATE_EDGE_LIGHT)
    draw.line((left, bottom, right, bottom), fill=SLATE_EDGE_DARK)
    draw.line((left, top, left, bottom), fill=FRAME_LINE)
    draw.line((right, top, right, bottom), fill=FRAME_LINE)
    text.draw_centred(draw, (left, top + 1, right, bottom - 1), HEADER_LINE, text.font(9, bold=True),
                      (238, 242, 250), SLATE_EDGE_DARK)


def _draw_leader_row(canvas, draw):
    _draw_portrait(canvas, draw, PORTRAIT)
    text.draw_text(draw, LEADER_NAME_ORIGIN, PRODUCT, text.font(12, bold=True), TEXT_CREAM, TEXT_SHADOW)
    left, top, right, bottom = LEADER_BAR
    draw.rectangle(LEADER_BAR, fill=(6, 6, 8))
    bevel(draw, LEADER_BAR, SLOT_LINE_SHADE, (96, 96, 102))
    draw.line((left + 1, top + 1, right - 1, top + 1), fill=(0, 0, 0))
    _draw_grey_button(draw, LEADER_BUTTON)


def _draw_portrait(canvas, draw, box):
    left, top, right, bottom = box
    bevel(draw, box, (150, 150, 156), (40, 40, 44), width=1)
    draw.rectangle((left + 1, top + 1, right - 1, bottom - 1), outline=(8, 8, 10))
    inner = right - left - 3
    canvas.paste(render_car(inner), (left + 2, top + 2))


def _draw_grey_button(draw, box):
    left, top, right, bottom = box
    draw.rectangle(box, fill=BUTTON_FACE)
    draw.rectangle(box, outline=BLACK)
    bevel(draw, (left + 1, top + 1, right - 1, bottom - 1), BUTTON_LIGHT, BUTTON_DARK)
    # A small downward arrow, so it reads as a drop-down button.
    cx, cy = (left + right + 1) // 2, (top + bottom) // 2 + 2
    draw.polygon(((cx - 4, cy - 2), (cx + 3, cy - 2), (cx, cy + 1), (cx - 1, cy + 1)), fill=(34, 34, 38))


def _draw_slots(canvas, draw):
    right_edge = INNER_FRAME[2] - 1
    for slot, (top_line, bottom_line) in enumerate(zip(SLOT_LINES, SLOT_LINES[1:])):
        top, bottom = top_line + 1, bottom_line - 1
        for side, (x0, x1) in enumerate((LEFT_CELL_X, RIGHT_CELL_X)):
            _lay(canvas, (x0, top, x1, bottom), noise.stone, 100 + slot * 2 + side, CELL_DARK, CELL_LIGHT)
            # Sunken cells: shade along the top and left, a faint light along the bottom.
            draw.line((x0, bottom, x0, top, x1, top), fill=(14, 14, 16))
            draw.line((x0 + 1, bottom, x1, bottom), fill=(52, 52, 58))
        for x in CELL_DIVIDERS:
            draw.line((x, top, x, bottom), fill=SLOT_LINE)
        _draw_slot_square(draw, SLOT_SQUARE_X, top + 3)
    for y in SLOT_LINES:
        draw.line((INNER_FRAME[0] + 1, y, right_edge, y), fill=SLOT_LINE)
        draw.line((INNER_FRAME[0] + 1, y + 1, right_edge, y + 1), fill=SLOT_LINE_SHADE)


def _draw_slot_square(draw, x_range, top):
    left, right = x_range
    box = (left, top, right, top + right - left)
    draw.rectangle(box, fill=(8, 8, 10))
    bevel(draw, box, (26, 26, 30), (110, 110, 116))
    bevel(draw, (left + 1, top + 1, right - 1, box[3] - 1), (4, 4, 6), (60, 60, 66))


def _draw_footer(canvas, draw):
    left, top, right, bottom = FOOTER_BAR
    # One darker, unjointed slab, so neither a joint nor a bright patch runs through the lettering.
    _lay(canvas, FOOTER_BAR, noise.stone, 51, STONE_DARK, FOOTER_STONE_LIGHT)
    draw.line((left, top, right, top), fill=EDGE_LIGHT)
    draw.line((left, top + 1, right, top + 1), fill=EDGE_SHADE)
    draw.line((left, bottom, right, bottom), fill=EDGE_SHADE)
    band = (left, top + 2, right, bottom - 1)
    text.draw_centred(draw, band, FOOTER_LINE, text.font(9), (232, 230, 224), TEXT_SHADOW)
