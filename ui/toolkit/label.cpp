#include "ui/toolkit/label.h"

#include "ui/toolkit/gdi.h"
#include "ui/toolkit/pixel_bounds.h"

namespace morvane::toolkit {

namespace {

// Text that really is longer than its label wraps at the label's width. A
// caption that overflows it by less than half an average character is a
// one-line caption met in a font a little wider than the one it was laid out
// in: it keeps its one line, cut at the label's edge like any label's text,
// rather than losing its last word to a second line.
UINT LineBreaking(HDC dc, const std::wstring& text, LONG width) {
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  return 2 * (extent.cx - width) < metrics.tmAveCharWidth ? DT_SINGLELINE : DT_WORDBREAK;
}

}  // namespace

Label::Label(const ControlSpec& spec)
    : bounds_(BoundsOf(spec)),
      text_(spec.text),
      back_(spec.back.value_or(FromColorRef(::GetSysColor(COLOR_BTNFACE)))),
      fore_(spec.fore.value_or(FromColorRef(::GetSysColor(COLOR_BTNTEXT)))) {}

void Label::Paint(HDC dc, HFONT font) const {
  const SavedDcState saved(dc);
  // ExtTextOut with an empty string is the cheapest opaque fill: no brush.
  ::SetBkColor(dc, ToColorRef(back_));
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds_, nullptr, 0, nullptr);

  ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(fore_));
  RECT text_area = bounds_;
  const UINT breaking = LineBreaking(dc, text_, bounds_.right - bounds_.left);
  ::DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text_area,
              DT_LEFT | DT_TOP | DT_NOPREFIX | breaking);
}

}  // namespace morvane::toolkit
