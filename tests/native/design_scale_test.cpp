// Places and lengths designed in twips, as pixels at a window's dpi.
#include "ui/scale/design_scale.h"

#include <cmath>

#include <gtest/gtest.h>

namespace morvane::scale {
namespace {

// 1440 twips to the inch, to the nearest pixel.
int Pixels(int twips, int dpi) { return static_cast<int>(std::floor(twips * dpi / 1440.0 + 0.5)); }

// Every span the two windows' controls are designed with, across and down, at
// every dpi from 100 % to 300 %: its ends are the designed ends rounded, so
// that the controls keep their places to one another.
TEST(DesignScaleTest, ASpansEndsAreItsDesignedEndsRoundedAtEveryDpi) {
  struct Span {
    int start, length;
  };
  const Span spans[] = {
      // Across: the rows' boxes and buttons, the captions, the pictures, the
      // About window's lines and button.
      {840, 2055}, {3240, 855}, {4200, 615}, {4920, 615}, {3360, 375}, {4320, 375},
      {960, 1110}, {2400, 1140}, {3840, 1095}, {0, 1815}, {480, 855}, {480, 1935},
      {1920, 975}, {2040, 855},
      // Down: the rows' boxes and buttons, the captions, the pictures, the
      // About window's lines and button.
      {1730, 285}, {2220, 285}, {2720, 285}, {3200, 285}, {3700, 285}, {4200, 285},
      {4680, 285}, {1730, 255}, {2220, 255}, {2720, 255}, {3200, 255}, {3700, 255},
      {4200, 255}, {4680, 255}, {1530, 255}, {5640, 330}, {240, 375}, {600, 375},
      {960, 375}, {1680, 375}, {2040, 375},
  };
  for (int dpi = 96; dpi <= 288; ++dpi) {
    for (const Span& span : spans) {
      const PixelSpan pixels = SpanAt(span.start, span.length, dpi);
      EXPECT_EQ(pixels.start, Pixels(span.start, dpi));
      EXPECT_EQ(pixels.end, Pixels(span.start + span.length, dpi))
          << span.start << " + " << span.length << " twips at " << dpi << " dpi";
    }
  }
}

}  // namespace
}  // namespace morvane::scale
