"""The main window's background: a dark stone party-list panel, 388 x 408 at 96 dpi, drawn band by band.

Every coordinate below is a design pixel, a pixel of the window's client area at 96 dpi, and boxes
are inclusive. The program lays its own controls over this picture, so the places below are fixed by
the window's layout: the slot lines, the cell borders and the plain areas under the column captions
and picture buttons. At other scales boxes land where `Scale.box` puts them, lines keep one width,
and what sits inside a frame is laid inside its drawn lines, so nothing overlaps or leaves a seam.
"""
from PIL import Image, ImageDraw

from . import noise, text
from .car import render_car
from .scale import ACTUAL_SIZE
from .shapes import bevel, edges, inset, vertical_gradient

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
CELL_DIVIDERS = (47, 203)  # a left cell between them, a right cell up to the inner frame
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




def render_panel(scale=ACTUAL_SIZE):
    """The full picture in RGB; the transparent key band is added when it is saved."""
    return _Painter(scale).paint()


def portrait_box(scale=ACTUAL_SIZE):
    """The car's framed portrait, kept square at every scale."""
    left, top, right, _ = PORTRAIT
    side = scale.at(right + 1 - left)
    return scale.at(left), scale.at(top), scale.at(left) + side - 1, scale.at(top) + side - 1


def _size(box):
    left, top, right, bottom = box
    return right - left + 1, bottom - top + 1


