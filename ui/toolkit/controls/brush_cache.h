// One solid brush per colour, made on first use and kept until the form goes:
// edit boxes ask for their brush on every repaint, and a brush made per
// message would be a GDI object lost per keystroke.
#pragma once

#include <windows.h>

#include <map>

#include "base/colour.h"
#include "platform/gdi.h"

namespace morvane::toolkit {

class BrushCache {
 public:
  HBRUSH For(Colour colour) {
    auto& brush = brushes_[colour];
    if (!brush) {
      brush.reset(::CreateSolidBrush(platform::ToColorRef(colour)));
    }
    return brush.get();
  }

 private:
  std::map<Colour, platform::unique_hbrush> brushes_;
};

}  // namespace morvane::toolkit
