// Where a control designed in twips lies on its window, in pixels.
#pragma once

#include <windows.h>

#include "ui/toolkit/controls/control_design.h"

namespace morvane::toolkit {

inline RECT BoundsOf(const ControlDesign& design, int dpi) {
  const scale::PixelSpan across = scale::SpanAt(design.left, design.width, dpi);
  const scale::PixelSpan down = scale::SpanAt(design.top, design.height, dpi);
  return RECT{across.start, down.start, across.end, down.end};
}

}  // namespace morvane::toolkit
