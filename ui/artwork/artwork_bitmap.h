// A picture of the program's artwork at the scale of the window it is shown
// on, owned for as long as it is shown at that scale.
//
// It is made from the PNG renderings of the picture, at the size its window's
// design gives it (see scaled_rendering.h).
#pragma once

#include <windows.h>

#include <optional>

#include "platform/gdi.h"

namespace morvane::artwork {

// Pixels of the artwork in this colour are transparent.
inline constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

class ArtworkBitmap {
 public:
  // The artwork `id`, designed `design` twips large, at `dpi`. With
  // `transparent_as`, its transparent pixels show that colour: a picture drawn
  // straight on its window's back colour is then one plain copy, with nothing
  // to mask.
  ArtworkBitmap(HINSTANCE instance, int id, SIZE design, int dpi,
                std::optional<COLORREF> transparent_as = std::nullopt);

  SIZE Size() const { return size_; }
  // Draws the bitmap unscaled with its top-left corner at (x, y).
  void Draw(HDC dc, int x, int y) const;

 private:
  platform::unique_hbitmap bitmap_;
  SIZE size_{};
};

}  // namespace morvane::artwork
