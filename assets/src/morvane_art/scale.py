"""From design pixels to the pixels of one rendering scale.

The artwork is designed in the pixels of 96 dpi; a rendering at `percent` draws the same design for a
window laid out at percent / 100 of that. Positions map by rounding half up, which puts every box where
the program lays the controls over it (round(twips x dpi / 1440) is the same rounding). Lines do not
map position by position, or a one-pixel line would come out one or two pixels wide depending on where
it falls; each is `line` pixels wide everywhere, drawn inside the box whose edge it is.
"""


class Scale:
    def __init__(self, percent):
        self.percent = percent

    @property
    def factor(self):
        return self.percent / 100

    def at(self, value):
        """The pixel edge that the design edge `value` falls on."""
        return (value * self.percent + 50) // 100

    @property
    def line(self):
        """Width of a one-pixel design line, and of the band that design column 0 covers."""
        return self.at(1)

    def size(self, size):
        return tuple(self.at(length) for length in size)

    def box(self, box):
        """An inclusive design box as the inclusive box of pixels it covers."""
        left, top, right, bottom = box
        return self.at(left), self.at(top), self.at(right + 1) - 1, self.at(bottom + 1) - 1


ACTUAL_SIZE = Scale(100)
