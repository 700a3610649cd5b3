#include "ui/toolkit/windowless_controls.h"

namespace morvane::toolkit {

RECT BoundsOf(const ControlSpec& spec) {
  const int left = TwipsToPixels(spec.left);
  const int top = TwipsToPixels(spec.top);
  return RECT{left, top, left + TwipsToPixels(spec.width), top + TwipsToPixels(spec.height)};
}

Label::Label(const ControlSpec& spec)
    : bounds_(BoundsOf(spec)),
      text_(spec.text),
      back_(spec.back.value_or(FromColorRef(::GetSysColor(COLOR_BTNFACE)))),
      fore_(spec.fore.value_or(FromColorRef(::GetSysColor(COLOR_BTNTEXT)))) {}

void Label::Paint(HDC dc, HFONT font) const {
  const COLORREF back = ToColorRef(back_);
  // ExtTextOut with an empty string is the cheapest opaque fill: no brush.
  const COLORREF previous_back = ::SetBkColor(dc, back);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds_, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous_back);

  const SelectedObject selected_font(dc, font);
  const int previous_mode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF previous_text = ::SetTextColor(dc, ToColorRef(fore_));
  RECT text_area = bounds_;
  ::DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text_area,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  ::SetTextColor(dc, previous_text);
  ::SetBkMode(dc, previous_mode);
}

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

Picture::Picture(HINSTANCE instance, const ControlSpec& spec)
    : name_(spec.name), bitmap_(instance, spec.picture), bounds_(BoundsOf(spec)) {
  // A picture is exactly its bitmap's size, whatever size it was designed at.
  bounds_.right = bounds_.left + bitmap_.Size().cx;
  bounds_.bottom = bounds_.top + bitmap_.Size().cy;
}

}  // namespace morvane::toolkit
