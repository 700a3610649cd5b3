#include "ui/toolkit/picture.h"

#include "ui/toolkit/pixel_bounds.h"

namespace morvane::toolkit {

Picture::Picture(HINSTANCE instance, const ControlSpec& spec)
    : name_(spec.name), bitmap_(instance, spec.picture), bounds_(BoundsOf(spec)) {
  // A picture is exactly its bitmap's size, whatever size it was designed at.
  bounds_.right = bounds_.left + bitmap_.Size().cx;
  bounds_.bottom = bounds_.top + bitmap_.Size().cy;
}

}  // namespace morvane::toolkit
