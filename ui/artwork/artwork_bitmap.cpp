#include "ui/artwork/artwork_bitmap.h"

#include "ui/artwork/scaled_rendering.h"
#include "ui/scale/design_scale.h"

namespace morvane::artwork {

namespace {

// Rewrites the colour table of a palettized bitmap, so that the key colour
// costs nothing on any paint.
void ShowKeyAs(HBITMAP bitmap, COLORREF shown) {
  const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
  const platform::SelectedObject selected(dc.get(), bitmap);
  RGBQUAD table[256];
  const UINT entries = ::GetDIBColorTable(dc.get(), 0, 256, table);
  const RGBQUAD replacement{GetBValue(shown), GetGValue(shown), GetRValue(shown), 0};
  for (UINT i = 0; i < entries; ++i) {
    if (RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue) == kTransparentKey) {
      table[i] = replacement;
    }
  }
  ::SetDIBColorTable(dc.get(), 0, entries, table);
}

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof info, &info) == 0) {
    return SIZE{};
  }
  return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

ArtworkBitmap::ArtworkBitmap(HINSTANCE instance, int id, int dpi,
                             std::optional<COLORREF> transparent_as) {
  if (dpi == scale::kDesignDpi) {
    bitmap_ = DesignBitmap(instance, id);
    if (bitmap_ && transparent_as) {
      ShowKeyAs(bitmap_.get(), *transparent_as);
    }
  } else {
    bitmap_ = ScaledRendering(instance, id, dpi, transparent_as);
  }
  size_ = SizeOf(bitmap_.get());
}

void ArtworkBitmap::Draw(HDC dc, int x, int y) const {
  const platform::unique_hdc source(::CreateCompatibleDC(dc));
  const platform::SelectedObject selected(source.get(), bitmap_.get());
  ::BitBlt(dc, x, y, size_.cx, size_.cy, source.get(), 0, 0, SRCCOPY);
}

}  // namespace morvane::artwork
