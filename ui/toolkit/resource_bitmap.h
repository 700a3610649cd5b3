// A bitmap from the program's resources, owned for the life of its form.
#pragma once

#include <windows.h>

#include "ui/toolkit/gdi.h"

namespace morvane::toolkit {

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

}  // namespace morvane::toolkit
