#include "ui/toolkit/controls/picture.h"

#include "ui/toolkit/controls/pixel_bounds.h"

namespace morvane::toolkit {

Picture::Picture(HINSTANCE instance, const ControlSpec& spec, int dpi)
    : instance_(instance),
      spec_(spec),
      bitmap_(instance, spec.picture, dpi),
      bounds_(BoundsAt(spec, dpi, bitmap_.Size())) {}

void Picture::ScaleTo(int dpi) {
  bitmap_ = artwork::ArtworkBitmap(instance_, spec_.picture, dpi);
  bounds_ = BoundsAt(spec_, dpi, bitmap_.Size());
}

// A picture is exactly its bitmap's size, whatever size it was designed at.
RECT Picture::BoundsAt(const ControlSpec& spec, int dpi, SIZE size) {
  RECT bounds = BoundsOf(spec, dpi);
  bounds.right = bounds.left + size.cx;
  bounds.bottom = bounds.top + size.cy;
  return bounds;
}

}  // namespace morvane::toolkit
