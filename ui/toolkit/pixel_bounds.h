// Where a control designed in twips lies on its window, in pixels.
#pragma once

#include <windows.h>

#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

inline RECT BoundsOf(const ControlSpec& spec) {
  const int left = TwipsToPixels(spec.left);
  const int top = TwipsToPixels(spec.top);
  return RECT{left, top, left + TwipsToPixels(spec.width), top + TwipsToPixels(spec.height)};
}

}  // namespace morvane::toolkit
