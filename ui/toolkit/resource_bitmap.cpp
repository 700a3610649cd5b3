#include "ui/toolkit/resource_bitmap.h"

namespace morvane::toolkit {

ResourceBitmap::ResourceBitmap(HINSTANCE instance, const wchar_t* name)
    : bitmap_(static_cast<HBITMAP>(
          ::LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
  BITMAP info{};
  if (bitmap_ && ::GetObjectW(bitmap_.get(), sizeof info, &info) != 0) {
    size_ = SIZE{info.bmWidth, info.bmHeight};
  }
}

void ResourceBitmap::Draw(HDC dc, int x, int y) const {
  const unique_hdc source(::CreateCompatibleDC(dc));
  const SelectedObject selected(source.get(), bitmap_.get());
  ::BitBlt(dc, x, y, size_.cx, size_.cy, source.get(), 0, 0, SRCCOPY);
}

void ResourceBitmap::ShowKeyAs(COLORREF key, COLORREF shown) {
  const unique_hdc dc(::CreateCompatibleDC(nullptr));
  const SelectedObject selected(dc.get(), bitmap_.get());
  RGBQUAD table[256];
  const UINT entries = ::GetDIBColorTable(dc.get(), 0, 256, table);
  const RGBQUAD replacement{GetBValue(shown), GetGValue(shown), GetRValue(shown), 0};
  for (UINT i = 0; i < entries; ++i) {
    if (RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue) == key) {
      table[i] = replacement;
    }
  }
  ::SetDIBColorTable(dc.get(), 0, entries, table);
}

}  // namespace morvane::toolkit
