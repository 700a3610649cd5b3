// The scale the program was designed at: positions and sizes in twips, 1440
// to the inch, and pictures drawn for 96 dots per inch, 15 twips to a pixel.
// Both become pixels at a window's dpi here and nowhere else. Pure: it builds
// and is tested anywhere.
#pragma once

namespace morvane::scale {

inline constexpr int kTwipsPerInch = 1440;
// The scale the pictures were drawn for: 15 twips to a pixel.
inline constexpr int kDesignDpi = 96;

// Rounds to the nearest pixel, halves up, so that a designed edge that falls
// between two pixels lands on the nearer one (at 96 dpi 1730 twips is
// 115.3 px: 115; 3700 is 246.7: 247).
constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Where `length` twips from `start` lie at `dpi`, in pixels from the same
// origin: both ends are rounded as places are, and the length is what lies
// between them. Lengths that meet in twips meet in pixels at every dpi, with
// no gap or overlap that rounding each length apart would leave.
struct PixelSpan {
  int start;
  int end;  // one past the last pixel
};
constexpr PixelSpan SpanAt(int start, int length, int dpi) {
  return PixelSpan{TwipsToPixels(start, dpi), TwipsToPixels(start + length, dpi)};
}

// A length drawn in pixels at 96 dpi, as shown at `dpi`: the same rule, since
// such a pixel is 15 twips (a 74-pixel picture is 93 pixels wide at 120 dpi).
constexpr int ScaledFromDesign(int pixels, int dpi) {
  return TwipsToPixels(pixels * (kTwipsPerInch / kDesignDpi), dpi);
}

}  // namespace morvane::scale
