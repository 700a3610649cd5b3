// Where a control designed in twips lies on its window, in pixels.
#pragma once

#include <windows.h>

#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

inline RECT BoundsOf(const ControlSpec& spec, int dpi) {
  const int left = TwipsToPixels(spec.left, dpi);
  const int top = TwipsToPixels(spec.top, dpi);
  return RECT{left, top, left + TwipsToPixels(spec.width, dpi),
              top + TwipsToPixels(spec.height, dpi)};
}

}  // namespace morvane::toolkit
