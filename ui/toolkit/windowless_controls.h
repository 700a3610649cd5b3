// Labels and pictures: drawn by their form in its own paint, below the child
// windows, and never given the focus.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/toolkit/gdi.h"
#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

// The pixel rectangle of a control designed in twips.
RECT BoundsOf(const ControlSpec& spec);

// Text at the top-left of an opaque rectangle of its back colour.
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

// A bitmap from the program's resources, owned for the life of the form.
class ResourceBitmap {
 public:
  ResourceBitmap(HINSTANCE instance, const wchar_t* name);

  SIZE Size() const { return size_; }
  // Draws the bitmap unscaled with its top-left corner at (x, y).
  void Draw(HDC dc, int x, int y) const;
  // Makes the pixels of the key colour show `shown` instead, by rewriting the
  // colour table of a palettized bitmap: a picture drawn straight on its
  // window's back colour is then one plain copy, with nothing to mask.
  void ShowKeyAs(COLORREF key, COLORREF shown);

 private:
  unique_hbitmap bitmap_;
  SIZE size_{};
};

// An image exactly its bitmap's size that reports clicks: a press and a
// release of the left button inside it.
class Picture {
 public:
  Picture(HINSTANCE instance, const ControlSpec& spec);

  const std::string& Name() const { return name_; }
  bool Contains(POINT point) const { return ::PtInRect(&bounds_, point) != FALSE; }
  void Paint(HDC dc) const { bitmap_.Draw(dc, bounds_.left, bounds_.top); }

  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }
  void Clicked() const {
    if (on_click_) {
      on_click_();
    }
  }

 private:
  std::string name_;
  ResourceBitmap bitmap_;
  RECT bounds_;
  std::function<void()> on_click_;
};

}  // namespace morvane::toolkit
