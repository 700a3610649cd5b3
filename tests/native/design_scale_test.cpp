// Places and lengths designed in twips, as pixels at a window's dpi: worked
// out by hand, at the scales where a place falls exactly between two pixels.
#include "ui/scale/design_scale.h"

#include <gtest/gtest.h>

namespace morvane::scale {
namespace {

// At 96 dpi 15 twips make a pixel, at 120 dpi 12, at 144 dpi 10.
TEST(DesignScaleTest, APlaceIsRoundedToTheNearestPixelHalvesUp) {
  struct Case {
    int twips, dpi, pixels;
  };
  for (const Case& c : {Case{1730, 96, 115}, Case{3700, 96, 247}, Case{7, 96, 0}, Case{8, 96, 1},
                        Case{6, 120, 1}, Case{5, 120, 0}, Case{15, 144, 2}, Case{14, 144, 1},
                        Case{5640, 288, 1128}}) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

// A span's ends are places: a length that alone would round to a pixel can
// take none, and spans that meet in twips meet in pixels.
TEST(DesignScaleTest, ASpanLiesBetweenItsRoundedEnds) {
  const PixelSpan short_one = SpanAt(8, 14, 96);  // 0.53 to 1.47; 14 twips alone are 0.93
  EXPECT_EQ(short_one.start, 1);
  EXPECT_EQ(short_one.end, 1);
  const PixelSpan first = SpanAt(840, 2055, 120);  // 70 to 241.25
  const PixelSpan next = SpanAt(2895, 855, 120);   // on to 312.5
  EXPECT_EQ(first.start, 70);
  EXPECT_EQ(first.end, 241);
  EXPECT_EQ(next.start, 241);
  EXPECT_EQ(next.end, 313);
}

// A picture drawn 74 pixels wide at 96 dpi.
TEST(DesignScaleTest, APictureDrawnAtTheDesignDpiKeepsItsSizeInTwips) {
  EXPECT_EQ(ScaledFromDesign(74, 96), 74);
  EXPECT_EQ(ScaledFromDesign(74, 120), 93);  // 92.5, halves up
  EXPECT_EQ(ScaledFromDesign(74, 144), 111);
}

}  // namespace
}  // namespace morvane::scale
