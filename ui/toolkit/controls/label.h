// A label: text at the top-left of an opaque rectangle of its back colour.
// Windowless: its form paints it beneath the child windows, and it never
// takes the focus.
#pragma once

#include <windows.h>

#include <string>

#include "ui/toolkit/accessibility/contrast_mode.h"
#include "ui/toolkit/controls/control_design.h"

namespace morvane::toolkit {

class Label {
 public:
  // The contrast mode is the form's, kept as long as the label is.
  Label(const ControlDesign& design, int dpi, const ContrastMode& contrast);

  // Places the label as designed for a window at `dpi`.
  void ScaleTo(int dpi);
  void Paint(HDC dc, HFONT font) const;

 private:
  const ContrastMode* contrast_;
  ControlDesign design_;
  RECT bounds_;
  Colour back_;
  Colour fore_;
};

}  // namespace morvane::toolkit
