"""The application's mascot: a cartoon orange car seen from the front, with a face and a roof sign.

Coordinates are in a 200 x 200 design square; `render_car` draws at a multiple of that size and
scales down, so every outline and curve is anti-aliased at the final size.
"""
import math

from PIL import Image, ImageDraw

from .shapes import vertical_gradient

DESIGN_SIZE = 200
OVERSAMPLE = 4

OUTLINE = (42, 20, 8)
OUTLINE_WIDTH = 2.5

ORANGE_TOP, ORANGE_BOTTOM = (255, 178, 72), (226, 102, 22)
CABIN_TOP, CABIN_BOTTOM = (255, 160, 58), (236, 118, 30)
GLASS_TOP, GLASS_BOTTOM = (204, 236, 255), (122, 182, 230)
CHROME_TOP, CHROME_BOTTOM = (246, 246, 246), (150, 150, 158)
TYRE_TOP, TYRE_BOTTOM = (70, 70, 76), (24, 24, 28)
SIGN_TOP, SIGN_BOTTOM = (255, 240, 150), (244, 196, 60)
LAMP_TOP, LAMP_BOTTOM = (255, 255, 236), (255, 226, 140)
MOUTH = (58, 26, 14)
WHITE = (255, 255, 255)
PUPIL = (26, 22, 30)
BLUSH = (255, 120, 96)


class Pen:
    """Draws filled, outlined shapes given in design units onto an oversampled canvas."""

    def __init__(self, canvas, scale):
        self.canvas = canvas
        self.scale = scale

    def _px(self, values):
        return [round(value * self.scale) for value in values]

    def _points(self, points):
        return [tuple(self._px(point)) for point in points]

    @property
    def _stroke(self):
        return round(OUTLINE_WIDTH * self.scale)

    def _shade(self, draw_mask, top, bottom, y_range):
        """Fill the shape that draw_mask draws with colour `top` shading to `bottom` over y_range (design units)."""
        mask = Image.new("L", self.canvas.size, 0)
        draw_mask(ImageDraw.Draw(mask))
        y0, y1 = self._px(y_range)
        width, height = self.canvas.size
        fill = Image.new("RGB", self.canvas.size, top)
        fill.paste(vertical_gradient((width, max(1, y1 - y0)), top, bottom), (0, y0))
        fill.paste(bottom, (0, y1, width, height))
        self.canvas.paste(fill, (0, 0), mask)

    def polygon(self, points, top, bottom=None, outline=True):
        pts = self._points(points)
        ys = [y for _, y in points]
        self._shade(lambda d: d.polygon(pts, fill=255), top, bottom or top, (min(ys), max(ys)))
        if outline:
            # A closed line with curved joints: PIL's polygon outline leaves notches at sharp corners.
            ImageDraw.Draw(self.canvas).line(pts + pts[:2], fill=OUTLINE, width=self._stroke, joint="curve")

    def rounded(self, box, radius, top, bottom=None, outline=True):
        px_box, px_radius = self._px(box), round(radius * self.scale)
        self._shade(lambda d: d.rounded_rectangle(px_box, px_radius, fill=255), top, bottom or top,
                    (box[1], box[3]))
        if outline:
            ImageDraw.Draw(self.canvas).rounded_rectangle(px_box, px_radius, outline=OUTLINE, width=self._stroke)

    def ellipse(self, box, top, bottom=None, outline=True):
        px_box = self._px(box)
        self._shade(lambda d: d.ellipse(px_box, fill=255), top, bottom or top, (box[1], box[3]))
        if outline:
            ImageDraw.Draw(self.canvas).ellipse(px_box, outline=OUTLINE, width=self._stroke)

    def dot(self, centre, radius, colour):
        x, y = centre
        ImageDraw.Draw(self.canvas).ellipse(self._px((x - radius, y - radius, x + radius, y + radius)),
                                            fill=colour)

    def line(self, points, colour, width):
        ImageDraw.Draw(self.canvas).line(self._points(points), fill=colour, width=round(width * self.scale),
                                         joint="curve")


def _round_corners(points, radius, steps=6):
    """The polygon with each corner replaced by a quadratic curve starting `radius` units from it."""
    rounded = []
    count = len(points)
    for index, (px, py) in enumerate(points):
        start = _towards((px, py), points[index - 1], radius)
        end = _towards((px, py), points[(index + 1) % count], radius)
        for step in range(steps + 1):
            t = step / steps
            rounded.append(tuple((1 - t) ** 2 * a + 2 * (1 - t) * t * corner + t * t * b
                                 for a, corner, b in zip(start, (px, py), end)))
    return rounded


def _towards(origin, target, distance):
    ox, oy = origin
    dx, dy = target[0] - ox, target[1] - oy
    length = math.hypot(dx, dy)
    return ox + dx * distance / length, oy + dy * distance / length


