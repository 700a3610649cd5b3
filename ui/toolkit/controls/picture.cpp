#include "ui/toolkit/controls/picture.h"

#include "ui/toolkit/controls/pixel_bounds.h"

namespace morvane::toolkit {

Picture::Picture(HINSTANCE instance, const ControlDesign& design, int dpi)
    : instance_(instance),
      design_(design),
      bitmap_(instance, design.picture, {design.width, design.height}, dpi),
      bounds_(BoundsAt(design, dpi, bitmap_.Size())) {}

void Picture::ScaleTo(int dpi) {
  bitmap_ =
      artwork::ArtworkBitmap(instance_, design_.picture, {design_.width, design_.height}, dpi);
  bounds_ = BoundsAt(design_, dpi, bitmap_.Size());
}

// A picture is exactly its bitmap's size, none without one: its designed size
// as pixels, which can be a pixel off the span between its edges rounded as
// places are.
RECT Picture::BoundsAt(const ControlDesign& design, int dpi, SIZE size) {
  RECT bounds = BoundsOf(design, dpi);
  bounds.right = bounds.left + size.cx;
  bounds.bottom = bounds.top + size.cy;
  return bounds;
}

}  // namespace morvane::toolkit
