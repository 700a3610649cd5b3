// A picture: a windowless image exactly its bitmap's size that reports
// clicks, a press and a release of the left button inside it. Its form
// paints it beneath the child windows and does the hit-testing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "ui/artwork/artwork_bitmap.h"
#include "ui/toolkit/controls/control_design.h"

namespace morvane::toolkit {

class Picture {
 public:
  Picture(HINSTANCE instance, const ControlDesign& design, int dpi);

  const std::string& Name() const { return design_.name; }
  // Shows the picture as drawn for a window at `dpi`, at its place there.
  void ScaleTo(int dpi);
  RECT Bounds() const { return bounds_; }
  bool Contains(POINT point) const { return ::PtInRect(&bounds_, point) != FALSE; }
  void Paint(HDC dc) const { bitmap_.Draw(dc, bounds_.left, bounds_.top); }

  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }
  void Clicked() const {
    if (on_click_) {
      on_click_();
    }
  }

 private:
  static RECT BoundsAt(const ControlDesign& design, int dpi, SIZE size);

  HINSTANCE instance_;
  ControlDesign design_;
  artwork::ArtworkBitmap bitmap_;
  RECT bounds_;
  std::function<void()> on_click_;
};

}  // namespace morvane::toolkit
