// Where a control designed in twips lies on its window, in pixels.
#pragma once

#include <windows.h>

#include "ui/toolkit/controls/control_spec.h"

namespace morvane::toolkit {

inline RECT BoundsOf(const ControlSpec& spec, int dpi) {
  const scale::PixelSpan across = scale::SpanAt(spec.left, spec.width, dpi);
  const scale::PixelSpan down = scale::SpanAt(spec.top, spec.height, dpi);
  return RECT{across.start, down.start, across.end, down.end};
}

}  // namespace morvane::toolkit
