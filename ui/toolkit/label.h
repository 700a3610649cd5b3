// A label: text at the top-left of an opaque rectangle of its back colour.
// Windowless: its form paints it beneath the child windows, and it never
// takes the focus.
#pragma once

#include <windows.h>

#include <string>

#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

class Label {
 public:
  explicit Label(const ControlSpec& spec);

  void Paint(HDC dc, HFONT font) const;

 private:
  RECT bounds_;
  std::wstring text_;
  Colour back_;
  Colour fore_;
};

}  // namespace morvane::toolkit