def _mouth_outline(centre_x, corner_y, half_width, upper_dip, lower_dip, steps=40):
    """A grinning mouth: two curves that meet at raised corners; the lower one dips much further."""
    upper = []
    lower = []
    for i in range(steps + 1):
        t = -1 + 2 * i / steps
        bulge = 1 - t * t
        x = centre_x + t * half_width
        upper.append((x, corner_y + upper_dip * bulge))
        lower.append((x, corner_y + lower_dip * math.sqrt(bulge)))
    return upper + lower[::-1]


def _draw_wheels(pen):
    for left in (28, 144):
        pen.rounded((left, 140, left + 28, 182), 7, TYRE_TOP, TYRE_BOTTOM)
        pen.line(((left + 7, 150), (left + 7, 172)), (96, 96, 104), 2)


def _draw_mirrors(pen):
    for x, direction in ((40, -1), (160, 1)):
        pen.line(((x, 92), (x + direction * 8, 86)), OUTLINE, 3)
        pen.ellipse((x + direction * 8 - 8, 78, x + direction * 8 + 8, 92), ORANGE_TOP, ORANGE_BOTTOM)


def _draw_roof_sign(pen):
    pen.rounded((93, 36, 107, 48), 2, CHROME_TOP, CHROME_BOTTOM)
    pen.rounded((74, 14, 126, 40), 6, SIGN_TOP, SIGN_BOTTOM)
    # A little clock face: the car keeps the countdowns.
    pen.ellipse((90, 17, 110, 37), WHITE, (236, 236, 226))
    pen.line(((100, 27), (100, 21)), OUTLINE, 2.2)
    pen.line(((100, 27), (105, 29)), OUTLINE, 2.2)
    pen.dot((100, 27), 1.6, OUTLINE)


def _draw_cabin(pen):
    pen.polygon(_round_corners(((62, 44), (138, 44), (162, 100), (38, 100)), 10), CABIN_TOP, CABIN_BOTTOM)
    pen.polygon(_round_corners(((68, 52), (132, 52), (150, 96), (50, 96)), 6), GLASS_TOP, GLASS_BOTTOM)
    # A streak of reflection across the glass, kept clear of the eyes.
    pen.polygon(((122, 53), (130, 53), (114, 60), (106, 60)), (236, 248, 255), outline=False)


def _draw_eyes(pen):
    for centre_x, look in ((81, 1.5), (119, -1.5)):
        pen.ellipse((centre_x - 14, 58, centre_x + 14, 92), WHITE, (232, 236, 244))
        pen.dot((centre_x + look, 78), 7.5, PUPIL)
        pen.dot((centre_x + look + 2.5, 74.5), 2.6, WHITE)
        pen.dot((centre_x + look - 2.5, 81.5), 1.1, WHITE)


def _draw_body(pen):
    pen.rounded((18, 94, 182, 158), 20, ORANGE_TOP, ORANGE_BOTTOM)
    # The lit crown of the bonnet.
    pen.rounded((36, 99, 164, 104), 3, (255, 204, 120), outline=False)


def _draw_face(pen):
    for centre_x in (44, 156):
        pen.ellipse((centre_x - 15, 106, centre_x + 15, 136), CHROME_TOP, CHROME_BOTTOM)
        pen.ellipse((centre_x - 10, 111, centre_x + 10, 131), LAMP_TOP, LAMP_BOTTOM, outline=False)
        pen.dot((centre_x - 3, 117), 3, WHITE)
    for centre_x in (66, 134):
        pen.ellipse((centre_x - 7, 128, centre_x + 7, 134), BLUSH, outline=False)
    mouth = _mouth_outline(100, 115, 32, 5, 26)
    pen.polygon(mouth, MOUTH)
    # Grille bars show through the grin like teeth of a radiator.
    for offset in (-18, -6, 6, 18):
        pen.line(((100 + offset, 119), (100 + offset, 138 - abs(offset) * 0.45)), (150, 120, 100), 2.2)


def _draw_bumper(pen):
    pen.rounded((24, 150, 176, 164), 7, CHROME_TOP, CHROME_BOTTOM)
    pen.rounded((84, 152, 116, 162), 2, (250, 248, 236), (222, 218, 200))


def render_car(size):
    """The car on its black ground, `size` pixels square."""
    scale = size * OVERSAMPLE / DESIGN_SIZE
    canvas = Image.new("RGB", (size * OVERSAMPLE, size * OVERSAMPLE), (0, 0, 0))
    pen = Pen(canvas, scale)
    pen.ellipse((12, 170, 188, 192), (34, 30, 28), outline=False)  # ground shadow
    _draw_wheels(pen)
    _draw_mirrors(pen)
    _draw_roof_sign(pen)
    _draw_cabin(pen)
    _draw_body(pen)
    _draw_eyes(pen)
    _draw_face(pen)
    _draw_bumper(pen)
    return canvas.resize((size, size), Image.Resampling.LANCZOS)
