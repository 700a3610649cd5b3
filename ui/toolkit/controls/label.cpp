#include "ui/toolkit/controls/label.h"

#include "platform/gdi.h"
#include "ui/toolkit/controls/pixel_bounds.h"

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

Label::Label(const ControlDesign& design, int dpi, const ContrastMode& contrast)
    : contrast_(&contrast),
      design_(design),
      bounds_(BoundsOf(design, dpi)),
      back_(design.back.value_or(platform::FromColorRef(::GetSysColor(COLOR_BTNFACE)))),
      fore_(design.fore.value_or(platform::FromColorRef(::GetSysColor(COLOR_BTNTEXT)))) {}

void Label::ScaleTo(int dpi) { bounds_ = BoundsOf(design_, dpi); }

void Label::Paint(HDC dc, HFONT font) const {
  const platform::SavedDcState saved(dc);
  COLORREF back = platform::ToColorRef(back_);
  COLORREF fore = platform::ToColorRef(fore_);
  if (contrast_->On()) {
    back = ::GetSysColor(kHighContrastWindowColours.back);
    fore = ::GetSysColor(kHighContrastWindowColours.text);
  }
  // ExtTextOut with an empty string is the cheapest opaque fill: no brush.
  ::SetBkColor(dc, back);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds_, nullptr, 0, nullptr);

  ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, fore);
  RECT text_area = bounds_;
  const UINT breaking = LineBreaking(dc, design_.text, bounds_.right - bounds_.left);
  ::DrawTextW(dc, design_.text.c_str(), static_cast<int>(design_.text.size()), &text_area,
              DT_LEFT | DT_TOP | DT_NOPREFIX | breaking);
}

}  // namespace morvane::toolkit