class _Painter:
    """Draws the panel at one scale: `box` maps design boxes, `line` is the width of every drawn line."""

    def __init__(self, scale):
        self.scale = scale
        self.line = scale.line
        self.box = scale.box
        self.canvas = noise.stone((WIDTH, HEIGHT), 11, PANEL_DARK, PANEL_LIGHT, scale=scale)
        self.draw = ImageDraw.Draw(self.canvas)

    def paint(self):
        self._title_strip()
        self._top_bar()
        self._outer_frame()
        self._list_well()
        self._header()
        self._leader_row()
        self._slots()
        self._footer()
        self.draw.rectangle(self._button_strip(), fill=BLACK)
        return self.canvas

    def _lay(self, box, design_box, texture, *texture_args):
        """Fill `box` with texture(size, *texture_args), its pattern made for the design box's size."""
        surface = texture(_size(design_box), *texture_args, scale=self.scale, out=_size(box))
        self.canvas.paste(surface, box[:2])

    def _text(self, origin, words, face, fill, shadow):
        text.draw_text(self.draw, origin, words, face, fill, shadow, drop=self.line)

    def _centred(self, box, words, face, fill, shadow):
        text.draw_centred(self.draw, box, words, face, fill, shadow, drop=self.line)

    def _font(self, size, bold=False):
        return text.font(self.scale.at(size), bold)

    def _title_strip(self):
        left, _, right, bottom = TITLE_STRIP
        # The strip, and one black row below it that parts it from the bar.
        self.draw.rectangle(self.box((left, 0, right, bottom + 1)), fill=BLACK)
        self._title_tab()
        self._title_lettering()

    def _title_tab(self):
        tab_box = self.box(TITLE_TAB)
        left, top, right, bottom = tab_box
        radius, below = self.scale.at(5), self.scale.at(6)  # the tab's lower corners hide under the bar
        tab = noise.stone(_size(TITLE_TAB), 21, (44, 44, 48), (70, 70, 76), scale=self.scale, out=_size(tab_box))
        mask = Image.new("L", tab.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle((0, 0, tab.width - 1, tab.height + below), radius, fill=255)
        self.canvas.paste(tab, (left, top), mask)
        self.draw.rounded_rectangle((left, top, right, bottom + below), radius, outline=(112, 112, 118),
                                    width=self.line)
        clear_of_corners = self.scale.at(4)
        self.draw.rectangle((left + clear_of_corners, top + self.line, right - clear_of_corners,
                             top + 2 * self.line - 1), fill=(150, 150, 156))
        edges(self.draw, tab_box, ["bottom"], (96, 96, 102), self.line)

    def _title_lettering(self):
        left, top, right, bottom = self.box(TITLE_TAB)
        name_face, version_face = self._font(12, bold=True), self._font(11)
        gap = self.scale.at(5)
        name_w = name_face.getlength(PRODUCT)
        total = name_w + gap + version_face.getlength(VERSION)
        x = round((left + right + 1 - total) / 2)
        _, baseline = text.centred_origin(PRODUCT, name_face, (left, top + self.line, right, bottom))
        self._text((x, baseline), PRODUCT, name_face, TEXT_LIGHT, TEXT_SHADOW)
        self._text((x + round(name_w) + gap, baseline), VERSION, version_face, (176, 176, 182), TEXT_SHADOW)

    def _top_bar(self):
        bar = self.box(TOP_BAR)
        self._lay(bar, TOP_BAR, noise.jointed_stone, 31, STONE_DARK, STONE_LIGHT)
        edges(self.draw, bar, ["top", "bottom"], EDGE_LIGHT, self.line)
        left, top, right, bottom = bar
        edges(self.draw, (left, top, right, bottom - self.line), ["bottom"], EDGE_SHADE, self.line)

    def _outer_frame(self):
        left, top, right, bottom = frame = self.box(OUTER_FRAME)
        for rim, colour in enumerate((RIM_OUTER, RIM_MIDDLE, RIM_INNER)):
            rim_left, _, rim_right, rim_bottom = inset(frame, rim * self.line)
            edges(self.draw, (rim_left, top, rim_right, rim_bottom), ["left", "bottom", "right"], colour, self.line)
        # Black between the transparent column and the frame, and below the frame.
        design_left, design_top, design_right, design_bottom = OUTER_FRAME
        self.draw.rectangle(self.box((design_left - 1, design_top, design_left - 1, HEIGHT - 1)), fill=BLACK)
        self.draw.rectangle(self.box((1, design_bottom + 1, design_right, HEIGHT - 1)), fill=BLACK)

    def _button_strip(self):
        """Inside the rims of the outer frame, one line of stone above its bottom rim."""
        left, _, right, bottom = inset(self.box(OUTER_FRAME), 3 * self.line)
        return left, self.scale.at(BUTTON_STRIP[1]), right, bottom - self.line

    def _list_well(self):
        """The sunken area inside the inner frame that holds the header, leader row, slots and footer."""
        frame = self.box(INNER_FRAME)
        self._lay(inset(frame, self.line), inset(INNER_FRAME, 1), noise.stone, 41, WELL_DARK, WELL_LIGHT)
        self.draw.rectangle(frame, outline=FRAME_LINE, width=self.line)
        # A dark lip outside the frame makes the well read as set into the stone.
        left, top, right, bottom = frame
        lip = (left - self.line, top - self.line, right, bottom)
        edges(self.draw, lip, ["left", "top"], SLOT_LINE_SHADE, self.line)

    def _header(self):
        bar = self.box(HEADER_BAR)
        left, top, right, bottom = bar
        self.canvas.paste(vertical_gradient(_size(bar), SLATE_TOP, SLATE_BOTTOM), (left, top))
        edges(self.draw, bar, ["top"], SLATE_EDGE_LIGHT, self.line)
        edges(self.draw, bar, ["bottom"], SLATE_EDGE_DARK, self.line)
        edges(self.draw, bar, ["left", "right"], FRAME_LINE, self.line)
        self._centred((left, top + self.line, right, bottom - self.line), HEADER_LINE, self._font(9, bold=True),
                      (238, 242, 250), SLATE_EDGE_DARK)

    def _leader_row(self):
        self._portrait()
        origin = tuple(map(self.scale.at, LEADER_NAME_ORIGIN))
        self._text(origin, PRODUCT, self._font(12, bold=True), TEXT_CREAM, TEXT_SHADOW)
        bar = self.box(LEADER_BAR)
        left, top, right, _ = bar
        self.draw.rectangle(bar, fill=(6, 6, 8))
        bevel(self.draw, bar, SLOT_LINE_SHADE, (96, 96, 102), self.line)
        self.draw.rectangle((left + self.line, top + self.line, right - self.line, top + 2 * self.line - 1),
                            fill=BLACK)
        self._grey_button(self.box(LEADER_BUTTON))

    def _portrait(self):
        box = portrait_box(self.scale)
        bevel(self.draw, box, (150, 150, 156), (40, 40, 44), self.line)
        self.draw.rectangle(inset(box, self.line), outline=(8, 8, 10), width=self.line)
        picture = inset(box, 2 * self.line)
        self.canvas.paste(render_car(_size(picture)[0]), picture[:2])

    def _grey_button(self, box):
        left, top, right, bottom = box
        self.draw.rectangle(box, fill=BUTTON_FACE)
        self.draw.rectangle(box, outline=BLACK, width=self.line)
        bevel(self.draw, inset(box, self.line), BUTTON_LIGHT, BUTTON_DARK, self.line)
        # A small downward arrow, so it reads as a drop-down button: rows narrowing by a pixel each side.
        half = self.scale.at(4)
        arrow_left, arrow_top = (left + right + 1) // 2 - half, (top + bottom) // 2
        for row in range(half):
            self.draw.rectangle((arrow_left + row, arrow_top + row, arrow_left + 2 * half - 1 - row, arrow_top + row),
                                fill=(34, 34, 38))

    def _slots(self):
        design_cells = _slot_cells(ACTUAL_SIZE)
        for slot, (cells, design) in enumerate(zip(_slot_cells(self.scale), design_cells)):
            for side, (cell, design_cell) in enumerate(zip(cells, design)):
                self._lay(cell, design_cell, noise.stone, 100 + slot * 2 + side, CELL_DARK, CELL_LIGHT)
                # Sunken cells: shade along the top and left, a faint light along the bottom.
                left, top, right, bottom = cell
                edges(self.draw, cell, ["left", "top"], (14, 14, 16), self.line)
                edges(self.draw, (left + self.line, top, right, bottom), ["bottom"], (52, 52, 58), self.line)
            top, bottom = cells[0][1], cells[0][3]
            for x in CELL_DIVIDERS:
                x = self.scale.at(x)
                self.draw.rectangle((x, top, x + self.line - 1, bottom), fill=SLOT_LINE)
            self._slot_square(top + self.scale.at(3))
        frame = self.box(INNER_FRAME)
        for y in map(self.scale.at, SLOT_LINES):
            left, right = frame[0] + self.line, frame[2] - self.line
            self.draw.rectangle((left, y, right, y + self.line - 1), fill=SLOT_LINE)
            self.draw.rectangle((left, y + self.line, right, y + 2 * self.line - 1), fill=SLOT_LINE_SHADE)

    def _slot_square(self, top):
        left, right = SLOT_SQUARE_X
        left, side = self.scale.at(left), self.scale.at(right + 1 - left)
        box = (left, top, left + side - 1, top + side - 1)
        self.draw.rectangle(box, fill=(8, 8, 10))
        bevel(self.draw, box, (26, 26, 30), (110, 110, 116), self.line)
        bevel(self.draw, inset(box, self.line), (4, 4, 6), (60, 60, 66), self.line)

    def _footer(self):
        # Inside the inner frame's lines, with its own top.
        frame = inset(self.box(INNER_FRAME), self.line)
        bar = (frame[0], self.scale.at(FOOTER_BAR[1]), frame[2], frame[3])
        left, top, right, bottom = bar
        # One darker, unjointed slab, so neither a joint nor a bright patch runs through the lettering.
        self._lay(bar, FOOTER_BAR, noise.stone, 51, STONE_DARK, FOOTER_STONE_LIGHT)
        edges(self.draw, bar, ["top"], EDGE_LIGHT, self.line)
        edges(self.draw, (left, top + self.line, right, bottom), ["top"], EDGE_SHADE, self.line)
        edges(self.draw, bar, ["bottom"], EDGE_SHADE, self.line)
        band = (left, top + 2 * self.line, right, bottom - self.line)
        self._centred(band, FOOTER_LINE, self._font(9), (232, 230, 224), TEXT_SHADOW)


def _slot_cells(scale):
    """Each slot's left and right cell: from under the shade of its slot line to its next slot line, the
    left cell between the dividers, the right one from the second divider to the inner frame's line."""
    line = scale.line
    lines = [scale.at(y) for y in SLOT_LINES]
    first_divider, second_divider = (scale.at(x) for x in CELL_DIVIDERS)
    right_edge = scale.box(INNER_FRAME)[2] - line
    slots = []
    for top_line, bottom_line in zip(lines, lines[1:]):
        top, bottom = top_line + line, bottom_line - 1
        slots.append(((first_divider + line, top, second_divider - 1, bottom),
                      (second_divider + line, top, right_edge, bottom)))
    return slots
