#include "ui/artwork/artwork_bitmap.h"

#include "ui/artwork/scaled_rendering.h"

namespace morvane::artwork {

namespace {

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof info, &info) == 0) {
    return SIZE{};
  }
  return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

ArtworkBitmap::ArtworkBitmap(HINSTANCE instance, int id, SIZE design, int dpi,
                             std::optional<COLORREF> transparent_as)
    : bitmap_(ScaledRendering(instance, id, design, dpi, transparent_as)),
      size_(SizeOf(bitmap_.get())) {}

void ArtworkBitmap::Draw(HDC dc, int x, int y) const {
  const platform::unique_hdc source(::CreateCompatibleDC(dc));
  const platform::SelectedObject selected(source.get(), bitmap_.get());
  ::BitBlt(dc, x, y, size_.cx, size_.cy, source.get(), 0, 0, SRCCOPY);
}

}  // namespace morvane::artwork
